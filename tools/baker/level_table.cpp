#include "level_table.hpp"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace baker {
namespace {

namespace fs = std::filesystem;

// The world state has exactly three enemies.
constexpr size_t kEnemies = 3;

std::string Quoted(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\')
            out += '\\';
        out += c;
    }
    return out + "\"";
}

void CheckFacts(const LevelLayout& level, const std::string& file) {
    auto fail = [&](const std::string& why) { throw std::runtime_error(file + ": " + why); };
    if (level.number < 1)
        fail("needs 'number N' (1, 2, ...)");
    if (level.name.empty())
        fail("needs 'name BASE'");
    if (level.music.empty())
        fail("needs 'music FILE'");
    if (level.title.empty())
        fail("needs 'title TEXT'");
    if (level.spriteSet != 1 && level.spriteSet != 2)
        fail("needs 'sprites SET DROP' with SET 1 or 2");
    if (level.enemies.size() != kEnemies)
        fail("needs exactly " + std::to_string(kEnemies) + " 'enemy' lines");
    if (level.exitX <= 0)
        fail("needs 'exit X'");
}

std::string Point(int x, int y) {
    std::ostringstream out;
    out << '{' << x << ", " << y << '}';
    return out.str();
}

}  // namespace

std::vector<LevelLayout> LoadLevelSet(const std::string& levelsDir) {
    std::vector<fs::path> files;
    for (const fs::directory_entry& e : fs::directory_iterator(levelsDir))
        if (e.is_regular_file() && e.path().extension() == ".txt")
            files.push_back(e.path());
    std::sort(files.begin(), files.end());
    std::vector<LevelLayout> levels;
    for (const fs::path& f : files) {
        levels.push_back(LoadLevelLayout(f.string()));
        CheckFacts(levels.back(), f.string());
    }
    if (levels.empty())
        throw std::runtime_error("no level descriptions (*.txt) in " + levelsDir);
    std::sort(levels.begin(), levels.end(),
              [](const LevelLayout& a, const LevelLayout& b) { return a.number < b.number; });
    for (size_t i = 0; i < levels.size(); ++i)
        if (levels[i].number != int(i + 1))
            throw std::runtime_error(levelsDir +
                                     ": level numbers must run 1, 2, ... without "
                                     "gaps or repeats; level " +
                                     levels[i].name + " has " + std::to_string(levels[i].number));
    return levels;
}

std::string LevelTableSource(const std::vector<LevelLayout>& levels) {
    std::ostringstream out;
    out << "// Written by dunspelt-baker from the level descriptions; edit those, not this.\n"
           "#include \"level/level_table.hpp\"\n\n"
           "namespace game {\n"
           "namespace {\n\n"
           "constexpr LevelFacts kLevels[] = {\n";
    for (size_t i = 0; i < levels.size(); ++i) {
        const LevelLayout& l = levels[i];
        const int next = i + 1 < levels.size() ? levels[i + 1].number : 0;
        out << "    {.number = " << l.number << ",\n"
            << "     .baseName = " << Quoted(l.name) << ",\n"
            << "     .music = " << Quoted(l.music) << ",\n"
            << "     .title = " << Quoted(l.title) << ",\n"
            << "     .start = " << Point(l.start.x, l.start.y) << ",\n"
            << "     .enemies = {{";
        for (size_t k = 0; k < l.enemies.size(); ++k)
            out << (k ? ", " : "") << Point(l.enemies[k].x, l.enemies[k].y);
        out << "}},\n"
            << "     .spriteSet = " << l.spriteSet << ",\n"
            << "     .enemyShotDrop = " << l.enemyShotDrop << ",\n"
            << "     .endX = " << l.exitX << ",\n"
            << "     .next = " << next << "},\n";
    }
    out << "};\n\n"
           "}  // namespace\n\n"
           "std::span<const LevelFacts> Levels() {\n"
           "    return kLevels;\n"
           "}\n\n"
           "}  // namespace game\n";
    return out.str();
}

void WriteLevelTable(const std::string& levelsDir, const std::string& outFile) {
    const std::string text = LevelTableSource(LoadLevelSet(levelsDir));
    std::ifstream existing(outFile, std::ios::binary);
    if (existing) {
        std::stringstream old;
        old << existing.rdbuf();
        if (old.str() == text)
            return;
    }
    if (fs::path(outFile).has_parent_path())
        fs::create_directories(fs::path(outFile).parent_path());
    std::ofstream out(outFile, std::ios::binary | std::ios::trunc);
    out << text;
    if (!out.flush())
        throw std::runtime_error("cannot write " + outFile);
}

}  // namespace baker
