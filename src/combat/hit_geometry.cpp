#include "combat/hit_geometry.hpp"

#include "assets/frm_pics.hpp"
#include "world/game_data.hpp"

namespace game {
namespace {

using platform::i16;
using platform::i32;

bool Within(i16 v, i16 low, i16 high) {
    return low <= v && v <= high;
}

// Map to play area: 32-bit difference, then 16 bits with the overflow check.
i16 ViewX(i32 mapX) {
    return platform::ToI16(platform::Sub32(mapX, GameData::CameraX));
}
i16 ViewY(i32 mapY) {
    return platform::ToI16(platform::Sub32(mapY, GameData::CameraY));
}

// The picture sizes are floats holding whole numbers.
i16 PlusPicture(i32 v, float size, i32 camera) {
    return platform::RoundToI16(double(v) + double(size) - double(camera));
}

}  // namespace

bool EdgesOverlap(const ScreenBox& mover, const ScreenBox& target) {
    const bool across = Within(mover.Left, target.Left, target.Right) ||
                        Within(mover.Right, target.Left, target.Right);
    const bool along = Within(mover.Top, target.Top, target.Bottom) ||
                       Within(mover.Bottom, target.Top, target.Bottom);
    return across && along;
}

ScreenBox PlayerBox() {
    const Actor& p = GameData::Actors(1);
    const auto& picture = FrmPics().hugo1;
    return {ViewX(p.X), PlusPicture(p.X, picture.Width(), GameData::CameraX), ViewY(p.Y),
            PlusPicture(p.Y, picture.Height(), GameData::CameraY)};
}

ScreenBox EnemyBox(int k) {
    const Actor& e = GameData::Actors(k + 1);
    return {ViewX(e.X), ViewX(platform::Add32(e.X, e.Width)), ViewY(e.Y),
            ViewY(platform::Add32(e.Y, e.Height))};
}

ScreenBox ShotBox(i32 x, i32 y) {
    const auto& picture = FrmPics().Bullet;
    return {platform::ToI16(x), PlusPicture(x, picture.Width(), 0), platform::ToI16(y),
            PlusPicture(y, picture.Height(), 0)};
}

}  // namespace game
