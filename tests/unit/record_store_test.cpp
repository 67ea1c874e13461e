#include "longterm/record_store.h"
#include "shared/util/data_file.h"

#include "tests/unit/test_files.h"

using namespace longterm;
using namespace testing_support;
constexpr size_t R = YearMonthRecordSize;

TEST(LongTermFile, KeepsWholeRecordsAndHoldsBackTheRest) {
    TempFolder folder;
    util::DataFile longTerm = util::BindDataFile(SysPath(folder.dir), {LongTermFileName});
    const std::string path = folder.dir + "lonyrs.dat";
    const auto file = WriteNoise(path, 1100 * R + 17);
    RecordTable table;
    DecodeLongTermFile(table, util::LoadDataFile(longTerm));
    ASSERT_EQ(longTerm.loaded, util::ReadStatus::Read);
    EXPECT_EQ(RecordCount(table), 1024);
    EXPECT_EQ(HeldBackCount(table), 76u);
    EXPECT_EQ(RecordAt(table, 2).month, file[R + 2] | file[R + 3] << 8);
    EXPECT_EQ(RecordAt(table, 2).note, std::string(&file[R + 5], &file[R + 5 + file[R + 4]]));
    std::filesystem::remove(path); // saved to the file it was loaded from
    ASSERT_TRUE(util::SaveDataFile(longTerm, EncodeLongTermFile(table)).ok);
    EXPECT_EQ(ReadBytes(path), SavedForm(file, R, 4, 1024));
}

TEST(LongTermTable, StoreAppendsOrReplacesAndDeleteClosesTheGap) {
    RecordTable table;
    DeleteRecord(table, 1);
    EXPECT_FALSE(table.Modified); // nothing to delete
    for (uint16_t slot = 1; slot <= 5; ++slot)
        ASSERT_EQ(StoreRecord(table, slot, 2020 + slot, 1, "n"), StoreResult::Stored);
    EXPECT_EQ(StoreRecord(table, 7, 2027, 1, "n"), StoreResult::BadSlot);
    ASSERT_EQ(StoreRecord(table, 3, 65537, -1, std::string(300, 'x')), StoreResult::Stored);
    table.Modified = false;
    DeleteRecord(table, 2);
    EXPECT_TRUE(table.Modified);
    ASSERT_EQ(RecordCount(table), 4);
    EXPECT_EQ(RecordAt(table, 2).year, 1); // low 16 bits
    EXPECT_EQ(RecordAt(table, 2).month, 65535);
    EXPECT_EQ(RecordAt(table, 2).note, std::string(255, 'x'));
    EXPECT_EQ(RecordAt(table, 3).year, 2024);
    table.records.resize(MaxRecords);
    table.Modified = false;
    EXPECT_EQ(StoreRecord(table, 1025, 2027, 2, "y"), StoreResult::TableFull);
    EXPECT_EQ(RecordCount(table), 1024);
    EXPECT_FALSE(table.Modified);
    StoreRecord(table, 1, 2021, 1, "n"); // the values already there
    EXPECT_TRUE(table.Modified);
}

TEST(LongTermTable, ListLineIsYearBlankAndNoteCutTo255) {
    EXPECT_EQ(RecordListLine({2026, 3, "Renovar\r\nel pasaporte"}), "2026 Renovar\r\nel pasaporte");
    EXPECT_EQ(RecordListLine({65535, 1, std::string(255, 'x')}), "65535 " + std::string(249, 'x'));
}
