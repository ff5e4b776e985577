#include "assets/frm_pics.hpp"

#include "assets/game_pictures.hpp"

namespace game {
namespace {

constexpr platform::PictureBoxStyle kStoreBox{.sunkenBorder = true, .autoSize = true};

}  // namespace

// Boxes are laid out roughly as on the designer's sheet; the store is never shown.
FrmPicsForm::FrmPicsForm()
    : Form("FrmPics", 932, 835, platform::BorderStyle::kFixedSingle),
      hugo1(*this, "hugo1", 8, 8, 50, 69, kStoreBox),
      hugo2(*this, "hugo2", 64, 8, 49, 69, kStoreBox),
      hugo3(*this, "hugo3", 120, 8, 49, 69, kStoreBox),
      hugo4(*this, "hugo4", 176, 8, 50, 69, kStoreBox),
      hugo5(*this, "hugo5", 232, 8, 49, 69, kStoreBox),
      hugo6(*this, "hugo6", 288, 8, 49, 69, kStoreBox),
      hugo1m(*this, "hugo1m", 8, 88, 50, 69, kStoreBox),
      hugo23m(*this, "hugo23m", 64, 88, 49, 69, kStoreBox),
      hugo4m(*this, "hugo4m", 176, 88, 50, 69, kStoreBox),
      hugo56m(*this, "hugo56m", 232, 88, 49, 69, kStoreBox),
      l1e(*this, "l1e", 8, 168, 67, 68, kStoreBox),
      l1e1(*this, "l1e1", 80, 168, 67, 68, kStoreBox),
      l1em(*this, "l1em", 152, 168, 67, 68, kStoreBox),
      l1e1m(*this, "l1e1m", 224, 168, 67, 68, kStoreBox),
      l1s(*this, "l1s", 296, 168, 34, 21, kStoreBox),
      l1sm(*this, "l1sm", 336, 168, 34, 21, kStoreBox),
      l2e(*this, "l2e", 8, 248, 81, 68, kStoreBox),
      l2e1(*this, "l2e1", 96, 248, 81, 68, kStoreBox),
      l2em(*this, "l2em", 184, 248, 81, 68, kStoreBox),
      l2e1m(*this, "l2e1m", 272, 248, 81, 68, kStoreBox),
      l2s(*this, "l2s", 360, 248, 34, 34, kStoreBox),
      l2sm(*this, "l2sm", 400, 248, 34, 34, kStoreBox),
      Bullet(*this, "Bullet", 8, 328, 34, 14, kStoreBox),
      BulletMask(*this, "BulletMask", 48, 328, 34, 14, kStoreBox),
      Character(*this, "Character", 8, 352, 50, 69, kStoreBox),
      CharacterMask(*this, "CharacterMask", 64, 352, 17, 19, kStoreBox),
      MapPicture(*this, "MapPicture", 8, 432, 104, 104, kStoreBox),
      MapMask(*this, "MapMask", 120, 432, 104, 104, kStoreBox) {}

void FrmPicsForm::Design() {
    SetCaption("img");
    struct Entry {
        platform::PictureBox& box;
        const char* file;
    };
    const Entry entries[] = {
        {hugo1, "hugo1.bmp"},     {hugo2, "hugo2.bmp"},     {hugo3, "hugo3.bmp"},
        {hugo4, "hugo4.bmp"},     {hugo5, "hugo5.bmp"},     {hugo6, "hugo6.bmp"},
        {hugo1m, "hugo1m.bmp"},   {hugo23m, "hugo23m.bmp"}, {hugo4m, "hugo4m.bmp"},
        {hugo56m, "hugo56m.bmp"}, {l1e, "l1e.bmp"},         {l1e1, "l1e1.bmp"},
        {l1em, "l1em.bmp"},       {l1e1m, "l1e1m.bmp"},     {l1s, "l1s.bmp"},
        {l1sm, "l1sm.bmp"},       {l2e, "l2e.bmp"},         {l2e1, "l2e1.bmp"},
        {l2em, "l2em.bmp"},       {l2e1m, "l2e1m.bmp"},     {l2s, "l2s.bmp"},
        {l2sm, "l2sm.bmp"},       {Bullet, "Bullet.bmp"},   {BulletMask, "BulletMask.bmp"},
    };
    for (const Entry& e : entries) e.box.SetPicture(GamePicture(e.file));
    // The work surfaces start empty at their design sizes (drawable 46 x 65 and 13 x 15).
    Character.ResetSize(50, 69);
    CharacterMask.ResetSize(17, 19);
    MapPicture.ResetSize(104, 104);
    MapMask.ResetSize(104, 104);
}

FrmPicsForm& FrmPics() {
    static FrmPicsForm form;
    return form;
}

}  // namespace game
