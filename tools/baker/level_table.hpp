// The game's table of level facts (start, enemies, end, music, pictures, what follows),
// written as C++ source from the level descriptions so the game compiles its levels in.
#pragma once
#include <string>
#include <vector>

#include "level_layout.hpp"

namespace baker {

// Every *.txt description in `levelsDir`, in the order of their level numbers. Throws
// std::runtime_error when the numbers are not 1, 2, ... or a level lacks a fact the game needs.
std::vector<LevelLayout> LoadLevelSet(const std::string& levelsDir);

// The C++ source of the table (defines game::Levels()).
std::string LevelTableSource(const std::vector<LevelLayout>& levels);

// Writes the table for `levelsDir` to `outFile`, leaving the file untouched when its text is
// already the same (so a changed decoration does not rebuild the game).
void WriteLevelTable(const std::string& levelsDir, const std::string& outFile);

}  // namespace baker
