#include "shared/util/paths.h"

#include <gtest/gtest.h>

using namespace util;

TEST(Paths, FileAndBaseNamesFollowTheLastBackslashAndTheLastDot) {
    // A path, then its file name and base name.
    const std::pair<const char *, std::pair<const char *, const char *>> cases[] = {
        {"C:\\v1.2\\archive.tar.gz", {"archive.tar.gz", "archive.tar"}},
        {"C:\\x\\", {"", ""}},
        {"Tools.rel", {"Tools.rel", "Tools"}},
        {"C:/a/b.txt", {"C:/a/b.txt", "C:/a/b"}},
        {"C:\\x.y\\noext", {"noext", "noext"}}};
    for (const auto &[path, names] : cases) {
        EXPECT_EQ(ExtractFileName(path), names.first) << path;
        EXPECT_EQ(ExtractBaseName(path), names.second) << path;
    }
    const std::string longName(300, 'n'); // cut to 255 before the dot is looked for
    EXPECT_EQ(ExtractFileName("C:\\" + longName), longName.substr(0, 255));
    EXPECT_EQ(ExtractBaseName("C:\\" + longName + ".txt"), longName.substr(0, 255));
}

TEST(Paths, DosYearIsTheTopSevenBitsFrom1980) {
    const uint32_t december31of2004 = (24u << 9 | 12u << 5 | 31u) << 16 | (23u << 11 | 30u << 5);
    EXPECT_EQ(DosYear(december31of2004), 2004);
    EXPECT_EQ(DosYear(0x01FFFFFF), 1980);
    EXPECT_EQ(DosYear(0xFFFFFFFF), 2107);
}
