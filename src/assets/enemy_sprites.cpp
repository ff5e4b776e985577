#include "assets/enemy_sprites.hpp"

#include "assets/frm_pics.hpp"

namespace game {

EnemySprites EnemySpriteSet(int set) {
    FrmPicsForm& p = FrmPics();
    if (set == 2)
        return {p.l2e, p.l2em, p.l2e1, p.l2e1m, p.l2s, p.l2sm};
    return {p.l1e, p.l1em, p.l1e1, p.l1e1m, p.l1s, p.l1sm};
}

}  // namespace game
