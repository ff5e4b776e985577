// The caves: layered dark rock, a jagged ceiling with stalactites, stone floors and ledges,
// glowing crystal clusters that light the walls around them, and a shining exit gate.
#include <algorithm>
#include <cmath>

#include "level_noise.hpp"
#include "level_paint.hpp"

namespace baker {
namespace {

constexpr float kPi = 3.14159265f;

float Clamp01(float v) {
    return std::clamp(v, 0.0f, 1.0f);
}

int CeilingRow(int x, int seed) {
    return 28 + int(50 * Fbm(float(x) / 170, 4.5f, seed + 100, 3));
}

// Far cave wall: rock with faint vertical flow-stone, darker into the depths.
struct WallShapes {
    float moundTop, curtain;
};

WallShapes WallShapesAt(int x, int seed) {
    float fx = float(x);
    return {250 + 150 * Fbm(fx / 340, 9.5f, seed + 103, 3),
            90 + 110 * Fbm(fx / 150, 3.5f, seed + 105, 3)};
}

float BackdropLevel(int x, int y, const WallShapes& shapes, int seed) {
    float fx = float(x), fy = float(y);
    float rock = Fbm(fx / 70, fy / 55, seed + 101, 4);
    float flow = ValueNoise(fx / 26, fy / 260, seed + 102);
    float level = 0.3f + 0.34f * (rock - 0.5f) + 0.14f * (flow - 0.5f);
    // Nearer rock masses rising from the depths, with a lit rim along their tops.
    float moundTop = shapes.moundTop;
    if (fy > moundTop) {
        level = 0.5f + 0.22f * (Fbm(fx / 30, fy / 30, seed + 104, 3) - 0.5f);
        if (fy < moundTop + 3)
            level = 0.56f;
        level -= 0.3f * Clamp01((fy - moundTop) / 200);
    }
    // Hanging curtains of rock far behind the stalactites.
    float curtain = shapes.curtain;
    if (fy < curtain)
        level += 0.1f;
    level -= 0.28f * Clamp01(float(y - 420) / 180.0f);
    return level;
}

// Dark rock tinted by nearby light: the stronger the light, the more pixels take the tint.
uint32_t GlowColour(Ramp tint, float base, float light, int x, int y) {
    constexpr int kBayer[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
    float share = std::min(0.85f, light * 1.4f);
    if (share > (float(kBayer[y & 3][x & 3]) + 0.5f) / 16)
        return Dithered(tint, 0.04f + 0.32f * light + 0.3f * base, x, y);
    return Dithered(Ramp::RockFar, base + light * 0.6f, x, y);
}

void PaintRock(Image& map, const SolidMap& solid, int x, int y, int depth, int seed) {
    float fx = float(x), fy = float(y);
    float level;
    if (depth < 3)
        level = 0.78f;
    else if (depth < 8)
        level = 0.6f;
    else {
        float strata = std::sin(fy / 6 + 7 * Fbm(fx / 120, fy / 40, seed + 110, 3));
        level = 0.42f + 0.07f * strata + 0.16f * (Fbm(fx / 24, fy / 20, seed + 111, 3) - 0.5f);
        level -= 0.24f * Clamp01(float(depth) / 160.0f);
        if (std::abs(ValueNoise(fx / 40, fy / 16, seed + 112) - 0.5f) < 0.007f)
            level -= 0.16f;
        if (depth < 12)
            level -= 0.1f;
    }
    for (int off = 1; off <= 4; ++off)
        if (!solid.Solid(x - off, y) || !solid.Solid(x + off, y)) {
            level += depth < 8 ? 0 : 0.05f * float(5 - off) - 0.1f;
            break;
        }
    map.at(x, y) = Dithered(Ramp::Rock, level, x, y);
}

void PaintLedge(Image& map, const Platform& p, int x, int y, int seed) {
    int u = x - p.x0, d = y - p.top;
    float level = 0.5f + 0.18f * (Fbm(float(x) / 12, float(y) / 12, seed + 120, 2) - 0.5f);
    if (d < 3)
        level = 0.85f;
    else if (d < 7)
        level = 0.68f;
    if (d >= p.thickness - 4)
        level = 0.24f;
    int block = (u + (d >= p.thickness / 2 ? 23 : 0)) % 46;
    if (block < 2 || d == p.thickness / 2)
        level -= 0.22f;
    if (u < 3 || p.x1 - x <= 3)
        level -= 0.15f;
    map.at(x, y) = Dithered(Ramp::Stone, level, x, y);
}

// A hanging or standing cone of rock; dir = +1 hangs down from `root`, -1 grows up.
void PaintSpike(Image& map, const SolidMap& solid, int cx, int root, int length, int width, int dir,
                int seed) {
    for (int i = 0; i < length; ++i) {
        int y = root + dir * i;
        float t = float(i) / float(length);
        float half = float(width) / 2 * std::pow(1 - t, 1.3f) *
                     (1 + 0.15f * (ValueNoise(float(y) / 5, float(cx), seed + 130) - 0.5f));
        for (int x = int(float(cx) - half); x <= int(float(cx) + half); ++x) {
            if (x < 0 || x >= map.width || y < 0 || y >= map.height || solid.Solid(x, y))
                continue;
            float side = half > 0 ? (float(x) - float(cx)) / half : 0;
            float level = 0.42f - 0.22f * side +
                          0.1f * (ValueNoise(float(x) / 3, float(y) / 9, seed + 131) - 0.5f);
            if (t > 0.85f)
                level += 0.1f;
            map.at(x, y) = Dithered(Ramp::Rock, level, x, y);
        }
    }
}

// A cluster of glowing crystal prisms growing from (cx, base).
void PaintCrystals(Image& map, int cx, int base, int size, Ramp ramp, int seed) {
    int count = 3 + int(3 * Hash01(cx, 0, seed + 140));
    for (int i = 0; i < count; ++i) {
        float angle = (Hash01(cx, i + 1, seed + 141) - 0.5f) * 1.3f;
        float len = float(size) * (0.45f + 0.55f * Hash01(cx, i + 1, seed + 142));
        if (i == 0)
            angle = 0, len = float(size);
        float half = std::max(3.0f, len * 0.16f);
        float ax = std::sin(angle), ay = -std::cos(angle);
        float ox = float(cx) + (Hash01(cx, i + 1, seed + 143) - 0.5f) * float(size) * 0.5f;
        float oy = float(base) + 4;
        int r = int(len + half) + 2;
        ForRect(map, int(ox) - r, int(oy) - r, int(ox) + r, int(oy) + 2, [&](int x, int y) {
            float px = float(x) - ox, py = float(y) - oy;
            float along = px * ax + py * ay, across = px * ay - py * ax;
            if (along < 0 || along > len)
                return;
            float tip = half * 1.6f;
            float w = along > len - tip ? half * (len - along) / tip : half;
            if (std::abs(across) > w)
                return;
            float level = across < 0 ? 0.86f : 0.56f;
            if (std::abs(across) > w - 1.5f)
                level = 0.35f;
            if (std::abs(across) < 1 && along < len - tip)
                level = 0.72f;
            level += 0.12f * along / len;
            map.at(x, y) = Dithered(ramp, level, x, y);
        });
    }
}

// The way out: a carved stone arch around a shining doorway.
void PaintPortal(Image& map, const SolidMap& solid, int px, int seed) {
    int base = SurfaceBelow(solid, px + 60, 0);
    int w = 130, h = 210, cx = px + w / 2;
    ForRect(map, px - 24, base - h - 40, px + w + 24, base, [&](int x, int y) {
        float dx = float(x - cx), dy = float(base - h + w / 2 - y);
        bool inArch = y > base - h + w / 2 ? std::abs(dx) < float(w) / 2
                                           : dx * dx + dy * dy < float(w * w) / 4;
        bool inFrame = y > base - h + w / 2
                           ? std::abs(dx) < float(w) / 2 + 22
                           : dx * dx + dy * dy < float((w / 2 + 22) * (w / 2 + 22));
        if (inArch) {
            float swirl =
                ValueNoise(std::atan2(dy, dx) * 3 + std::hypot(dx, dy) / 14, 0.5f, seed + 150);
            float level = 0.55f + 0.3f * swirl + 0.25f * (1 - std::hypot(dx, dy + 40) / float(h));
            map.at(x, y) = Dithered(Ramp::CrystalCyan, level, x, y);
        } else if (inFrame) {
            float ang = std::atan2(dy, dx);
            int stone = y > base - h + w / 2 ? (base - y) / 34 : int((ang + kPi) * 5);
            float level = 0.55f + 0.12f * (Hash01(stone, x < cx, seed + 151) - 0.5f) +
                          0.1f * (Fbm(float(x) / 6, float(y) / 6, seed + 152, 2) - 0.5f);
            if ((base - y) % 34 < 2 && y > base - h + w / 2)
                level -= 0.25f;
            map.at(x, y) = Dithered(Ramp::Stone, level, x, y);
        }
    });
}

void PaintTorch(Image& map, int tx, int ty) {
    ForRect(map, tx - 3, ty, tx + 3, ty + 34, [&](int x, int y) {
        map.at(x, y) = Dithered(Ramp::Wood, x < tx ? 0.45f : 0.28f, x, y);
    });
    ForRect(map, tx - 9, ty - 24, tx + 9, ty + 2, [&](int x, int y) {
        float dx = float(x - tx) / 8, dy = float(y - ty) / 24;
        float r = dx * dx / (1 + dy) + dy * dy;
        if (dy > 0.05f || r > 0.9f)
            return;
        map.at(x, y) = Dithered(Ramp::Fire, 1.0f - r * 0.8f, x, y);
    });
}

Ramp CrystalRamp(int hue) {
    return hue == 0 ? Ramp::CrystalCyan : Ramp::CrystalPink;
}

}  // namespace

Image PaintCaves(const LevelLayout& level, const SolidMap& solid) {
    const int seed = level.seed;
    Image map(level.width, level.height);

    // Light from crystals, torches and the exit tints the walls around them.
    LightMap cyan(level.width, level.height), pink(level.width, level.height),
        fire(level.width, level.height);
    for (const Decoration& d : level.decorations) {
        const auto& a = d.args;
        if (d.kind == "crystal" && a.size() == 3) {
            int base = SurfaceBelow(solid, a[0], 0);
            (a[2] == 0 ? cyan : pink).AddGlow(a[0], base - a[1] / 2, a[1] * 2 + 40, 0.5f);
        }
        if (d.kind == "torch" && a.size() == 2)
            fire.AddGlow(a[0], a[1] - 10, 110, 0.45f);
        if (d.kind == "portal" && a.size() == 1)
            cyan.AddGlow(a[0] + 65, SurfaceBelow(solid, a[0] + 60, 0) - 100, 300, 0.7f);
    }
    for (int x = 0; x < map.width; ++x) {
        const WallShapes shapes = WallShapesAt(x, seed);
        for (int y = 0; y < map.height; ++y) {
            float base = BackdropLevel(x, y, shapes, seed);
            float c = cyan.At(x, y), p = pink.At(x, y), f = fire.At(x, y);
            if (c >= p && c >= f)
                map.at(x, y) = GlowColour(Ramp::CrystalCyan, base, c, x, y);
            else if (p >= f)
                map.at(x, y) = GlowColour(Ramp::CrystalPink, base, p, x, y);
            else
                map.at(x, y) = GlowColour(Ramp::Fire, base, f, x, y);
        }
    }

    // Ceiling rock with small stalactites scattered along it.
    for (int x = 0; x < map.width; ++x) {
        int c = CeilingRow(x, seed);
        for (int y = 0; y < c; ++y) {
            float level = 0.3f + 0.2f * (Fbm(float(x) / 20, float(y) / 16, seed + 103, 3) - 0.5f);
            if (y >= c - 3)
                level = 0.45f;
            map.at(x, y) = Dithered(Ramp::Rock, level - 0.1f * float(y < c - 12), x, y);
        }
    }
    for (int x = 20; x < map.width; x += 40 + int(90 * Hash01(x, 0, seed + 104))) {
        int len = 18 + int(60 * std::pow(Hash01(x, 1, seed + 104), 2.0f));
        PaintSpike(map, solid, x, CeilingRow(x, seed) - 2, len, 10 + len / 4, 1, seed);
    }
    for (const Decoration& d : level.decorations) {
        const auto& a = d.args;
        if (d.kind == "stalactite" && a.size() == 2)
            PaintSpike(map, solid, a[0], CeilingRow(a[0], seed) - 4, a[1], 18 + a[1] / 4, 1, seed);
        if (d.kind == "stalagmite" && a.size() == 2)
            PaintSpike(map, solid, a[0], SurfaceBelow(solid, a[0], 0) + 3, a[1], 14 + a[1] / 2, -1,
                       seed);
        if (d.kind == "torch" && a.size() == 2)
            PaintTorch(map, a[0], a[1]);
    }

    PaintSolidPixels(
        map, level, solid, [&](const Platform& p, int x, int y) { PaintLedge(map, p, x, y, seed); },
        [&](int x, int y, int depth) { PaintRock(map, solid, x, y, depth, seed); });
    // Little drips of rock under every ledge.
    for (const Platform& p : level.platforms)
        for (int x = p.x0 + 8; x < p.x1 - 8; x += 14 + int(20 * Hash01(x, 2, seed + 105)))
            PaintSpike(map, solid, x, p.top + p.thickness, 8 + int(22 * Hash01(x, 3, seed + 105)),
                       10, 1, seed);

    for (const Decoration& d : level.decorations) {
        const auto& a = d.args;
        if (d.kind == "crystal" && a.size() == 3)
            PaintCrystals(map, a[0], SurfaceBelow(solid, a[0], 0), a[1], CrystalRamp(a[2]), seed);
        if (d.kind == "portal" && a.size() == 1)
            PaintPortal(map, solid, a[0], seed);
    }
    return map;
}

}  // namespace baker
