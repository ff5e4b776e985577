// The world state: everything a running game knows, shared by every subsystem.
// Flags: key flags and Alive hold -1/0; the other state flags hold 1/0.
#pragma once
#include <vector>

#include "platform/core/checked.hpp"
#include "platform/core/large_blocks.hpp"
#include "world/actor.hpp"

namespace game {
// The collision grid's cells; every cell is written right after the grid is sized.
using CellGrid = std::vector<i16, platform::UninitialisedAllocator<i16>>;
}  // namespace game

namespace game::GameData {

inline i16 RunSpeed;
inline i16 KeyLeft, KeyRight, KeyUp, KeyDown, KeyJump, KeyEscape, KeyFire;
inline i16 WalkFrame;
inline i16 FacingRight;
inline i16 OnGround;
inline i16 Shot1Active, Shot2Active, Shot3Active;
inline i32 Shot1X, Shot1Y;
inline i16 Shot1Dir;
inline i32 Shot2X, Shot2Y;
inline i16 Shot2Dir;
inline i32 Shot3X, Shot3Y;
inline i16 Shot3Dir;
inline i32 EnemyShotX, EnemyShotY;
inline i16 EnemyFacesLeft1, EnemyFacesLeft2, EnemyFacesLeft3;
inline i16 PlayerHealth;
inline i16 EnemyHP1, EnemyHP2, EnemyHP3;
inline i16 Score;
inline i16 SoundOption;
inline i16 EnemyShotFired1, EnemyShotFired2, EnemyShotFired3;
inline i32 CameraX, CameraY;
inline i16 ViewWidth, ViewHeight;
inline ActorTable Actors;
// The collision grid: element (x, y) at x + y * GridWidth; -1 solid, 0 free.
inline CellGrid SolidGrid;
inline i16 GridHeight, GridWidth;

// Every variable back to 0 and the tables empty, as when the program starts.
void ResetAll();

}  // namespace game::GameData

namespace game {
namespace GD = GameData;
}
