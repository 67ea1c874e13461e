// The agenda.dat reader on any bytes: decode, encode, decode again gives the same table; the
// encoded file is the whole records, each date and text as it was and zeros after the text; the
// periods equal their walks day by day with NextDay; every list line is the date text (day and
// month in two digits at least, cut to 10), the weekday and the text, cut to 255. The split
// under the reader is fuzzed on its own with small records and tables (from the first two
// bytes), so that small inputs reach held-back records.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "fuzz/fuzz_check.h"
#include "notes/periods.h"
#include "shared/util/record_file.h"
#include "shared/dates/names.h"

namespace {

bool SameNotes(const notes::NoteTable &a, const notes::NoteTable &b) {
    if (a.notes.size() != b.notes.size() || a.heldBack != b.heldBack) return false;
    for (size_t i = 0; i < a.notes.size(); ++i) {
        const dates::CalendarDate &x = a.notes[i].date, &y = b.notes[i].date;
        if (x.day != y.day || x.month != y.month || x.year != y.year || a.notes[i].text != b.notes[i].text)
            return false;
    }
    return true;
}

// The whole records (at most maxRecords), the held-back whole records and the short piece,
// for records of 1 to 16 bytes and tables of 0 to 7.
void CheckSplit(std::span<const uint8_t> bytes) {
    if (bytes.size() < 2) return;
    const size_t recordSize = 1 + bytes[0] % 16, maxRecords = bytes[1] % 8;
    const util::RecordSplit split = util::SplitRecords(bytes, recordSize, maxRecords);
    const size_t whole = bytes.size() / recordSize;
    FUZZ_CHECK(split.kept == std::min(whole, maxRecords) && split.trailingBytes == bytes.size() % recordSize);
    FUZZ_CHECK(split.heldBackBytes == (whole - split.kept) * recordSize);
    for (size_t i = 0; i < split.kept; ++i)
        FUZZ_CHECK(split.Record(i).data() == bytes.data() + i * recordSize &&
                   split.Record(i).size() == recordSize);
    FUZZ_CHECK(split.HeldBack().data() == bytes.data() + split.kept * recordSize);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const std::vector<uint8_t> bytes(data, data + size);
    CheckSplit(bytes);
    const size_t records = bytes.size() / notes::NoteRecordSize;
    notes::NoteTable table;
    notes::DecodeAgendaFile(table, bytes);
    FUZZ_CHECK(table.notes.size() == std::min(records, notes::MaxNotes));
    FUZZ_CHECK(notes::HeldBackCount(table) == records - table.notes.size());

    const std::vector<uint8_t> encoded = notes::EncodeAgendaFile(table);
    FUZZ_CHECK(encoded.size() == records * notes::NoteRecordSize);
    static const uint8_t zeros[notes::NoteRecordSize] = {};
    for (size_t at = 0; at < encoded.size(); at += notes::NoteRecordSize) {
        const uint8_t *record = encoded.data() + at, *end = record + 7 + record[6];
        FUZZ_CHECK(std::equal(record, end, bytes.data() + at)); // the date and the text as they were
        FUZZ_CHECK(std::equal(end, record + notes::NoteRecordSize, zeros));
    }
    notes::NoteTable again;
    notes::DecodeAgendaFile(again, encoded);
    FUZZ_CHECK(SameNotes(table, again));
    FUZZ_CHECK(notes::EncodeAgendaFile(again) == encoded);

    // The periods from the first note's date as today, whatever it holds, against their walks
    // day by day with NextDay.
    const dates::CalendarDate today = table.notes.empty() ? dates::CalendarDate{} : table.notes.front().date;
    const notes::PeriodDates when{today, dates::NextDay(today), today.month, today.year};
    const auto walk = [&](dates::CalendarDate day, int count) {
        notes::NoteSet set;
        for (; count > 0; --count, day = dates::NextDay(day))
            set |= notes::SelectDay(table, day);
        return set;
    };
    const auto week = [&](dates::CalendarDate day) {
        const uint16_t weekday = dates::DayOfWeek(day);
        return walk(dates::SubtractDays(day, weekday == 0 ? 6 : static_cast<uint16_t>(weekday - 1)), 7);
    };
    const auto month = [&](uint16_t m, uint16_t y) {
        return m >= 1 && m <= 12 ? walk({1, m, y}, dates::DaysInMonth(m, y)) : notes::NoteSet();
    };
    const bool december = today.month >= 12;
    const notes::NoteSet expected[] = {notes::SelectAll(table),
                                       walk(today, 1) | walk(when.tomorrow, 1),
                                       week(today),
                                       week(dates::AddDays(today, 7)),
                                       month(today.month, today.year),
                                       month(december ? 1 : static_cast<uint16_t>(today.month + 1),
                                             december ? static_cast<uint16_t>(today.year + 1) : today.year),
                                       month(when.chosenMonth, when.chosenYear)};
    for (int32_t mode = notes::AllNotes; mode <= notes::ChosenMonth; ++mode)
        FUZZ_CHECK(notes::SelectPeriod(table, static_cast<notes::Period>(mode), when) == expected[mode]);
    const auto twoDigits = [](uint16_t number) { return (number < 10 ? "0" : "") + std::to_string(number); };
    for (const notes::NoteRecord &note : table.notes) {
        const dates::CalendarDate &d = note.date;
        const std::string date =
            (twoDigits(d.day) + "/" + twoDigits(d.month) + "/" + std::to_string(d.year)).substr(0, 10);
        FUZZ_CHECK(dates::DateText(d) == date);
        const std::string line = date + " " + dates::WeekdayAbbreviation(d) + " " + note.text;
        FUZZ_CHECK(notes::NoteListLine(note) == line.substr(0, 255));
    }
    return 0;
}
