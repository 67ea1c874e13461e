#include "notes/note_store.h"
#include "shared/dates/names.h"
#include "shared/util/data_file.h"

#include <numeric>
#include <tuple>

#include "tests/unit/test_files.h"

using namespace notes;
using namespace testing_support;
using namespace dates;

std::string Texts(const NoteTable &t) {
    return std::accumulate(t.notes.begin(), t.notes.end(), std::string(),
                           [](auto texts, auto &note) { return texts + note.text + " "; });
}

TEST(AgendaFile, KeepsWholeRecordsHoldsBackTheRestAndEmptiesTheTableWhenNotRead) {
    const auto b =
        EncodeAgendaFile({{}, {{{5, 3, 2026}, "ab"}}, {}}); // fields little-endian, length, text, zeros
    EXPECT_EQ(std::string(b.begin(), b.begin() + 10), std::string("\5\0\3\0\xEA\7\2ab\0", 10));
    TempFolder folder;
    util::DataFile agenda = util::BindDataFile(SysPath(folder.dir), {AgendaFileName});
    const std::string path = folder.dir + "agenda.dat";
    const auto file = WriteNoise(path, 300 * NoteRecordSize + 100); // 45 records too many, then a piece
    NoteTable table;
    DecodeAgendaFile(table, util::LoadDataFile(agenda));
    ASSERT_EQ(agenda.loaded, util::ReadStatus::Read);
    ASSERT_EQ(NoteCount(table), MaxNotes);
    EXPECT_EQ(HeldBackCount(table), 45u);
    EXPECT_EQ(InsertNote(table, {}), 0) << "a full table takes no more";
    ASSERT_TRUE(util::SaveDataFile(agenda, EncodeAgendaFile(table)).ok);
    EXPECT_EQ(ReadBytes(path), SavedForm(file, NoteRecordSize, 6, MaxNotes));
    std::filesystem::remove(path);
    std::filesystem::create_directory(path); // a folder in its place
    DecodeAgendaFile(table, util::LoadDataFile(agenda));
    EXPECT_TRUE(agenda.loaded == util::ReadStatus::NotAFile && agenda.kind == util::FileKind::Folder);
    EXPECT_EQ(NoteCount(table) + HeldBackCount(table), 0u);
}

TEST(NoteTable, InsertGoesAfterEveryNoteDatedOnOrBeforeIt) {
    const std::pair<CalendarDate, const char *> cases[] = {
        {{5, 3, 2026}, "1 5 new 9 "}, {{0, 0, 0}, "new 1 5 9 "}, {{10, 3, 2026}, "1 5 9 new "}};
    for (const auto &[date, texts] : cases) {
        NoteTable table{NoteRecord(), {{{1, 3, 2026}, "1"}, {{5, 3, 2026}, "5"}, {{9, 3, 2026}, "9"}}, {}};
        InsertNote(table, {date, "new"});
        EXPECT_EQ(Texts(table), texts);
    }
    NoteTable four;
    for (const char *text : {"1", "2", "3", "4"}) // from an empty table, equal dates in the order they came
        InsertNote(four, {{}, text});
    ReplaceNote(four, 3, {{30, 12, 2026}, "later"}); // stays in its slot, not in date order
    DeleteNote(four, 2);
    DeleteNote(four, 9);
    EXPECT_EQ(InsertNote(four, {{}, std::string(300, 'x')}), 2); // before the first note dated after it
    EXPECT_EQ(Texts(four), "1 " + std::string(255, 'x') + " later 4 ");
}

// A set (slot 0 is the last character), a slot, the set after inserting there and after deleting it.
// (What each period selects is proved by periods_test against a day-by-day walk.)
TEST(Selections, FollowInsertAndDeleteShiftTheSlotsAfterThePlace) {
    const std::tuple<const char *, uint8_t, const char *, const char *> moves[] = {
        {"101010", 3, "1011010", "10010"}, {"101010", 6, "1101010", "101010"}, {"110", 0, "110", "110"}};
    for (const auto &[set, slot, afterInsert, afterDelete] : moves) {
        EXPECT_EQ(FollowInsert(NoteSet(set), slot), NoteSet(afterInsert)) << set << " at " << int{slot};
        EXPECT_EQ(FollowDelete(NoteSet(set), slot), NoteSet(afterDelete)) << set << " at " << int{slot};
    }
}
