#include "cli/data_files.h"

#include <algorithm>
#include <cstdint>
#include "cli/output.h"
#include "cli/system.h"

namespace cli {
namespace {

// "it is a folder, not a file"
std::string NotAFile(util::FileKind kind) {
    constexpr const char *Kinds[] = {"a file", "a folder", "a device", "a pipe"};
    return std::string("it is ") + Kinds[static_cast<size_t>(kind)] + ", not a file";
}

// What the programs would make of the file and agenda says: a last piece that is no whole
// record (dropped by their save), records beyond their table (kept as they are).
void ReportShape(const util::DataFile &file, const RecordFileKind &kind) {
    const size_t records = file.onDisk.bytes.size() / kind.recordSize;
    const size_t piece = file.onDisk.bytes.size() % kind.recordSize;
    if (piece > 0)
        ReportError(PathOf(file) + " ends in " + Counted(piece, "byte", "bytes") +
                    (piece == 1 ? " that is" : " that are") + " not a whole " + std::string(kind.noun) +
                    ": left out");
    if (records > kind.tableSize)
        ReportError(PathOf(file) + " holds " + Counted(records, kind.noun, kind.nouns) + "; " +
                    std::string(kind.program) + " shows the first " + std::to_string(kind.tableSize) +
                    " and keeps the others unchanged");
}

} // namespace

std::string PathOf(const util::DataFile &file) { return util::PathToUtf8(file.path); }

bool ReadRecordFile(const std::string &dir, const RecordFileKind &kind, util::DataFile &file,
                    WhenMissing missing) {
    file = util::BindDataFile(util::PathFromUtf8(dir), {kind.name});
    util::LoadDataFile(file);
    switch (file.loaded) {
    case util::ReadStatus::Unreadable:
        return Fail("cannot read " + PathOf(file) + ": " + ReasonText(file.reason));
    case util::ReadStatus::NotAFile: return Fail("cannot read " + PathOf(file) + ": " + NotAFile(file.kind));
    case util::ReadStatus::Missing:
        if (missing == WhenMissing::Say)
            ReportError(PathOf(file) + " does not exist: no " + std::string(kind.nouns));
        break;
    case util::ReadStatus::Read: ReportShape(file, kind); break;
    }
    return true;
}

void ForEachRecord(const util::DataFile &file,
                   const std::function<void(const longterm::YearMonthRecord &)> &each) {
    const std::span<const uint8_t> bytes = file.onDisk.bytes;
    for (size_t at = 0; at + RecordsFile.recordSize <= bytes.size(); at += RecordsFile.recordSize)
        each(longterm::DecodeRecord(bytes.subspan(at, RecordsFile.recordSize)));
}

void ForEachNoteTable(const util::DataFile &file, const std::function<void(const notes::NoteTable &)> &each) {
    constexpr size_t TableBytes = notes::MaxNotes * notes::NoteRecordSize;
    std::span<const uint8_t> rest = file.onDisk.bytes;
    notes::NoteTable table;
    while (rest.size() >= notes::NoteRecordSize) {
        const size_t taken = std::min(rest.size(), TableBytes);
        notes::DecodeAgendaFile(table, rest.first(taken)); // no held-back part: at most one table's worth
        each(table);
        rest = rest.subspan(taken);
    }
}

bool UnchangedSinceRead(const util::DataFile &file) {
    return util::QuestionBeforeSave(file) != util::SaveQuestion::ChangedElsewhere ||
           Fail(PathOf(file) + " was changed by another program meanwhile: nothing written");
}

bool SaveRecordFile(util::DataFile &file, std::vector<uint8_t> bytes) {
    const util::WriteResult written = util::SaveDataFile(file, std::move(bytes));
    return written.ok || Fail("cannot write " + PathOf(file) + ": " + WriteFailure(written));
}

std::string WriteFailure(const util::WriteResult &written) {
    return written.kind == util::FileKind::File ? ReasonText(written.reason) : NotAFile(written.kind);
}

} // namespace cli
