// Getting memory ready for the levels' big buffers before a level starts.
#pragma once
#include <string>

namespace game {

// Prepares, in the background, one block for the largest level map picture and one for the
// largest collision grid of the levels in `folder` (and one for a mask picture when a level
// has no grid cache yet), so starting a level finds its memory in place. Level pictures
// whose size cannot be read are skipped.
void WarmLevelMemory(const std::string& folder);

}  // namespace game
