#include "notes/note_store.h"

#include <filesystem>
#include <gtest/gtest.h>

#include "tests/unit/test_files.h"

namespace {

using dates::CalendarDate;
using notes::NoteRecord;
using notes::NoteSet;
using notes::NoteTable;
using namespace testing_support;

constexpr size_t R = notes::NoteRecordSize;
constexpr RecordShape Agenda{R, 6};

NoteRecord Note(uint16_t day, uint16_t month, uint16_t year, std::string text = {}) {
    return {CalendarDate{day, month, year}, std::move(text)};
}

NoteTable TableOf(const std::vector<NoteRecord> &notes) {
    NoteTable table;
    table.notes = notes;
    return table;
}

std::vector<uint16_t> Days(const NoteTable &table) {
    std::vector<uint16_t> days;
    for (const auto &note : table.notes)
        days.push_back(note.date.day);
    return days;
}

TEST(NoteRecordFormat, FieldsAreLittleEndianAndTextIsZeroPadded) {
    const auto bytes = notes::EncodeNote(Note(5, 3, 2026, "Dentista\r\nma\xF1" "ana"));
    ASSERT_EQ(bytes.size(), R);
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin(), bytes.begin() + 7),
              (std::vector<uint8_t>{5, 0, 3, 0, 0xEA, 0x07, 16}));
    EXPECT_EQ(std::string(bytes.begin() + 7, bytes.begin() + 23), "Dentista\r\nma\xF1" "ana");
    EXPECT_TRUE(std::all_of(bytes.begin() + 23, bytes.end(), [](uint8_t b) { return b == 0; }));

    const auto back = notes::DecodeNote(bytes);
    EXPECT_EQ(notes::EncodeNote(back), bytes);
}

TEST(AgendaFile, RoundTripKeepsSignificantBytesAndDropsTrailingPiece) {
    struct Case {
        size_t records;
        size_t trailing;
    };
    for (const Case c : {Case{0, 0}, Case{0, 100}, Case{1, 0}, Case{3, 100}, Case{3, 0}}) {
        SCOPED_TRACE(testing::Message() << c.records << " records + " << c.trailing);
        TempFolder folder;
        const std::string path = folder.Path("agenda.dat");
        const auto file = RecordFileBytes(Agenda, c.records, c.trailing);
        WriteBytes(path, file);

        NoteTable table;
        ASSERT_EQ(notes::LoadNotes(table, path).status, util::ReadStatus::Read);
        ASSERT_EQ(notes::NoteCount(table), c.records);
        EXPECT_EQ(notes::HeldBackCount(table), 0u);

        ASSERT_TRUE(notes::SaveNotes(table, path).ok);
        ExpectSameSignificantBytes(Agenda, file, ReadBytes(path), c.records);
    }
}

TEST(AgendaFile, RecordsBeyondTheTableAreKeptAndWrittenBack) {
    TempFolder folder;
    const std::string path = folder.Path("agenda.dat");
    const auto file = RecordFileBytes(Agenda, 300, 0);
    WriteBytes(path, file);

    NoteTable table;
    ASSERT_EQ(notes::LoadNotes(table, path).status, util::ReadStatus::Read);
    EXPECT_EQ(notes::NoteCount(table), 255);
    EXPECT_EQ(notes::HeldBackCount(table), 45u);
    const NoteRecord first = notes::NoteAt(table, 1);
    EXPECT_EQ(notes::InsertNote(table, Note(0, 0, 0)), 0); // would go to slot 1 if there were room
    EXPECT_EQ(notes::NoteCount(table), 255);
    EXPECT_EQ(notes::NoteAt(table, 1).text, first.text);

    ASSERT_TRUE(notes::SaveNotes(table, path).ok);
    const auto saved = ReadBytes(path);
    ExpectSameSignificantBytes(Agenda, file, saved, 300);
    // Held-back records go back exactly as they were, noise included.
    EXPECT_TRUE(std::equal(file.begin() + 255 * R, file.end(), saved.begin() + 255 * R));

    // Loading again replaces the table and the held-back records, never adds to them.
    ASSERT_EQ(notes::LoadNotes(table, path).status, util::ReadStatus::Read);
    EXPECT_EQ(notes::NoteCount(table), 255);
    EXPECT_EQ(notes::HeldBackCount(table), 45u);
}

TEST(AgendaFile, MissingAndUnreadableFilesGiveAnEmptyTable) {
    TempFolder folder;
    NoteTable table = TableOf({Note(1, 1, 2026, "old")});
    table.heldBack.assign(R, 1);

    auto outcome = notes::LoadNotes(table, folder.Path("agenda.dat"));
    EXPECT_EQ(outcome.status, util::ReadStatus::Missing);
    EXPECT_EQ(notes::NoteCount(table), 0);
    EXPECT_EQ(notes::HeldBackCount(table), 0u);

    table.notes.push_back(Note(1, 1, 2026));
    std::filesystem::create_directory(folder.Path("agenda.dat"));
    outcome = notes::LoadNotes(table, folder.Path("agenda.dat"));
    EXPECT_EQ(outcome.status, util::ReadStatus::Unreadable);
    EXPECT_FALSE(outcome.reason.empty());
    EXPECT_EQ(notes::NoteCount(table), 0);
}

TEST(AgendaFile, FailedSaveKeepsFileAndTable) {
    TempFolder folder;
    const std::string path = folder.Path("agenda.dat");
    const auto file = RecordFileBytes(Agenda, 3, 0);
    WriteBytes(path, file);
    NoteTable table;
    ASSERT_EQ(notes::LoadNotes(table, path).status, util::ReadStatus::Read);
    const uint8_t added = notes::InsertNote(table, Note(1, 1, 2030, "new"));
    ASSERT_NE(added, 0);

    std::filesystem::create_directory(util::TemporaryPathFor(path));
    const auto result = notes::SaveNotes(table, path);
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.reason.empty());
    EXPECT_EQ(ReadBytes(path), file);
    EXPECT_EQ(notes::NoteCount(table), 4);

    // Once the obstacle is gone the same table saves: nothing was released.
    std::filesystem::remove(util::TemporaryPathFor(path));
    ASSERT_TRUE(notes::SaveNotes(table, path).ok);
    NoteTable reloaded;
    notes::LoadNotes(reloaded, path);
    ASSERT_EQ(notes::NoteCount(reloaded), 4);
    EXPECT_EQ(notes::NoteAt(reloaded, added).text, "new");
}

TEST(InsertNote, GoesAfterEveryNoteDatedOnOrBeforeIt) {
    struct Case {
        const char *what;
        std::vector<NoteRecord> table;
        NoteRecord note;
        uint8_t slot;
    };
    const std::vector<NoteRecord> march = {Note(1, 3, 2026), Note(5, 3, 2026), Note(9, 3, 2026)};
    const Case cases[] = {
        {"same date goes after", march, Note(5, 3, 2026), 3},
        {"empty date goes first", march, Note(0, 0, 0), 1},
        {"later than all appends", march, Note(10, 3, 2026), 4},
        {"earlier than all", march, Note(28, 2, 2026), 1},
        {"month decides before day", march, Note(4, 4, 2026), 4},
        {"year decides before month", march, Note(31, 12, 2025), 1},
        {"empty table", {}, Note(5, 3, 2026), 1},
        {"unsorted: first later slot", {Note(9, 3, 2026), Note(1, 3, 2026)}, Note(5, 3, 2026), 1},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        NoteTable table = TableOf(c.table);
        ASSERT_EQ(notes::InsertNote(table, c.note), c.slot);
        ASSERT_EQ(table.notes.size(), c.table.size() + 1);
        EXPECT_EQ(notes::NoteAt(table, c.slot).date.day, c.note.date.day);
        // Everything else keeps its relative order around the new slot.
        for (size_t i = 0; i < c.table.size(); ++i)
            EXPECT_EQ(table.notes[i < c.slot - 1u ? i : i + 1].date.day, c.table[i].date.day);
    }
}

TEST(ReplaceAndDelete, KeepSlotsAndCloseGaps) {
    const std::vector<NoteRecord> five = {Note(1, 1, 2026), Note(2, 1, 2026), Note(3, 1, 2026), Note(4, 1, 2026),
                                          Note(5, 1, 2026)};
    NoteTable table = TableOf(five);
    notes::ReplaceNote(table, 2, Note(30, 12, 2026, "later"));
    EXPECT_EQ(Days(table), (std::vector<uint16_t>{1, 30, 3, 4, 5}));
    EXPECT_EQ(notes::NoteAt(table, 2).text, "later");

    table = TableOf(five);
    notes::DeleteNote(table, 2);
    EXPECT_EQ(Days(table), (std::vector<uint16_t>{1, 3, 4, 5}));
    for (uint8_t bad : {uint8_t{0}, uint8_t{5}, uint8_t{255}}) {
        notes::DeleteNote(table, bad);
        notes::ReplaceNote(table, bad, Note(9, 9, 2099));
    }
    EXPECT_EQ(Days(table), (std::vector<uint16_t>{1, 3, 4, 5}));

    table = TableOf({Note(7, 7, 2026)});
    notes::DeleteNote(table, 1);
    EXPECT_EQ(notes::NoteCount(table), 0);
    notes::DeleteNote(table, 1);
    EXPECT_EQ(notes::NoteCount(table), 0);
}

// One note for every day from first on; a selection is then checked day by day.
NoteTable EveryDay(CalendarDate first, int days) {
    NoteTable table;
    for (int i = 0; i < days; ++i, first = dates::NextDay(first))
        table.notes.push_back({first, {}});
    return table;
}

NoteSet SlotsBetween(const NoteTable &table, CalendarDate from, CalendarDate to) {
    NoteSet set;
    for (size_t i = 0; i < table.notes.size(); ++i)
        if (dates::CompareDates(table.notes[i].date, from) != dates::Before &&
            dates::CompareDates(table.notes[i].date, to) != dates::After)
            set.set(i + 1);
    return set;
}

TEST(Selections, WeekRunsMondayToSundayAcrossMonthAndYearEnds) {
    struct Case {
        CalendarDate date, monday, sunday;
    };
    const Case cases[] = {
        {{3, 6, 2026}, {1, 6, 2026}, {7, 6, 2026}},      // Wednesday
        {{7, 6, 2026}, {1, 6, 2026}, {7, 6, 2026}},      // Sunday belongs to the week before
        {{1, 6, 2026}, {1, 6, 2026}, {7, 6, 2026}},      // Monday
        {{3, 1, 2027}, {28, 12, 2026}, {3, 1, 2027}},    // across the year end
        {{1, 3, 2028}, {28, 2, 2028}, {5, 3, 2028}},     // across a leap February
        {{31, 5, 2026}, {25, 5, 2026}, {31, 5, 2026}},   // Sunday at a month end
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << c.date.day << "/" << c.date.month << "/" << c.date.year);
        const NoteTable table = EveryDay(SubtractDays(c.date, 20), 41);
        const NoteSet week = notes::SelectWeek(table, c.date);
        EXPECT_EQ(week.count(), 7u);
        EXPECT_EQ(week, SlotsBetween(table, c.monday, c.sunday));
    }
}

TEST(Selections, MonthCoversItsDaysOnly) {
    struct Case {
        uint16_t month, year, days;
        CalendarDate before;
    };
    const Case cases[] = {{2, 2028, 29, {25, 1, 2028}},
                          {2, 2027, 28, {25, 1, 2027}},
                          {12, 2026, 31, {25, 11, 2026}},
                          {4, 2026, 30, {25, 3, 2026}}};
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << c.month << "/" << c.year);
        const NoteTable table = EveryDay(c.before, 45);
        const NoteSet month = notes::SelectMonth(table, c.month, c.year);
        EXPECT_EQ(month.count(), c.days);
        EXPECT_EQ(month, SlotsBetween(table, {1, c.month, c.year}, {c.days, c.month, c.year}));
    }
    // Two notes on one day are both selected.
    const NoteTable twice = TableOf({Note(29, 2, 2028), Note(1, 3, 2028), Note(29, 2, 2028)});
    EXPECT_EQ(notes::SelectMonth(twice, 2, 2028), NoteSet("101") << 1);
    EXPECT_EQ(notes::SelectDay(twice, {1, 3, 2028}), NoteSet("10") << 1);
}

TEST(Selections, ImpossibleDatesOnlyInSelectAll) {
    const NoteTable table = TableOf({Note(31, 2, 2026), Note(0, 0, 0), Note(0, 3, 2026), Note(1, 13, 2026),
                                     Note(5, 0, 2026), Note(32, 1, 2026), Note(1, 1, 0)});
    EXPECT_EQ(notes::SelectAll(table), NoteSet("1111111") << 1);
    for (uint16_t month = 0; month <= 14; ++month)
        for (uint16_t year : {uint16_t{2025}, uint16_t{2026}})
            EXPECT_TRUE(notes::SelectMonth(table, month, year).none()) << month << "/" << year;
    // Every week of the years around them finds none of them.
    CalendarDate day{1, 12, 2024};
    for (int i = 0; i < 800; ++i, day = dates::NextDay(day))
        ASSERT_TRUE(notes::SelectWeek(table, day).none()) << day.day << "/" << day.month << "/" << day.year;
    // Odd dates asked for themselves stay inside the table.
    for (const auto &note : table.notes) {
        EXPECT_EQ(notes::SelectWeek(table, note.date) & ~notes::SelectAll(table), NoteSet());
        EXPECT_EQ(notes::SelectDay(table, note.date).count(), 1u);
    }
    EXPECT_TRUE(notes::SelectAll(NoteTable{}).none());
}

TEST(FollowSets, MatchTheTableAfterInsertAndDelete) {
    struct Case {
        const char *set;
        uint8_t slot;
        const char *afterInsert;
        const char *afterDelete;
    };
    // Bit strings read right to left: bit 0 (slot 0) is the last character.
    const Case cases[] = {
        {"101010", 3, "1011010", "10010"},
        {"101010", 1, "1010110", "10100"},
        {"101010", 6, "1101010", "101010"},
        {"101010", 2, "1010110", "10110"},
        {"0", 1, "10", "0"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << c.set << " at " << int{c.slot});
        EXPECT_EQ(notes::FollowInsert(NoteSet(c.set), c.slot), NoteSet(c.afterInsert));
        EXPECT_EQ(notes::FollowDelete(NoteSet(c.set), c.slot), NoteSet(c.afterDelete));
    }
    EXPECT_EQ(notes::FollowInsert(NoteSet("110"), 0), NoteSet("110")); // a refused insert
    EXPECT_EQ(notes::FollowDelete(NoteSet("110"), 0), NoteSet("110"));
}

} // namespace
