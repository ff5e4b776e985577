#include "level_check.hpp"

#include <utility>

namespace baker {
namespace {

// Rows the player's feet must rise to leave the ground from row y in column x; 0 if free.
int LiftFrom(const SolidMap& solid, int x, int y) {
    int lift = 0;
    while (solid.Solid(x, y - lift)) {
        if (++lift > kMaxLift)
            break;
        if (y - lift < 0)
            return kMaxLift + 1;
    }
    return lift;
}

bool StandingRow(const SolidMap& solid, int x, int y) {
    return solid.Solid(x, y) && !solid.Solid(x, y - 1) && y > 0;
}

void CheckFeet(const SolidMap& solid, const Placement& p, const std::string& who,
               std::vector<std::string>& problems) {
    int feet = p.y + p.height;
    for (int x = p.x; x < p.x + p.width; ++x)
        if (!solid.Solid(x, feet) || solid.Solid(x, feet - 1)) {
            problems.push_back(who + ": ground top under column " + std::to_string(x) +
                               " is not row " + std::to_string(feet));
            return;
        }
}

void CheckStart(const SolidMap& solid, const Placement& p, std::vector<std::string>& problems) {
    for (int x : {p.x, p.x + p.width / 2, p.x + p.width}) {
        int y = p.y + p.height;
        while (y < solid.height && !solid.Solid(x, y)) ++y;
        if (y >= kDeathRow)
            problems.push_back("start: no ground below column " + std::to_string(x));
        for (int yy = p.y; yy < p.y + p.height; ++yy)
            if (solid.Solid(x, yy)) {
                problems.push_back("start: player starts inside ground");
                return;
            }
    }
}

bool ColumnFree(const SolidMap& solid, int x) {
    for (int y = 0; y < solid.height; ++y)
        if (solid.Solid(x, y))
            return false;
    return true;
}

}  // namespace

std::vector<std::string> CheckLevel(const LevelLayout& level, const SolidMap& solid) {
    std::vector<std::string> problems;
    if (level.exitX <= 0 || level.width < level.exitX + kSafeStartWidth)
        problems.push_back("map must reach well past the exit at x " + std::to_string(level.exitX));
    CheckStart(solid, level.start, problems);
    for (size_t i = 0; i < level.enemies.size(); ++i)
        CheckFeet(solid, level.enemies[i], "enemy " + std::to_string(i + 1), problems);

    int startTop = GroundTop(level, 0);
    for (int x = 0; x < kSafeStartWidth; ++x)
        if (GroundTop(level, x) != startTop || ColumnFree(solid, x)) {
            problems.push_back("the first " + std::to_string(kSafeStartWidth) +
                               " columns must be flat ground");
            break;
        }

    // Pits: columns without ground must be free right down to the bottom row.
    int pitColumns = 0;
    for (int x = 0; x < level.width; ++x)
        if (GroundTop(level, x) < 0) {
            bool underPlatform = false;
            for (const Platform& p : level.platforms) underPlatform |= x >= p.x0 && x < p.x1;
            if (!underPlatform && !ColumnFree(solid, x))
                problems.push_back("pit column " + std::to_string(x) + " is not free");
            pitColumns += ColumnFree(solid, x);
        }
    if (pitColumns == 0)
        problems.push_back("the level has no pit");

    // Steps: feet standing in one column and moving one pixel sideways must be liftable.
    auto tooTall = [&](int from, int to) {
        for (int y = 1; y < solid.height; ++y)
            if (StandingRow(solid, from, y) && LiftFrom(solid, to, y) > kMaxLift)
                return y;
        return 0;
    };
    for (int x = 1; x < level.width; ++x)
        for (auto [from, to] : {std::pair{x - 1, x}, std::pair{x, x - 1}})
            if (int row = tooTall(from, to))
                problems.push_back("wall too tall to climb at column " + std::to_string(to) +
                                   ", row " + std::to_string(row));
    return problems;
}

}  // namespace baker
