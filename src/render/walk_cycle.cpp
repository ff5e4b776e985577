#include "render/walk_cycle.hpp"

#include "assets/frm_pics.hpp"
#include "world/game_data.hpp"

namespace game {
namespace {

struct Frame {
    platform::PictureBox FrmPicsForm::*picture;
    platform::PictureBox FrmPicsForm::*mask;
};

// Frames 0, 1 and 2 of one facing; frame 3 keeps the pictures of the previous tick.
using Column = Frame[3];

constexpr Column kFacingLeft = {{&FrmPicsForm::hugo4, &FrmPicsForm::hugo4m},
                                {&FrmPicsForm::hugo5, &FrmPicsForm::hugo56m},
                                {&FrmPicsForm::hugo6, &FrmPicsForm::hugo56m}};
constexpr Column kFacingRight = {{&FrmPicsForm::hugo1, &FrmPicsForm::hugo1m},
                                 {&FrmPicsForm::hugo2, &FrmPicsForm::hugo23m},
                                 {&FrmPicsForm::hugo3, &FrmPicsForm::hugo23m}};

void ApplyColumn(const Column& column) {
    using GameData::WalkFrame;
    if (WalkFrame < 0) {
        WalkFrame = 3;
        return;
    }
    if (WalkFrame > 2)
        return;
    // The work pictures share the frame's picture: the same pixels as a copy, no allocation.
    FrmPicsForm& pics = FrmPics();
    const Frame& frame = column[WalkFrame];
    pics.Character.SetPicture((pics.*frame.picture).Picture());
    pics.CharacterMask.SetPicture((pics.*frame.mask).Picture());
}

}  // namespace

void SelectWalkFrame() {
    using namespace GameData;
    if (KeyLeft == 0 && KeyRight == 0)
        WalkFrame = 0;
    if (FacingRight == 0)
        ApplyColumn(kFacingLeft);
    if (FacingRight == 1)
        ApplyColumn(kFacingRight);
}

}  // namespace game
