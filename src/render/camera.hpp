// The camera: keeps the player in the middle of the view, stopping at the map's edges.
#pragma once

namespace game {

void UpdateCamera();

}  // namespace game
