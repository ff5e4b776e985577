// A level's files: the map picture, the mask picture and the collision-grid cache.
#pragma once
#include <string>

#include "platform/core/checked.hpp"

namespace game {

// Loads folder & baseName & ".MAP" into the map picture, then the grid from ".DAT" when that
// file is present and valid, or else from the ".MSK" mask (writing a fresh ".DAT").
// A missing or unreadable picture raises run-time error 53 or 481 naming the file.
void LoadLevelResources(const std::string& folder, const std::string& baseName);

// -1 when the file can be opened for reading (a folder cannot), else 0.
platform::i16 FileExists(const std::string& path);

// Scans the picture in MapMask into GridWidth, GridHeight and SolidGrid (black = solid).
void BuildSolidGrid();

// Writes the grid cache; a failure is silent and leaves no file behind.
void SaveSolidGrid(const std::string& path);

// Reads the grid cache when it is whole and fits the map picture now in MapPicture (its size
// + 4 each way): -1 and the grid replaced; otherwise 0 and the grid untouched.
platform::i16 LoadSolidGrid(const std::string& path);

}  // namespace game
