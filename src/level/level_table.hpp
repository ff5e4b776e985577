// The facts of every level: where the player and the enemies start, where the level ends, its
// files, music, title and enemy pictures, and what follows it. The table is written at build
// time from the level descriptions under resources/levels/; no level fact is kept anywhere else.
#pragma once
#include <array>
#include <span>

#include "platform/core/checked.hpp"

namespace game {

struct MapPoint {
    platform::i32 x, y;
};

struct LevelFacts {
    int number;                       // 1, 2, ...: the HUD's level caption
    const char* baseName;             // maps/<baseName>.MAP, .MSK and .DAT
    const char* music;                // the file in muz/ played when the level starts
    const char* title;                // the game window's caption during play
    MapPoint start;                   // the player's top-left corner
    std::array<MapPoint, 3> enemies;  // actors 2, 3 and 4
    int spriteSet;                    // the enemy pictures (assets/enemy_sprites.hpp)
    int enemyShotDrop;                // rows below the shot's y the enemy shot is drawn at
    platform::i32 endX;               // the player passing this x ends the level
    int next;                         // the level that follows; 0 after the last
};

// In level-number order; level n is Levels()[n - 1]. Defined by the generated source.
std::span<const LevelFacts> Levels();

// The level with this number, or nullptr for a number no level has.
const LevelFacts* LevelNumbered(double number);

// The level the HUD's caption names, read afresh (nullptr for a number no level has).
const LevelFacts* LevelShown();

}  // namespace game
