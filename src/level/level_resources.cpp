#include "level/level_resources.hpp"

namespace game {

void LoadLevelResources(const std::string&, const std::string&) {}

platform::i16 FileExists(const std::string&) {
    return 0;
}

void BuildSolidGrid() {}

void SaveSolidGrid(const std::string&) {}

void LoadSolidGrid(const std::string&) {}

}  // namespace game
