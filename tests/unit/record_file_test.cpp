#include "shared/util/file_io.h"

#include "tests/unit/test_files.h"

using namespace testing_support;

TEST(FileIo, ReadsWhatASaveWroteAndAFailedSaveLeavesTheFile) {
    TempFolder folder;
    const std::string name = folder.dir + "records.dat";
    const util::SystemPath path = SysPath(name);
    EXPECT_EQ(util::ReadWholeFile(path).status, util::ReadStatus::Missing);
    EXPECT_EQ(util::ReadWholeFile(path).reason, "");
    util::ReadResult replaced; // none before the first save
    for (const size_t size : {0u, 200000u}) {
        const auto bytes = WriteNoise(name + ".noise", size);
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
    const auto old = WriteNoise(name, 30); // a failed save must leave this file as it is, and say why
    std::filesystem::create_directory(util::TemporaryPathFor(path)); // no temporary file can be made
    const auto result = util::WriteFileSafely(path, {1, 2, 3});
    EXPECT_TRUE(!result.ok && !result.reason.empty());
    EXPECT_EQ(ReadBytes(name), old);
}
