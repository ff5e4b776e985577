#include "screens/golden_pictures.hpp"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace golden {

uint64_t PixelHash(const platform::Surface& picture) {
    uint64_t h = 0xcbf29ce484222325ULL;
    auto mix = [&h](uint32_t value) {
        for (int i = 0; i < 4; ++i) {
            h ^= (value >> (8 * i)) & 0xFF;
            h *= 0x100000001b3ULL;
        }
    };
    mix(uint32_t(picture.width()));
    mix(uint32_t(picture.height()));
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) mix(picture.At(x, y) & 0xFFFFFF);
    return h;
}

Pinned Pin(const platform::Surface& picture) {
    return {picture.width(), picture.height(), PixelHash(picture)};
}

std::string Describe(const Pinned& p) {
    char text[64];
    std::snprintf(text, sizeof text, "%dx%d %016llx", p.width, p.height,
                  static_cast<unsigned long long>(p.hash));
    return text;
}

std::map<std::string, Pinned> ReadPins(const fs::path& file) {
    std::map<std::string, Pinned> pins;
    std::ifstream in(file);
    for (std::string line; std::getline(in, line);) {
        if (auto hash = line.find('#'); hash != std::string::npos)
            line.resize(hash);
        std::istringstream words(line);
        std::string name, size, hex;
        if (!(words >> name >> size >> hex))
            continue;
        Pinned p;
        if (std::sscanf(size.c_str(), "%dx%d", &p.width, &p.height) != 2)
            continue;
        p.hash = std::strtoull(hex.c_str(), nullptr, 16);
        pins[name] = p;
    }
    return pins;
}

void WritePins(const fs::path& file, const std::vector<std::pair<std::string, Pinned>>& pins) {
    std::ofstream out(file, std::ios::trunc);
    out << "# Screen pictures of this flow: name, size, FNV-1a 64 of the pixels.\n"
           "# Written by `make update-golden`; edit the screens, not this file.\n";
    for (const auto& [name, p] : pins) out << name << ' ' << Describe(p) << '\n';
}

fs::path PinFile(const std::string& flow) {
    return fs::path(DUNSPELT_SOURCE_DIR) / "tests" / "screens" / "golden" / (flow + ".txt");
}

bool UpdateRequested() {
    const char* v = std::getenv("DUNSPELT_UPDATE_GOLDEN");
    return v && *v && std::string(v) != "0";
}

fs::path FailureFolder(const std::string& flow) {
    return fs::path(DUNSPELT_BUILD_DIR) / "golden-mismatches" / flow;
}

fs::path KeepMismatch(const std::string& flow, const std::string& name,
                      const fs::path& actualPicture, const Pinned* expected, const Pinned& actual) {
    const fs::path folder = FailureFolder(flow);
    fs::create_directories(folder);
    const fs::path kept = folder / (name + ".png");
    fs::copy_file(actualPicture, kept, fs::copy_options::overwrite_existing);
    std::ofstream(folder / (name + ".expected.txt"))
        << "expected " << (expected ? Describe(*expected) : std::string("(not pinned)")) << '\n'
        << "actual   " << Describe(actual) << '\n';
    return kept;
}

}  // namespace golden
