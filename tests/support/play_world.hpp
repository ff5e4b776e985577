// A level in play inside this process: the game's forms loaded on a headless front end, the
// actor table and a collision grid set directly, so single steps of the tick can be run and
// their effects read back exactly.
#pragma once
#include <gtest/gtest.h>

#include <string>

#include "world/game_data.hpp"

namespace combattest {

class PlayWorld : public ::testing::Test {
  protected:
    // Loads the game window and the picture store, level "1", the player at (100, 300)
    // 46 x 65 facing right, the three 63 x 64 enemies far to the right (out of range), an
    // empty 12000 x 600 grid and the camera at (0, 0).
    void SetUp() override;
    void TearDown() override;

    static game::Actor& Player() { return game::GameData::Actors(1); }
    static game::Actor& Enemy(int k) { return game::GameData::Actors(k + 1); }
    // A free grid of the given size; then SetSolid marks rectangles solid.
    static void FreeGrid(int width, int height);
    static void SetSolid(int x, int y, int w, int h);

    static void SetLevel(const std::string& number);
    static std::string HpCaption();
    static std::string ScoreCaption();
    // Whether the named form is loaded / visible.
    static bool Loaded(const std::string& form);
    static bool Visible(const std::string& form);
    static bool TimerEnabled();
};

}  // namespace combattest
