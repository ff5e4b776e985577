#include "render/blit.hpp"

#include "assets/frm_pics.hpp"
#include "world/game_data.hpp"
#include "world/game_window.hpp"

namespace game {
namespace {

void MaskedDraw(i32 x, i32 y, i16 width, i16 height, const Surface& sprite, const Surface& mask) {
    Surface& back = FrmMain().BackBuffer.Hdc();
    platform::BitBlt(back, x, y, width, height, mask, 0, 0, platform::Rop::kSrcAnd);
    platform::BitBlt(back, x, y, width, height, sprite, 0, 0, platform::Rop::kSrcPaint);
}

}  // namespace

void BlitMapView(i32 mapX, i32 mapY, i16 viewHeight, i16 viewWidth, const Surface& source,
                 Surface& destination) {
    platform::BitBlt(destination, 0, 0, viewWidth, viewHeight, source, mapX, mapY,
                     platform::Rop::kSrcCopy);
}

void PresentFrame() {
    Surface& play = FrmMain().PlayArea.Hdc();
    const Surface& back = FrmMain().BackBuffer.Hdc();
    platform::BitBlt(play, 0, 0, GameData::ViewWidth, GameData::ViewHeight, back, 0, 0,
                     platform::Rop::kSrcCopy);
}

void BlitPlayerSprite(i32 x, i32 y, i16 width, i16 height, const Surface& sprite,
                      const Surface& mask) {
    MaskedDraw(x, y, width, height, sprite, mask);
}

void BlitShotSprite(i32 x, i32 y, i16 width, i16 height, const Surface& sprite,
                    const Surface& mask) {
    MaskedDraw(x, y, width, height, sprite, mask);
}

void BlitEnemySprite(i32 x, i32 y, i16 width, i16 height, const Surface& sprite,
                     const Surface& mask) {
    MaskedDraw(x, y, width, height, sprite, mask);
}

Surface& MapPictureSurface() {
    return FrmPics().MapPicture.Hdc();
}

}  // namespace game
