// The picture store: a hidden form with one picture box per sprite and mask, the player's two
// work surfaces and the level's map and mask pictures.
#pragma once
#include "platform/forms/form.hpp"
#include "platform/forms/picture_box.hpp"

namespace game {

class FrmPicsForm : public platform::Form {
  public:
    FrmPicsForm();

    platform::PictureBox hugo1, hugo2, hugo3, hugo4, hugo5, hugo6;
    platform::PictureBox hugo1m, hugo23m, hugo4m, hugo56m;
    platform::PictureBox l1e, l1e1, l1em, l1e1m, l1s, l1sm;
    platform::PictureBox l2e, l2e1, l2em, l2e1m, l2s, l2sm;
    platform::PictureBox Bullet, BulletMask;
    platform::PictureBox Character, CharacterMask;
    platform::PictureBox MapPicture, MapMask;

  protected:
    void Design() override;
};

FrmPicsForm& FrmPics();

}  // namespace game
