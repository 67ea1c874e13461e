#include "shared/util/paths.h"

#include <gtest/gtest.h>

using namespace util;

TEST(Paths, FileAndBaseNamesFollowTheLastBackslashAndTheLastDot) {
    const struct {
        const char *path, *fileName, *baseName;
    } cases[] = {
        {"C:\\v1.2\\archive.tar.gz", "archive.tar.gz", "archive.tar"},
        {"C:\\x\\Tarvela.exe", "Tarvela.exe", "Tarvela"},
        {"C:\\x\\", "", ""},
        {"Tools.rel", "Tools.rel", "Tools"},
        {"C:/a/b.txt", "C:/a/b.txt", "C:/a/b"},
        {"C:\\x\\.hidden", ".hidden", ""},
        {"C:\\x.y\\noext", "noext", "noext"},
        {"", "", ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(ExtractFileName(c.path), c.fileName);
        EXPECT_EQ(ExtractBaseName(c.path), c.baseName);
    }
    const std::string longName(300, 'n');
    EXPECT_EQ(ExtractFileName("C:\\" + longName), longName.substr(0, 255));
    EXPECT_EQ(ExtractBaseName("C:\\" + longName + ".txt"), longName.substr(0, 255));
}

TEST(Paths, DosYearIsTheTopSevenBitsFrom1980) {
    const uint32_t december31of2004 = (24u << 9 | 12u << 5 | 31u) << 16 | (23u << 11 | 30u << 5);
    EXPECT_EQ(DosYear(december31of2004), 2004);
    EXPECT_EQ(DosYear(0), 1980);
    EXPECT_EQ(DosYear(0x01FFFFFF), 1980);
    EXPECT_EQ(DosYear(0xFFFFFFFF), 2107);
}
