#include "world/game_data.hpp"

namespace game::GameData {

void ResetAll() {
    RunSpeed = 0;
    KeyLeft = KeyRight = KeyUp = KeyDown = KeyJump = KeyEscape = KeyFire = 0;
    WalkFrame = FacingRight = OnGround = 0;
    Shot1Active = Shot2Active = Shot3Active = 0;
    Shot1X = Shot1Y = Shot2X = Shot2Y = Shot3X = Shot3Y = 0;
    Shot1Dir = Shot2Dir = Shot3Dir = 0;
    EnemyShotX = EnemyShotY = 0;
    EnemyFacesLeft1 = EnemyFacesLeft2 = EnemyFacesLeft3 = 0;
    PlayerHealth = 0;
    EnemyHP1 = EnemyHP2 = EnemyHP3 = 0;
    Score = SoundOption = 0;
    EnemyShotFired1 = EnemyShotFired2 = EnemyShotFired3 = 0;
    CameraX = CameraY = 0;
    ViewWidth = ViewHeight = 0;
    Actors.Clear();
    SolidGrid.clear();
    GridHeight = GridWidth = 0;
}

}  // namespace game::GameData
