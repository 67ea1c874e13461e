#include "shared/util/record_file.h"
#include "shared/util/file_io.h"

#include "tests/unit/test_files.h"

using namespace testing_support;

TEST(RecordFile, SplitKeepsATablesWorthAndHoldsBackTheOtherWholeRecords) {
    // Records of 10 bytes, at most 3 kept: the file's size, then what is kept, held back and left over.
    // (The round trips of agenda.dat and lonyrs.dat prove the records' bytes and order.)
    const std::pair<size_t, std::array<size_t, 3>> cases[] = {
        {0, {0, 0, 0}}, {37, {3, 0, 7}}, {59, {3, 2, 9}}, {9, {0, 0, 9}}};
    for (const auto &[fileSize, expected] : cases) {
        const std::vector<uint8_t> bytes(fileSize);
        const util::RecordSplit split = util::SplitRecords(bytes, 10, 3);
        ASSERT_EQ(split.kept, expected[0]) << fileSize;
        EXPECT_EQ(split.HeldBack().size(), expected[1] * 10) << fileSize;
        EXPECT_EQ(split.trailingBytes, expected[2]) << fileSize;
    }
}

TEST(FileIo, ReadsWhatASaveWroteAndAFailedSaveLeavesTheFile) {
    TempFolder folder;
    const std::string path = folder.dir + "records.dat";
    EXPECT_EQ(util::ReadWholeFile(path).status, util::ReadStatus::Missing);
    EXPECT_EQ(util::ReadWholeFile(path).reason, "");
    util::ReadResult replaced; // none before the first save
    for (const size_t size : {0u, 200000u}) {
        const auto bytes = WriteNoise(path + ".noise", size);
        ASSERT_TRUE(util::WriteFileSafely(path, bytes, util::OldFile::KeepAsBackup).ok);
        const util::ReadResult file = util::ReadWholeFile(path);
        EXPECT_EQ(file.status, util::ReadStatus::Read);
        EXPECT_EQ(file.bytes, bytes) << size;
        EXPECT_FALSE(std::filesystem::exists(util::TemporaryPathFor(path)));
        const util::ReadResult backup = util::ReadWholeFile(util::BackupPathFor(path)); // what it replaced
        EXPECT_EQ(backup.status, replaced.status) << size;
        EXPECT_EQ(backup.bytes, replaced.bytes) << size;
        replaced = file;
    }
    const auto old = WriteNoise(path, 30); // a failed save must leave this file as it is, and say why
    std::filesystem::create_directory(util::TemporaryPathFor(path)); // no temporary file can be made
    const auto result = util::WriteFileSafely(path, {1, 2, 3});
    EXPECT_TRUE(!result.ok && !result.reason.empty());
    EXPECT_EQ(ReadBytes(path), old);
    const util::ReadResult folderRead = util::ReadWholeFile(util::TemporaryPathFor(path));
    EXPECT_TRUE(folderRead.status == util::ReadStatus::Unreadable && !folderRead.reason.empty());
}
