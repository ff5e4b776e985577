#include "render/scene.hpp"

namespace game {

void DrawScene() {}

platform::i16 RangeTest(platform::i32, platform::i32, platform::i16, platform::i16) {
    return 0;
}

}  // namespace game
