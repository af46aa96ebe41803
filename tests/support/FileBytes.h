#pragma once
// Whole-file reads and writes for tests that check what landed on disk byte for byte.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace lumivane::test {

// Empty when the file cannot be read.
std::vector<std::uint8_t> ReadFileBytes(const std::filesystem::path& path);
std::string ReadFileText(const std::filesystem::path& path);
void WriteFileBytes(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes);
// n bytes that differ from one seed to another, to tell two files apart.
std::vector<std::uint8_t> PatternBytes(std::size_t n, std::uint8_t seed);

} // namespace lumivane::test
