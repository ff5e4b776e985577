#include "render/camera.hpp"

#include "assets/frm_pics.hpp"
#include "world/game_data.hpp"
#include "world/game_window.hpp"

namespace game {
namespace {

using platform::i32;

// (play-area size - player size) in single precision, rounded half to even, then halved
// toward zero.
i32 Margin(float playAreaSize, platform::i16 playerSize) {
    return platform::RoundToI32(playAreaSize - float(playerSize)) / 2;
}

}  // namespace

void UpdateCamera() {
    using namespace GameData;
    Actor& player = Actors(1);
    const i32 marginX = Margin(FrmMain().PlayArea.ScaleWidth(), player.Width);
    const i32 marginY = Margin(FrmMain().PlayArea.ScaleHeight(), player.Height);

    if (player.X > marginX) {
        // The follow limit stays a single-precision value; the comparison is strict.
        const float mapWidth = FrmPics().MapPicture.ScaleWidth();
        const float followLimit = mapWidth - float(player.Width) - float(marginX);
        if (double(player.X) < double(followLimit))
            CameraX = platform::Sub32(player.X, marginX);
        else
            CameraX = platform::RoundToI32(FrmPics().MapPicture.ScaleWidth() - float(ViewWidth));
    }

    if (player.Y > marginY) {
        // Vertically the limit is worked out in double precision; equality clamps.
        const double mapHeight = FrmPics().MapPicture.ScaleHeight();
        const double followLimit = mapHeight - double(player.Height) - double(marginY);
        if (followLimit > double(player.Y))
            CameraY = platform::Sub32(player.Y, marginY);
        else
            CameraY = platform::RoundToI32(FrmPics().MapPicture.ScaleHeight() - float(ViewHeight));
    }
}

}  // namespace game
