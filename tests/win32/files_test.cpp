// File and folder searches (and the program's own name), and deletion, on real files.
#include <windows.h>
#include <gtest/gtest.h>
#include "shared/util/files.h"
#include "tests/unit/test_files.h"

using namespace util;

TEST(Files, SearchesTellPlainFilesFromFoldersHiddenAndSystemEntries) {
    const testing_support::TempFolder folder;
    const std::string dir = folder.dir;
    for (const char *name : {"plain.txt", "hidden.txt", "hidsys.txt"})
        testing_support::WriteNoise(dir + name, 3);
    for (const char *name : {"sub", "hiddir"})
        CreateDirectoryA((dir + name).c_str(), nullptr);
    for (const auto &[name, attributes] :
         {std::pair{"hidden.txt", 2ul}, {"hidsys.txt", 6ul}, {"hiddir", 0x12ul}})
        ASSERT_TRUE(SetFileAttributesA((dir + name).c_str(), attributes)); // hidden, system, directory
    SYSTEMTIME now{};
    GetLocalTime(&now);
    const std::tuple<const char *, bool, bool> cases[] = {
        {"plain.txt", true, true}, {"hidden.txt", true, false}, {"hidsys.txt", false, false},
        {"sub", false, true},      {"sub\\", false, false},     {"hiddir", false, false},
        {"*.txt", true, true},     {"hids*", false, false}};
    for (const auto &[name, isFile, isFolder] : cases) {
        SCOPED_TRACE(name);
        EXPECT_EQ(FileExists(dir + name), isFile);
        EXPECT_EQ(DirectoryExists(dir + name), isFolder);
        // Only a plain visible file, the one both searches pass, has a year.
        EXPECT_EQ(FileYearText(dir + name), isFile && isFolder ? std::to_string(now.wYear) : "");
    }
    EXPECT_EQ(ProgramBaseName(), "win32_test");
}

TEST(Files, EraseSaysWhyItCannot) {
    const testing_support::TempFolder folder;
    const std::string path = folder.dir + "plain.txt";
    testing_support::WriteNoise(path, 3);
    const HANDLE locked = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_FALSE(EraseFile(testing_support::SysPath(path)).ok); // held open by another: said, not ignored
    CloseHandle(locked);
    EXPECT_TRUE(EraseFile(testing_support::SysPath(path)).ok);
    EXPECT_FALSE(EraseFile(testing_support::SysPath(path)).ok); // gone: said, and the program goes on
}
