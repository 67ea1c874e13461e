#include "shared/util/record_file.h"
#include "shared/util/file_io.h"

#include <numeric>

#include "tests/unit/test_files.h"

using namespace testing_support;

TEST(RecordFile, SplitKeepsATablesWorthAndHoldsBackTheOtherWholeRecords) {
    struct Case {
        size_t fileSize, maxRecords, kept, heldBack, trailing;
    };
    for (const Case c : {Case{0, 3, 0, 0, 0}, Case{37, 3, 3, 0, 7}, Case{59, 3, 3, 2, 9}, Case{9, 3, 0, 0, 9},
                         Case{41, 0, 0, 4, 1}}) {
        SCOPED_TRACE(c.fileSize);
        std::vector<uint8_t> bytes(c.fileSize);
        std::iota(bytes.begin(), bytes.end(), uint8_t{0});
        const util::RecordSplit split = util::SplitRecords(bytes, 10, c.maxRecords);
        ASSERT_EQ(split.kept, c.kept);
        EXPECT_EQ(split.trailingBytes, c.trailing);
        std::vector<uint8_t> whole; // the records, then the held-back ones: the whole records in order
        for (size_t i = 0; i < split.kept; ++i)
            whole.insert(whole.end(), split.Record(i).begin(), split.Record(i).end());
        EXPECT_EQ(whole.size(), c.kept * 10);
        whole.insert(whole.end(), split.HeldBack().begin(), split.HeldBack().end());
        EXPECT_EQ(split.HeldBack().size(), c.heldBack * 10);
        EXPECT_EQ(whole,
                  std::vector<uint8_t>(bytes.begin(), bytes.end() - static_cast<std::ptrdiff_t>(c.trailing)));
    }
}

TEST(FileIo, ReadsWhatASaveWroteAndAFailedSaveLeavesTheFile) {
    TempFolder folder;
    const std::string path = folder.dir + "records.dat";
    for (const size_t size : {0u, 1u, 200000u}) {
        const auto bytes = WriteNoise(path + ".noise", size);
        ASSERT_TRUE(util::WriteFileSafely(path, bytes).ok);
        const util::ReadResult file = util::ReadWholeFile(path);
        EXPECT_EQ(file.status, util::ReadStatus::Read);
        EXPECT_EQ(file.bytes, bytes) << size;
        EXPECT_FALSE(std::filesystem::exists(util::TemporaryPathFor(path)));
    }
    const auto old = WriteNoise(path, 30); // a failed save must leave this file as it is, and say why
    std::filesystem::create_directory(util::TemporaryPathFor(path)); // no temporary file can be made
    for (const std::string &target : {path, folder.dir + "no-folder/records.dat"}) {
        const auto result = util::WriteFileSafely(target, {1, 2, 3});
        EXPECT_TRUE(!result.ok && !result.reason.empty()) << target;
    }
    EXPECT_EQ(ReadBytes(path), old);
}
