#include "shared/util/record_file.h"

#include "tests/unit/test_files.h"

using namespace testing_support;

TEST(RecordFile, LoadSplitsTheFileAndSaveReplacesItSafely) {
    struct Case {
        size_t fileSize, maxRecords, kept, heldBack, trailing;
    };
    TempFolder folder;
    const std::string path = folder.dir + "records.dat";
    for (const Case c : {Case{0, 3, 0, 0, 0}, Case{37, 3, 3, 0, 7}, Case{59, 3, 3, 2, 9}, Case{9, 3, 0, 0, 9},
                         Case{41, 0, 0, 4, 1}}) {
        SCOPED_TRACE(c.fileSize);
        const auto file = WriteNoise(path, c.fileSize);
        const auto content = util::LoadRecordFile(path, 10, c.maxRecords);
        ASSERT_EQ(content.status, util::ReadStatus::Read);
        ASSERT_EQ(content.records.size(), c.kept);
        EXPECT_EQ(content.heldBack.size(), c.heldBack * 10);
        EXPECT_EQ(content.trailingBytes, c.trailing);
        ASSERT_TRUE(util::SaveRecordFile(path, content.records, content.heldBack).ok);
        EXPECT_EQ(ReadBytes(path), SavedForm(file, 10, 0, 0)); // the whole records as they were, in order
        EXPECT_FALSE(std::filesystem::exists(util::TemporaryPathFor(path)));
    }
    const auto old = WriteNoise(path, 30); // a failed save must leave this file as it is, and say why
    std::filesystem::create_directory(util::TemporaryPathFor(path)); // no temporary file can be made
    for (const std::string &target : {path, folder.dir + "no-folder/records.dat"}) {
        const auto result = util::SaveRecordFile(target, {{1, 2}}, {3});
        EXPECT_TRUE(!result.ok && !result.reason.empty()) << target;
    }
    EXPECT_EQ(ReadBytes(path), old);
}
