#include "render/camera.hpp"

namespace game {

void UpdateCamera() {}

}  // namespace game
