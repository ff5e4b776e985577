// A level's files: the map picture, the mask picture and the collision-grid cache.
#pragma once
#include <string>

#include "platform/checked.hpp"

namespace game {

// Loads folder & baseName & ".MAP" into the map picture, then the grid from ".DAT", or from
// the ".MSK" mask (writing a fresh ".DAT").
void LoadLevelResources(const std::string& folder, const std::string& baseName);

platform::i16 FileExists(const std::string& path);
void BuildSolidGrid();
void SaveSolidGrid(const std::string& path);
void LoadSolidGrid(const std::string& path);

}  // namespace game
