// Whole files as bytes or text: broken level files written, caches, traces, scripts and settings
// files read.
#pragma once
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace testsupport {

// The file's bytes, or none when it cannot be read.
std::vector<uint8_t> ReadBytes(const std::filesystem::path& file);
// Replaces the file's contents with `bytes`.
void WriteBytes(const std::filesystem::path& file, const std::vector<uint8_t>& bytes);
// The whole of a file as text ("" when it cannot be read).
std::string ReadText(const std::filesystem::path& file);

}  // namespace testsupport
