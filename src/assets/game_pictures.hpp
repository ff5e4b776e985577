// The game's picture files under pics/ in the application folder, decoded once per process.
#pragma once
#include <memory>
#include <string>

#include "platform/core/surface.hpp"

namespace game {

// The picture pics/<file> (for example "hugo1.bmp"); run-time error 53 or 481 naming the file.
std::shared_ptr<platform::Surface> GamePicture(const std::string& file);

// Loads every picture the game needs. Returns an empty string, or a message naming the first
// file that is missing or damaged.
std::string CheckGamePictures();

}  // namespace game
