#include "longterm/record_store.h"

#include <filesystem>
#include <gtest/gtest.h>

#include "tests/unit/test_files.h"

namespace {

using longterm::RecordTable;
using longterm::StoreResult;
using namespace testing_support;
using util::ReadStatus;

constexpr size_t R = longterm::YearMonthRecordSize;
constexpr RecordShape LongTerm{R, 4};

std::vector<uint16_t> Years(const RecordTable &table) {
    std::vector<uint16_t> years;
    for (const auto &record : table.records)
        years.push_back(record.year);
    return years;
}

RecordTable TableOfYears(std::initializer_list<uint16_t> years) {
    RecordTable table;
    for (uint16_t year : years)
        table.records.push_back({year, 1, "n"});
    return table;
}

TEST(YearMonthRecordFormat, FieldsAreLittleEndianAndNoteIsZeroPadded) {
    const auto bytes = longterm::EncodeRecord({2026, 11, "Renovar\r\npasaporte"});
    ASSERT_EQ(bytes.size(), R);
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin(), bytes.begin() + 5), (std::vector<uint8_t>{0xEA, 0x07, 11, 0, 18}));
    EXPECT_EQ(std::string(bytes.begin() + 5, bytes.begin() + 23), "Renovar\r\npasaporte");
    EXPECT_TRUE(std::all_of(bytes.begin() + 23, bytes.end(), [](uint8_t b) { return b == 0; }));
    EXPECT_EQ(longterm::EncodeRecord(longterm::DecodeRecord(bytes)), bytes);
}

TEST(LongTermFile, RoundTripKeepsSignificantBytesAndDropsTrailingPiece) {
    struct Case {
        size_t records;
        size_t trailing;
    };
    for (const Case c : {Case{0, 0}, Case{0, 259}, Case{3, 0}, Case{3, 17}, Case{1, 1}}) {
        SCOPED_TRACE(testing::Message() << c.records << " records + " << c.trailing);
        TempFolder folder;
        const std::string path = folder.Path("lonyrs.dat");
        const auto file = RecordFileBytes(LongTerm, c.records, c.trailing);
        WriteBytes(path, file);

        RecordTable table;
        table.Modified = true;
        ASSERT_EQ(longterm::LoadRecords(table, path).status, ReadStatus::Read);
        EXPECT_FALSE(table.Modified);
        ASSERT_EQ(longterm::RecordCount(table), c.records);

        ASSERT_TRUE(longterm::SaveRecords(table).ok);
        ExpectSameSignificantBytes(LongTerm, file, ReadBytes(path), c.records);
    }
}

TEST(LongTermFile, RecordsBeyondTheTableAreKeptAndWrittenBack) {
    TempFolder folder;
    const std::string path = folder.Path("lonyrs.dat");
    const auto file = RecordFileBytes(LongTerm, 1100, 0);
    WriteBytes(path, file);

    RecordTable table;
    ASSERT_EQ(longterm::LoadRecords(table, path).status, ReadStatus::Read);
    EXPECT_EQ(longterm::RecordCount(table), 1024);
    EXPECT_EQ(longterm::HeldBackCount(table), 76u);
    EXPECT_EQ(longterm::StoreRecord(table, 1025, 2026, 1, "full"), StoreResult::TableFull);
    EXPECT_EQ(longterm::RecordCount(table), 1024);
    EXPECT_FALSE(table.Modified);

    ASSERT_TRUE(longterm::SaveRecords(table).ok);
    const auto saved = ReadBytes(path);
    ExpectSameSignificantBytes(LongTerm, file, saved, 1100);
    EXPECT_TRUE(std::equal(file.begin() + 1024 * R, file.end(), saved.begin() + 1024 * R));
}

TEST(LongTermFile, MissingAndUnreadableFilesGiveAnEmptyTableAndBindTheName) {
    TempFolder folder;
    RecordTable table = TableOfYears({2026, 2027});
    const std::string path = folder.Path("lonyrs.dat");
    EXPECT_EQ(longterm::LoadRecords(table, path).status, ReadStatus::Missing);
    EXPECT_EQ(longterm::RecordCount(table), 0);
    EXPECT_FALSE(table.Modified);

    // The first save creates the file under the bound name.
    longterm::StoreRecord(table, 1, 2030, 6, "first");
    ASSERT_TRUE(longterm::SaveRecords(table).ok);
    EXPECT_EQ(std::filesystem::file_size(path), R);

    std::filesystem::create_directory(folder.Path("folder.dat"));
    table.Modified = true;
    const auto outcome = longterm::LoadRecords(table, folder.Path("folder.dat"));
    EXPECT_EQ(outcome.status, ReadStatus::Unreadable);
    EXPECT_FALSE(outcome.reason.empty());
    EXPECT_EQ(longterm::RecordCount(table), 0);
    EXPECT_TRUE(table.Modified); // not read, so nothing was made unmodified
}

TEST(LongTermFile, FailedSaveKeepsFileAndTable) {
    TempFolder folder;
    const std::string path = folder.Path("lonyrs.dat");
    const auto file = RecordFileBytes(LongTerm, 3, 0);
    WriteBytes(path, file);
    RecordTable table;
    ASSERT_EQ(longterm::LoadRecords(table, path).status, ReadStatus::Read);
    longterm::StoreRecord(table, 4, 2031, 2, "new");

    std::filesystem::create_directory(util::TemporaryPathFor(path));
    const auto result = longterm::SaveRecords(table);
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.reason.empty());
    EXPECT_EQ(ReadBytes(path), file);
    EXPECT_EQ(longterm::RecordCount(table), 4);

    std::filesystem::remove(util::TemporaryPathFor(path));
    ASSERT_TRUE(longterm::SaveRecords(table).ok);
    RecordTable reloaded;
    longterm::LoadRecords(reloaded, path);
    ASSERT_EQ(longterm::RecordCount(reloaded), 4);
    EXPECT_EQ(longterm::RecordAt(reloaded, 4).note, "new");
}

TEST(StoreRecord, KeepsLow16BitsAndCutsTheNote) {
    struct Case {
        int32_t given;
        uint16_t stored;
    };
    const Case cases[] = {{2026, 2026}, {65537, 1}, {-1, 65535}, {0, 0}, {65535, 65535}, {65536, 0},
                          {-65536, 0},  {INT32_MIN, 0}, {INT32_MAX, 65535}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.given);
        RecordTable table;
        ASSERT_EQ(longterm::StoreRecord(table, 1, c.given, c.given, "x"), StoreResult::Stored);
        EXPECT_EQ(longterm::RecordAt(table, 1).year, c.stored);
        EXPECT_EQ(longterm::RecordAt(table, 1).month, c.stored);
    }
    RecordTable table;
    longterm::StoreRecord(table, 1, 2026, 1, std::string(300, 'n'));
    EXPECT_EQ(longterm::RecordAt(table, 1).note, std::string(255, 'n'));
}

TEST(StoreRecord, AppendsOrReplacesInPlaceAndRefusesBadSlots) {
    RecordTable table = TableOfYears({2020, 2021, 2022});
    EXPECT_EQ(longterm::StoreRecord(table, 4, 2023, 5, "a"), StoreResult::Stored);
    EXPECT_EQ(longterm::StoreRecord(table, 5, 2023, 5, "b"), StoreResult::Stored); // same year and month
    EXPECT_EQ(longterm::StoreRecord(table, 2, 1999, 12, "c"), StoreResult::Stored);
    EXPECT_EQ(Years(table), (std::vector<uint16_t>{2020, 1999, 2022, 2023, 2023}));
    EXPECT_EQ(longterm::RecordAt(table, 2).note, "c");
    EXPECT_EQ(longterm::RecordAt(table, 5).note, "b");

    RecordTable untouched = TableOfYears({2020, 2021});
    for (uint16_t slot : {uint16_t{0}, uint16_t{4}, uint16_t{65535}}) {
        EXPECT_EQ(longterm::StoreRecord(untouched, slot, 1, 1, "bad"), StoreResult::BadSlot);
    }
    EXPECT_EQ(Years(untouched), (std::vector<uint16_t>{2020, 2021}));
    EXPECT_FALSE(untouched.Modified);

    // Storing the very values already there still counts as a change.
    longterm::StoreRecord(untouched, 1, 2020, 1, "n");
    EXPECT_TRUE(untouched.Modified);

    RecordTable full;
    full.records.assign(longterm::MaxRecords, {2026, 1, "x"});
    EXPECT_EQ(longterm::StoreRecord(full, 1025, 2027, 2, "y"), StoreResult::TableFull);
    EXPECT_EQ(longterm::RecordCount(full), 1024);
    EXPECT_FALSE(full.Modified);
    EXPECT_EQ(longterm::StoreRecord(full, 1024, 2027, 2, "y"), StoreResult::Stored);
    EXPECT_EQ(longterm::RecordAt(full, 1024).year, 2027);
}

TEST(DeleteRecord, ClosesTheGapAndIgnoresSlotsOutsideTheTable) {
    RecordTable table = TableOfYears({1, 2, 3, 4, 5});
    longterm::DeleteRecord(table, 2);
    EXPECT_EQ(Years(table), (std::vector<uint16_t>{1, 3, 4, 5}));
    EXPECT_TRUE(table.Modified);
    longterm::DeleteRecord(table, 4);
    EXPECT_EQ(Years(table), (std::vector<uint16_t>{1, 3, 4}));

    table = TableOfYears({7});
    longterm::DeleteRecord(table, 1);
    EXPECT_EQ(longterm::RecordCount(table), 0);

    for (RecordTable unchanged : {RecordTable{}, TableOfYears({1, 2})}) {
        const auto before = Years(unchanged);
        for (uint16_t slot : {uint16_t{0}, static_cast<uint16_t>(before.size() + 1), uint16_t{65535}})
            longterm::DeleteRecord(unchanged, slot);
        EXPECT_EQ(Years(unchanged), before);
        EXPECT_FALSE(unchanged.Modified);
    }
}

} // namespace
