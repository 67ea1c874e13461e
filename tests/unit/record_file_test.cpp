#include "shared/util/record_file.h"

#include <filesystem>
#include <gtest/gtest.h>

#include "tests/unit/test_files.h"

namespace {

using namespace testing_support;
using util::ReadStatus;

TEST(FieldHelpers, LittleEndianU16AndShortStringsCutAndZeroed) {
    std::vector<uint8_t> record(6, 0xEE);
    util::PutU16(record, 1, 0x1234);
    util::PutU16(record, 3, 0xFFFF);
    EXPECT_EQ(record, (std::vector<uint8_t>{0xEE, 0x34, 0x12, 0xFF, 0xFF, 0xEE}));
    EXPECT_EQ(util::GetU16(record, 1), 0x1234);

    struct Case {
        std::string text;
        size_t capacity;
        std::string stored;
    };
    const Case cases[] = {
        {"", 5, ""},
        {"abcde", 5, "abcde"},
        {"abcdefg", 5, "abcde"},
        {std::string(300, 'x'), 255, std::string(255, 'x')},
        {std::string("a\r\n\xF1\0b", 6), 10, std::string("a\r\n\xF1\0b", 6)},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text.substr(0, 10));
        std::vector<uint8_t> bytes(2 + 1 + c.capacity, 0xAA);
        util::PutShortString(bytes, 2, c.capacity, c.text);
        EXPECT_EQ(bytes[1], 0xAA);
        EXPECT_EQ(bytes[2], c.stored.size());
        EXPECT_TRUE(std::all_of(bytes.begin() + 3 + static_cast<std::ptrdiff_t>(c.stored.size()), bytes.end(),
                                [](uint8_t b) { return b == 0; }));
        EXPECT_EQ(util::GetShortString(bytes, 2, c.capacity), c.stored);
    }
    // A length byte beyond the area is cut, never read past.
    EXPECT_EQ(util::GetShortString({200, 'a', 'b', 'c'}, 0, 2), "ab");
    EXPECT_EQ(util::GetShortString({200, 'a', 'b', 'c'}, 0, 255), "abc");
}

TEST(LoadRecordFile, SplitsTableHeldBackAndTrailingPiece) {
    struct Case {
        size_t fileSize, maxRecords, kept, heldBack, trailing;
    };
    constexpr size_t R = 10;
    const Case cases[] = {
        {0, 3, 0, 0, 0},         {3 * R, 3, 3, 0, 0},     {3 * R + 7, 3, 3, 0, 7},
        {5 * R + 9, 3, 3, 2, 9}, {R - 1, 3, 0, 0, R - 1}, {4 * R + 1, 0, 0, 4, 1},
    };
    TempFolder folder;
    const std::string path = folder.Path("records.dat");
    for (const auto &c : cases) {
        SCOPED_TRACE(c.fileSize);
        auto bytes = Pattern(c.fileSize, static_cast<uint32_t>(c.fileSize));
        WriteBytes(path, bytes);
        const auto content = util::LoadRecordFile(path, R, c.maxRecords);
        ASSERT_EQ(content.status, ReadStatus::Read);
        ASSERT_EQ(content.records.size(), c.kept);
        EXPECT_EQ(content.heldBack.size(), c.heldBack * R);
        EXPECT_EQ(content.trailingBytes, c.trailing);
        std::vector<uint8_t> joined;
        for (const auto &record : content.records) {
            EXPECT_EQ(record.size(), R);
            joined.insert(joined.end(), record.begin(), record.end());
        }
        joined.insert(joined.end(), content.heldBack.begin(), content.heldBack.end());
        bytes.resize(bytes.size() - c.trailing);
        EXPECT_EQ(joined, bytes);
    }
}

TEST(LoadRecordFile, TellsMissingFromUnreadable) {
    TempFolder folder;
    EXPECT_EQ(util::LoadRecordFile(folder.Path("none.dat"), 10, 3).status, ReadStatus::Missing);
    EXPECT_EQ(util::LoadRecordFile(folder.Path("no-folder/none.dat"), 10, 3).status, ReadStatus::Missing);

    // Reading a folder fails on every system: it exists but cannot be read.
    std::filesystem::create_directory(folder.Path("folder.dat"));
    const auto unreadable = util::LoadRecordFile(folder.Path("folder.dat"), 10, 3);
    EXPECT_EQ(unreadable.status, ReadStatus::Unreadable);
    EXPECT_FALSE(unreadable.reason.empty());
    EXPECT_TRUE(unreadable.records.empty());
}

TEST(SaveRecordFile, ReplacesWithRecordsThenHeldBackAndLeavesNoTemporary) {
    TempFolder folder;
    const std::string path = folder.Path("records.dat");
    WriteBytes(path, Pattern(50, 1));
    const auto result = util::SaveRecordFile(path, {{1, 2, 3}, {4, 5, 6}}, {7, 8, 9});
    ASSERT_TRUE(result.ok) << result.reason;
    EXPECT_EQ(ReadBytes(path), (std::vector<uint8_t>{1, 2, 3, 4, 5, 6, 7, 8, 9}));
    EXPECT_FALSE(std::filesystem::exists(util::TemporaryPathFor(path)));

    ASSERT_TRUE(util::SaveRecordFile(path, {}, {}).ok);
    EXPECT_EQ(std::filesystem::file_size(path), 0u);
}

TEST(WriteFileSafely, FailureKeepsTheOldFileAndGivesTheReason) {
    TempFolder folder;
    const std::string path = folder.Path("data.dat");
    const auto old = Pattern(100, 2);
    WriteBytes(path, old);

    // A folder where the temporary file must go: it cannot be created.
    std::filesystem::create_directory(util::TemporaryPathFor(path));
    auto result = util::WriteFileSafely(path, Pattern(30, 3));
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.reason.empty());
    EXPECT_EQ(ReadBytes(path), old);
    EXPECT_TRUE(std::filesystem::is_directory(util::TemporaryPathFor(path)));

    result = util::WriteFileSafely(folder.Path("no-folder/data.dat"), Pattern(30, 3));
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.reason.empty());
}

} // namespace
