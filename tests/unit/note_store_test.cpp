#include "notes/note_store.h"
#include "shared/dates/names.h"

#include <numeric>
#include <tuple>

#include "tests/unit/test_files.h"

using namespace notes;
using namespace testing_support;
using namespace dates;
constexpr size_t R = NoteRecordSize;

std::string Texts(const NoteTable &t) {
    return std::accumulate(t.notes.begin(), t.notes.end(), std::string(),
                           [](auto texts, auto &note) { return texts + note.text + " "; });
}

// The first and last dates a set selects, and how many slots it holds.
std::string Span(const NoteTable &table, const NoteSet &set) {
    std::string first, last;
    for (size_t slot = 1; slot <= table.notes.size(); ++slot)
        if (set[slot]) (first.empty() ? first : last) = DateText(table.notes[slot - 1].date);
    return first + "-" + last + " " + std::to_string(set.count());
}

TEST(AgendaFile, KeepsWholeRecordsHoldsBackTheRestAndSavesSafely) {
    const auto b = EncodeNote({{5, 3, 2026}, "ab"}); // fields little-endian, then length, text, zeros
    EXPECT_EQ(std::string(b.begin(), b.begin() + 10), std::string("\5\0\3\0\xEA\7\2ab\0", 10));
    for (const size_t records : {3u, 0u, 300u}) {
        SCOPED_TRACE(records);
        TempFolder folder;
        const std::string path = folder.dir + "agenda.dat";
        const auto file = WriteNoise(path, records * R + (records == 3 ? 100u : 0u)); // then a trailing piece
        NoteTable table;
        ASSERT_EQ(LoadNotes(table, path).status, util::ReadStatus::Read);
        ASSERT_EQ(NoteCount(table), std::min(records, MaxNotes));
        EXPECT_EQ(HeldBackCount(table), records - NoteCount(table));
        EXPECT_TRUE(records < MaxNotes || InsertNote(table, {}) == 0) << "a full table takes no more";
        std::filesystem::create_directory(util::TemporaryPathFor(path));
        EXPECT_NE(SaveNotes(table, path).reason, ""); // it fails and says why
        EXPECT_EQ(ReadBytes(path), file);             // the failed save left it alone
        std::filesystem::remove(util::TemporaryPathFor(path));
        ASSERT_TRUE(SaveNotes(table, path).ok);
        EXPECT_EQ(ReadBytes(path), SavedForm(file, R, 6, MaxNotes));
    }
}

TEST(AgendaFile, MissingOrUnreadableFileGivesAnEmptyTable) {
    TempFolder folder;
    for (const auto status : {util::ReadStatus::Missing, util::ReadStatus::Unreadable}) {
        NoteTable table{NoteRecord(), {NoteRecord()}, std::vector<uint8_t>(R, 1)}; // one note, one held back
        const auto outcome = LoadNotes(table, folder.dir + "agenda.dat");
        EXPECT_EQ(outcome.status, status);
        EXPECT_EQ(outcome.reason.empty(), status == util::ReadStatus::Missing);
        EXPECT_EQ(NoteCount(table) + HeldBackCount(table), 0u);
        std::filesystem::create_directory(folder.dir + "agenda.dat"); // then a folder in its place
    }
}

TEST(NoteTable, InsertGoesAfterEveryNoteDatedOnOrBeforeIt) {
    const std::vector<NoteRecord> march = {{{1, 3, 2026}, "1"}, {{5, 3, 2026}, "5"}, {{9, 3, 2026}, "9"}};
    const std::tuple<std::vector<NoteRecord>, CalendarDate, uint8_t, const char *> cases[] = {
        {march, {5, 3, 2026}, 3, "1 5 new 9 "},
        {march, {0, 0, 0}, 1, "new 1 5 9 "},
        {march, {10, 3, 2026}, 4, "1 5 9 new "},
        {{}, {5, 3, 2026}, 1, "new "}};
    for (const auto &[before, date, slot, texts] : cases) {
        NoteTable table{NoteRecord(), before, {}};
        EXPECT_EQ(InsertNote(table, {date, "new"}), slot) << texts;
        EXPECT_EQ(Texts(table), texts);
    }
    NoteTable five{NoteRecord(), {{{}, "1"}, {{}, "2"}, {{}, "3"}, {{}, "4"}, {{}, "5"}}, {}};
    ReplaceNote(five, 4, {{30, 12, 2026}, "later"}); // stays in its slot, not in date order
    DeleteNote(five, 2);
    EXPECT_EQ(Texts(five), "1 3 later 5 ");
}

TEST(Selections, WeekRunsMondayToSundayAndMonthOverItsRealDays) {
    // The day, whether its week or its month is selected, and the span selected.
    const std::tuple<CalendarDate, bool, const char *> cases[] = {
        {{3, 6, 2026}, true, "01/06/2026-07/06/2026 7"},
        {{7, 6, 2026}, true, "01/06/2026-07/06/2026 7"},
        {{3, 1, 2027}, true, "28/12/2026-03/01/2027 7"},
        {{26, 2, 2026}, true, "23/02/2026-01/03/2026 7"},
        {{15, 2, 2028}, false, "01/02/2028-29/02/2028 29"},
        {{15, 12, 2026}, false, "01/12/2026-31/12/2026 31"},
        {{15, 2, 2026}, false, "01/02/2026-28/02/2026 28"}};
    for (const auto &[date, week, span] : cases) {
        SCOPED_TRACE(span);
        NoteTable t{NoteRecord(), {{{31, 2, 2026}, {}}}, {}}; // an impossible date, then 41 days around

        for (auto day = SubtractDays(date, 20); t.notes.size() < 42; day = NextDay(day))
            t.notes.push_back({day, {}});
        EXPECT_EQ(Span(t, week ? SelectWeek(t, date) : SelectMonth(t, date.month, date.year)), span);
        EXPECT_EQ(SelectAll(t), NoteSet((1ull << 42) - 1) << 1);
    }
}

TEST(Selections, FollowInsertAndFollowDeleteMoveTheSlots) {
    // A set (slot 0 is the last character), a slot, the set after inserting there and after deleting it.
    const std::tuple<const char *, uint8_t, const char *, const char *> cases[] = {
        {"101010", 3, "1011010", "10010"},
        {"101010", 6, "1101010", "101010"},
        {"110", 0, "110", "110"}}; // nothing inserted or deleted
    for (const auto &[set, slot, afterInsert, afterDelete] : cases) {
        SCOPED_TRACE(testing::Message() << set << " at " << int{slot});
        EXPECT_EQ(FollowInsert(NoteSet(set), slot), NoteSet(afterInsert));
        EXPECT_EQ(FollowDelete(NoteSet(set), slot), NoteSet(afterDelete));
    }
}
