// Golden pictures: a picture is pinned by a hash of its pixels (not of its file's bytes), kept
// with its size in a small text file per flow under tests/screens/golden/. On a mismatch the
// actual picture and the expected hash go to the build folder; `make update-golden` rewrites
// the files after a change that was meant.
#pragma once
#include <cstdint>
#include <filesystem>
#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "platform/core/surface.hpp"

namespace golden {

// FNV-1a (64 bit) over the width, the height and every pixel's 0xRRGGBB.
uint64_t PixelHash(const platform::Surface& picture);

struct Pinned {
    int width = 0, height = 0;
    uint64_t hash = 0;
    bool operator==(const Pinned&) const = default;
};
Pinned Pin(const platform::Surface& picture);
std::string Describe(const Pinned& p);  // "800x600 0123456789abcdef"
inline void PrintTo(const Pinned& p, std::ostream* os) {
    *os << Describe(p);
}

// Lines "name WxH hash"; '#' starts a comment. A missing file reads as empty.
std::map<std::string, Pinned> ReadPins(const std::filesystem::path& file);
void WritePins(const std::filesystem::path& file,
               const std::vector<std::pair<std::string, Pinned>>& pins);

// The expectations of a flow, in the source tree.
std::filesystem::path PinFile(const std::string& flow);
// Set by `make update-golden`: the tests write what they see instead of comparing.
bool UpdateRequested();
// Where a flow's mismatches are written, in the build folder.
std::filesystem::path FailureFolder(const std::string& flow);
// Copies the actual picture and writes the expected and actual hashes beside it; returns the
// picture's path for the failure message.
std::filesystem::path KeepMismatch(const std::string& flow, const std::string& name,
                                   const std::filesystem::path& actualPicture,
                                   const Pinned* expected, const Pinned& actual);

}  // namespace golden
