#include "support/byte_files.hpp"

#include <fstream>

namespace testsupport {

namespace {

// In one read: the tests read many long traces, and a character at a time is slow.
template <typename Bytes>
Bytes ReadWhole(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary | std::ios::ate);
    Bytes bytes;
    if (!in)
        return bytes;
    bytes.resize(size_t(in.tellg()));
    in.seekg(0);
    in.read(reinterpret_cast<char*>(bytes.data()), std::streamsize(bytes.size()));
    bytes.resize(size_t(in.gcount()));
    return bytes;
}

}  // namespace

std::vector<uint8_t> ReadBytes(const std::filesystem::path& file) {
    return ReadWhole<std::vector<uint8_t>>(file);
}

std::string ReadText(const std::filesystem::path& file) {
    return ReadWhole<std::string>(file);
}

void WriteBytes(const std::filesystem::path& file, const std::vector<uint8_t>& bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

}  // namespace testsupport
