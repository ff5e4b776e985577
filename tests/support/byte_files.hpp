// Whole files as bytes, for the tests that write broken level files and read caches and traces.
#pragma once
#include <cstdint>
#include <filesystem>
#include <vector>

namespace testsupport {

// The file's bytes, or none when it cannot be read.
std::vector<uint8_t> ReadBytes(const std::filesystem::path& file);
// Replaces the file's contents with `bytes`.
void WriteBytes(const std::filesystem::path& file, const std::vector<uint8_t>& bytes);

}  // namespace testsupport
