// A level as its text description states it: solid shapes, decorations and the scripted route.
#pragma once
#include <string>
#include <vector>

namespace baker {

// Ground that runs from its top edge down to the bottom of the map; a slope's top moves
// linearly from top0 (at x0) to top1 (at x1 - 1). Columns no segment covers are pits.
struct GroundSegment {
    int x0, x1, top0, top1;
};

// A floating slab, solid from top to top + thickness - 1.
struct Platform {
    int x0, x1, top, thickness;
};

// Anything drawn but never solid: kind names the painter (tree, reeds, crystal, ...).
struct Decoration {
    std::string kind;
    std::vector<int> args;
};

// A hint for scripted runs: "hop" starts a running jump, "climb" a standing jump, at map x.
struct RouteStep {
    std::string action;
    int x;
};

struct Placement {
    int x, y, width, height;
};

struct LevelLayout {
    int number = 0;         // the level's place in the game and the HUD's level caption
    std::string name;       // base file name, e.g. "level1"
    std::string theme;      // "swamp" or "caves"
    std::string title;      // the game window's caption while the level is played
    std::string music;      // file in muz/ played when the level starts
    int spriteSet = 0;      // enemy pictures: 1 the swamp's, 2 the caves'
    int enemyShotDrop = 0;  // rows below the shot's y at which the enemy shot is drawn
    int width = 0, height = 0;
    int seed = 1;
    Placement start{};
    std::vector<Placement> enemies;
    int exitX = 0;
    std::vector<GroundSegment> ground;
    std::vector<Platform> platforms;
    std::vector<Decoration> decorations;
    std::vector<RouteStep> route;
};

// Parses the description format of resources/levels/README.md; throws std::runtime_error with
// the file name and line number on a malformed line.
LevelLayout ParseLevelLayout(const std::string& text, const std::string& fileName);
LevelLayout LoadLevelLayout(const std::string& path);

// Top row of the ground under column x, or -1 over a pit.
int GroundTop(const LevelLayout& level, int x);

}  // namespace baker
