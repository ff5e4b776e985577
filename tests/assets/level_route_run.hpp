// A scripted run over a baked level mask with the game's own motion rules (gravity, walking,
// jumps, the foot probes and the 100-pixel lift), to prove a level can be finished.
#pragma once
#include <cmath>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "level_pixels.hpp"

namespace dunspelt_test {

struct RouteStep {
    bool climb;  // standing jump; otherwise a running jump
    int x;       // taken once the player's left edge reaches this map x
};

// The "hop X" and "climb X" lines of a level description.
inline std::vector<RouteStep> ReadRoute(const std::string& path) {
    std::vector<RouteStep> steps;
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream words(line);
        std::string key;
        int x;
        if (words >> key >> x && (key == "hop" || key == "climb"))
            steps.push_back({key == "climb", x});
    }
    return steps;
}

// The collision grid as the game builds it: 4 extra free columns and rows around the mask's
// right and bottom, the last column and row and everything outside count as solid.
class Grid {
  public:
    explicit Grid(const LevelPixels& mask) : mask_(mask) {}
    bool Solid(int x, int y) const {
        if (x < 0 || y < 0 || x >= mask_.width + 3 || y >= mask_.height + 3)
            return true;
        if (x >= mask_.width || y >= mask_.height)
            return false;
        return mask_.Black(x, y);
    }
    int GroundDistance(int x, int y) const {
        for (int i = 0; i <= 100; ++i)
            if (!Solid(x, y - i))
                return i;
        return 0;
    }
    int Width() const { return mask_.width + 4; }

  private:
    const LevelPixels& mask_;
};

struct Player {
    static constexpr int kWidth = 46, kHeight = 65;
    int x = 0, y = 0;
    float speedY = 0;
    int walkFrame = 1, runSpeed = 3;
    bool facingRight = true, onGround = false;
};

struct Keys {
    bool left = false, right = false, jump = false;
};

// One tick of player motion, in the game's order: gravity, input, map bounds, actor update,
// walk-frame bookkeeping.
inline void StepPlayer(const Grid& grid, Player& p, const Keys& keys) {
    if (!p.onGround) {
        p.y += 1;
        p.speedY += 1;
    }
    if (p.onGround)
        p.speedY = 0;
    if (keys.left) {
        p.facingRight = false;
        --p.walkFrame;
        p.x -= 2 * p.runSpeed;
    }
    if (keys.right) {
        p.facingRight = true;
        --p.walkFrame;
        p.x += 2 * p.runSpeed;
    }
    const int centre = int(std::nearbyint(p.x + Player::kWidth / 2.0));
    if (keys.jump) {
        if (grid.Solid(centre, p.y + Player::kHeight)) {
            p.runSpeed = 7;
            p.speedY -= 18;
        }
    } else {
        p.runSpeed = 3;
    }
    if (p.x > grid.Width() - Player::kWidth)
        p.x = grid.Width() - Player::kWidth;
    if (p.x < 0)
        p.x = 0;
    auto block = [&](int footX) {
        p.y = int(std::nearbyint(double(p.speedY) + p.y));
        p.onGround = grid.Solid(footX, p.y + Player::kHeight);
        if (p.onGround)
            p.y -= grid.GroundDistance(footX, p.y + Player::kHeight);
    };
    if (p.walkFrame == 0)
        block(int(std::nearbyint(p.x + Player::kWidth / 2.0)));
    block(p.facingRight ? p.x + Player::kWidth : p.x);
    if (!keys.left && !keys.right)
        p.walkFrame = 0;
    if (p.walkFrame < 0)
        p.walkFrame = 3;
}

struct RunResult {
    bool finished = false;  // passed the end x
    bool fell = false;      // dropped below the fall limit
    int lastX = 0;
};

// Walks right from the start, taking each route step in turn; a running jump holds the jump
// key until the feet touch ground again, a standing jump waits for the player to settle first.
inline RunResult RunRoute(const LevelPixels& mask, int startX, int startY, int endX,
                          const std::vector<RouteStep>& route) {
    Grid grid(mask);
    Player p;
    p.x = startX;
    p.y = startY;
    size_t next = 0;
    enum class Phase { Walk, Hop, Settle, Climb, Land } phase = Phase::Walk;
    int wait = 0;
    bool airborne = false;
    for (int tick = 0; tick < 40000; ++tick) {
        Keys keys;
        switch (phase) {
            case Phase::Walk:
                keys.right = true;
                if (next < route.size() && p.x >= route[next].x && p.onGround) {
                    if (route[next].climb) {
                        phase = Phase::Settle;
                        keys.right = false;
                        wait = 4;
                    } else {
                        phase = Phase::Hop;
                        airborne = false;
                        keys.jump = true;
                    }
                    ++next;
                }
                break;
            case Phase::Hop:
                keys.right = true;
                airborne |= p.speedY < 0;
                keys.jump = !(airborne && p.onGround && p.speedY >= 0);
                if (!keys.jump)
                    phase = Phase::Walk;
                break;
            case Phase::Settle:
                if (--wait <= 0)
                    phase = Phase::Climb;
                break;
            case Phase::Climb:
                keys.jump = true;
                if (p.speedY < 0)
                    phase = Phase::Land;
                break;
            case Phase::Land:
                if (p.onGround && p.speedY >= 0)
                    phase = Phase::Walk;
                break;
        }
        StepPlayer(grid, p, keys);
        if (p.y > 480)
            return {false, true, p.x};
        if (p.x > endX)
            return {true, false, p.x};
    }
    return {false, false, p.x};
}

}  // namespace dunspelt_test
