// Test support for the file-backed stores: a fresh folder per test (removed afterwards),
// file bytes in and out, and record files with noise where readers must not look.
#pragma once
#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>
#include <gtest/gtest.h>

namespace testing_support {

class TempFolder {
  public:
    TempFolder() {
        const auto *info = ::testing::UnitTest::GetInstance()->current_test_info();
        folder_ = std::filesystem::temp_directory_path() /
                  ("agenda-" + std::string(info ? info->name() : "test") + "-" + std::to_string(std::random_device{}()));
        std::filesystem::create_directories(folder_);
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
    TempFolder(const TempFolder &) = delete;
    TempFolder &operator=(const TempFolder &) = delete;

    std::string Path(const std::string &name) const { return (folder_ / name).string(); }

  private:
    std::filesystem::path folder_;
};

inline void WriteBytes(const std::string &path, const std::vector<uint8_t> &bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char *>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

inline std::vector<uint8_t> ReadBytes(const std::string &path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Bytes that differ from record to record and field to field, so a shifted or swapped record shows.
inline std::vector<uint8_t> Pattern(size_t size, uint32_t seed) {
    std::vector<uint8_t> bytes(size);
    uint32_t x = seed * 2654435761u + 1u;
    for (auto &b : bytes) {
        x = x * 1103515245u + 12345u;
        b = static_cast<uint8_t>(x >> 16);
    }
    return bytes;
}

// Layout of one record format: its size and where its text's length byte sits.
struct RecordShape {
    size_t size;
    size_t lengthOffset;
};

// records whole records (varied length bytes, noise after each text), then a trailing piece.
inline std::vector<uint8_t> RecordFileBytes(RecordShape shape, size_t records, size_t trailing) {
    auto bytes = Pattern(records * shape.size + trailing, static_cast<uint32_t>(records * 31 + trailing));
    for (size_t i = 0; i < records; ++i)
        bytes[i * shape.size + shape.lengthOffset] = static_cast<uint8_t>(i * 7 % 256);
    return bytes;
}

// actual is exactly records long and agrees with expected on the fields and the significant text.
inline void ExpectSameSignificantBytes(RecordShape shape, const std::vector<uint8_t> &expected,
                                       const std::vector<uint8_t> &actual, size_t records) {
    ASSERT_GE(expected.size(), records * shape.size);
    ASSERT_EQ(actual.size(), records * shape.size);
    for (size_t i = 0; i < records; ++i) {
        const auto first = static_cast<std::ptrdiff_t>(i * shape.size);
        const auto significant =
            static_cast<std::ptrdiff_t>(shape.lengthOffset + 1 + expected[i * shape.size + shape.lengthOffset]);
        EXPECT_TRUE(std::equal(expected.begin() + first, expected.begin() + first + significant, actual.begin() + first))
            << "record " << i + 1;
    }
}

} // namespace testing_support
