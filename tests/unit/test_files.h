#pragma once
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>
#include <vector>
#include <gtest/gtest.h>
#include "shared/util/system_path.h"

namespace testing_support {

struct TempFolder {
    std::string dir = testing::TempDir() + "agenda-" + std::to_string(std::random_device{}()) + "/";
    TempFolder() { std::filesystem::create_directory(dir); }
    ~TempFolder() { std::filesystem::remove_all(dir); }
};

// A test's path (ASCII, or UTF-8 natively) as the system takes it.
inline util::SystemPath SysPath(const std::string &path) { return util::PathFromUtf8(path); }

inline std::vector<uint8_t> ReadBytes(const std::filesystem::path &path) {
    return {std::istreambuf_iterator<char>(std::ifstream(path, std::ios::binary).rdbuf()), {}};
}

inline void WriteBytes(const std::filesystem::path &path, const std::vector<uint8_t> &bytes) {
    std::ofstream(path, std::ios::binary) << std::string(bytes.begin(), bytes.end());
}
inline std::vector<uint8_t> WriteNoise(const std::filesystem::path &path, size_t size) {
    std::vector<uint8_t> bytes(size);
    std::generate(bytes.begin(), bytes.end(), std::mt19937(static_cast<uint32_t>(size)));
    WriteBytes(path, bytes);
    return bytes;
}

// What a save of records (text length byte at lengthAt) writes: whole records, zero after the first texts.
inline auto SavedForm(std::vector<uint8_t> file, size_t size, size_t lengthAt, size_t texts) {
    file.resize(file.size() / size * size);
    for (size_t at = lengthAt; at < std::min(file.size(), texts * size); at += size)
        std::fill_n(file.data() + at + 1 + file[at], size - lengthAt - 1 - file[at], uint8_t{0});
    return file;
}

} // namespace testing_support
