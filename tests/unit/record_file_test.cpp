#include "shared/util/data_file.h"
#include "shared/util/file_io.h"

#include <functional>
#ifndef _WIN32
#include <sys/stat.h>
#endif

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

#ifndef _WIN32
// A data file that is a link is replaced where the link leads, its old content kept beside it,
// and the link stays; a folder, a device or a pipe in its place is neither read (nor waited on)
// nor replaced, nor renamed away as a backup.
TEST(DataFile, FollowsALinkAndLeavesAloneWhatIsNotAFile) {
    TempFolder folder;
    std::filesystem::create_directory(folder.dir + "synced");
    WriteBytes(folder.dir + "synced/agenda.dat", {1});
    std::filesystem::create_symlink("synced/agenda.dat", folder.dir + "agenda.dat");
    util::DataFile agenda = util::BindDataFile(folder.dir, {"agenda.dat"});
    EXPECT_EQ(util::LoadDataFile(agenda), std::vector<uint8_t>{1});
    ASSERT_TRUE(util::SaveDataFile(agenda, {2}).ok);
    EXPECT_TRUE(std::filesystem::is_symlink(folder.dir + "agenda.dat"));
    EXPECT_EQ(ReadBytes(folder.dir + "synced/agenda.dat"), std::vector<uint8_t>{2});
    EXPECT_EQ(ReadBytes(folder.dir + "synced/agenda.dat.bak"), std::vector<uint8_t>{1});
    EXPECT_FALSE(std::filesystem::exists(folder.dir + "agenda.dat.bak"));

    const std::pair<std::function<void(const std::string &)>, util::FileKind> standIns[] = {
        {[](const std::string &path) { std::filesystem::create_directory(path); }, util::FileKind::Folder},
        {[](const std::string &path) { std::filesystem::create_symlink("/dev/null", path); },
         util::FileKind::Device},
        {[](const std::string &path) { ::mkfifo(path.c_str(), 0600); }, util::FileKind::Pipe}};
    for (const auto &[make, kind] : standIns) {
        std::filesystem::remove(folder.dir + "agenda.dat");
        make(folder.dir + "agenda.dat");
        const auto type = std::filesystem::symlink_status(folder.dir + "agenda.dat").type();
        EXPECT_TRUE(util::LoadDataFile(agenda).empty());
        EXPECT_TRUE(agenda.loaded == util::ReadStatus::NotAFile && agenda.kind == kind) << int(kind);
        EXPECT_EQ(util::QuestionBeforeSave(agenda), util::SaveQuestion::None);
        const util::WriteResult saved = util::SaveDataFile(agenda, {3});
        EXPECT_TRUE(!saved.ok && saved.kind == kind) << int(kind);
        EXPECT_EQ(std::filesystem::symlink_status(folder.dir + "agenda.dat").type(), type);
        EXPECT_FALSE(std::filesystem::exists(folder.dir + "agenda.dat.bak"));
        EXPECT_FALSE(std::filesystem::exists(folder.dir + "agenda.dat.tmp"));
    }
}
#endif
