// The swamp: evening sky, misty tree lines, murky water in the pits, mossy mud banks,
// wooden boardwalks on posts, cypress trees, reeds, lilies and the finishing flag.
#include <algorithm>
#include <cmath>

#include "level_noise.hpp"
#include "level_paint.hpp"

namespace baker {
namespace {

constexpr int kWaterLine = 492;  // surface of the murky water seen in every pit

float Clamp01(float v) {
    return std::clamp(v, 0.0f, 1.0f);
}

struct TreeLines {
    float farTop, nearTop;
};

// The outline of both tree lines over column x: a rolling canopy with slim, ragged cypress
// spires far away, and rounder, lower crowns nearer.
TreeLines TreeLinesAt(int x, int seed) {
    float fx = float(x);
    int cell = x / 46;
    float width = 10 + 12 * Hash01(cell, 5, seed);
    float dx = std::abs(float(x % 46) - 23.0f) / width;
    float ragged = 0.25f * (ValueNoise(fx / 3, float(cell), seed + 3) - 0.5f);
    float spire = Hash01(cell, 1, seed) > 0.3f && dx < 1
                      ? std::pow(1 - dx, 0.7f) * (40 + 70 * Hash01(cell, 2, seed)) * (1 + ragged)
                      : 0;
    int cell2 = (x + 31) / 110;
    float dx2 = std::abs(float((x + 31) % 110) - 55.0f) / 55.0f;
    float spire2 =
        Hash01(cell2, 3, seed) > 0.5f ? (1 - dx2 * dx2) * (50 + 60 * Hash01(cell2, 4, seed)) : 0;
    return {300 + 50 * Fbm(fx / 260, 0.5f, seed, 3) - spire,
            375 + 45 * Fbm(fx / 180, 2.5f, seed + 7, 3) - spire2};
}

// Sky, two tree lines fading into mist, and the water below them.
uint32_t Backdrop(int x, int y, const TreeLines& lines, int seed) {
    float fx = float(x);
    float farTop = lines.farTop, nearTop = lines.nearTop;
    if (y >= kWaterLine) {
        float depth = float(y - kWaterLine) / float(600 - kWaterLine);
        float ripple = ValueNoise(fx / 38, float(y) / 2.2f, seed + 21);
        float level = 0.52f - 0.32f * depth + (ripple > 0.74f ? 0.16f : 0) +
                      0.08f * (Fbm(fx / 90, float(y) / 18, seed + 22, 2) - 0.5f);
        if (y < kWaterLine + 2)
            level = 0.72f;  // the bright surface line
        return Dithered(Ramp::Water, level, x, y);
    }
    if (y >= nearTop) {
        float mist = Clamp01(float(y - 430) / 60.0f);
        float leaf = Fbm(fx / 14, float(y) / 14, seed + 5, 2);
        float level = 0.22f + 0.16f * leaf + 0.05f * Clamp01((nearTop + 12 - y) / 12);
        constexpr int kBayer[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
        if (mist * 0.9f > (float(kBayer[y & 3][x & 3]) + 0.5f) / 16)
            return Dithered(Ramp::Haze, 0.5f + 0.2f * mist, x, y);
        return Dithered(Ramp::Foliage, level, x, y);
    }
    if (y >= farTop) {
        float mist = Clamp01(float(y - 230) / 200.0f);
        return Dithered(Ramp::Haze,
                        0.42f + 0.28f * mist + 0.06f * Fbm(fx / 20, float(y) / 20, seed + 9, 2), x,
                        y);
    }
    float cloud = Fbm(fx / 320, float(y) / 70, seed + 13, 4);
    float level = 0.25f + 0.62f * float(y) / 360.0f + (cloud > 0.56f ? (cloud - 0.56f) * 1.4f : 0);
    return Dithered(Ramp::Sky, level, x, y);
}

void PaintMud(Image& map, const SolidMap& solid, int x, int y, int depth, int seed) {
    float fx = float(x), fy = float(y);
    int grass = 6 + int(3 * ValueNoise(fx / 9, 0, seed + 40));
    if (depth < grass) {
        float level =
            0.62f - 0.05f * float(depth) + 0.15f * (ValueNoise(fx / 3, fy / 2, seed + 41) - 0.5f);
        map.at(x, y) = Dithered(Ramp::Grass, level, x, y);
        return;
    }
    float level = 0.5f - 0.32f * Clamp01(float(depth) / 150.0f) +
                  0.18f * (Fbm(fx / 28, fy / 22, seed + 42, 3) - 0.5f);
    if (depth < grass + 3)
        level -= 0.15f;  // shadow under the turf
    if (std::abs(ValueNoise(fx / 30, fy / 90, seed + 43) - 0.5f) < 0.01f)
        level -= 0.12f;  // roots
    int cx = x / 16, cy = y / 16;
    if (Hash01(cx, cy, seed + 44) > 0.8f) {  // pebbles
        float px = float(cx * 16 + 4 + int(8 * Hash01(cx, cy, seed + 45)));
        float py = float(cy * 16 + 4 + int(8 * Hash01(cx, cy, seed + 46)));
        float r = 2 + 2.5f * Hash01(cx, cy, seed + 47);
        float d = std::hypot(fx - px, fy - py);
        if (d < r)
            level = 0.62f - 0.25f * (fx - px + fy - py) / (2 * r);
    }
    // Darken the bank next to the water so the pit edges read clearly.
    for (int off = 1; off <= 4; ++off)
        if (!solid.Solid(x - off, y) || !solid.Solid(x + off, y)) {
            level -= 0.06f * float(5 - off);
            break;
        }
    map.at(x, y) = Dithered(Ramp::Mud, level, x, y);
}

void PaintPlank(Image& map, const Platform& p, int x, int y, int seed) {
    int u = x - p.x0, d = y - p.top;
    float level = 0.5f + 0.16f * (ValueNoise(float(u) / 45, float(d) / 2.2f, seed + 50) - 0.5f);
    if (d < 3)
        level = 0.8f;
    else if (d < 6)
        level = 0.62f;
    if (d >= p.thickness - 3)
        level = 0.22f;
    int board = (u + 7 * (d / 15)) % 52;
    if (board < 2 || d % 15 == 14)
        level = 0.2f;  // seams between boards
    if (d % 15 == 7 && (board == 6 || board == 46))
        level = 0.9f;  // nail heads
    map.at(x, y) = Dithered(Ramp::Wood, level, x, y);
}

// Posts under each boardwalk, sunk into the water.
void PaintPosts(Image& map, const SolidMap& solid, const Platform& p, int seed) {
    std::vector<int> posts;
    for (int u = 14; u < p.x1 - p.x0 - 20; u += 120) posts.push_back(p.x0 + u);
    posts.push_back(p.x1 - 26);
    for (int px : posts)
        ForRect(map, px, p.top + p.thickness, px + 12, map.height, [&](int x, int y) {
            if (solid.Solid(x, y))
                return;
            float level = 0.3f + 0.1f * float(x - px < 4) - 0.1f * float(x - px > 9) +
                          0.1f * (ValueNoise(float(x) / 2, float(y) / 30, seed + 51) - 0.5f);
            if (y > kWaterLine)
                level -= 0.12f;
            map.at(x, y) = Dithered(Ramp::Wood, level, x, y);
        });
}

// Where things grow from: the bank top, or the water surface over a pit.
int BaseRow(const LevelLayout& level, int x) {
    int top = GroundTop(level, x);
    return top >= 0 ? std::min(top, kWaterLine + 4) : kWaterLine + 4;
}

// A swamp cypress: flared trunk, layered crown and hanging moss.
void PaintTree(Image& map, const LevelLayout& level, int cx, int height, int seed) {
    int base = BaseRow(level, cx) + 6;
    int top = base - height;
    int trunkTop = top + height / 3;
    ForRect(map, cx - 60, trunkTop, cx + 60, base, [&](int x, int y) {
        float t = float(base - y) / float(base - trunkTop);
        float half = 7 + 26 * std::pow(1 - t, 4.0f) + 2 * std::sin(float(y) / 9);
        float dx = float(x - cx);
        if (std::abs(dx) > half)
            return;
        float level = 0.38f - 0.16f * dx / half +
                      0.1f * (ValueNoise(dx / 3, float(y) / 25, seed + 60) - 0.5f);
        map.at(x, y) = Dithered(Ramp::Wood, level * 0.8f, x, y);
    });
    int crowns = 3 + height / 120;
    for (int i = 0; i < crowns; ++i) {
        float ccx = float(cx) + (Hash01(cx, i, seed + 61) - 0.5f) * 70;
        float ccy = float(top + i * (trunkTop - top + 30) / crowns) + 10;
        float rx = 55 + 40 * Hash01(cx, i, seed + 62), ry = 22 + 14 * Hash01(cx, i, seed + 63);
        ForRect(map, int(ccx - rx - 4), int(ccy - ry - 4), int(ccx + rx + 4), int(ccy + ry + 30),
                [&](int x, int y) {
                    float nx = (float(x) - ccx) / rx, ny = (float(y) - ccy) / ry;
                    float edge = 0.8f + 0.35f * ValueNoise(float(x) / 6, float(y) / 6, seed + 64);
                    float r = nx * nx + ny * ny;
                    if (r < edge) {
                        float light = -0.5f * nx - 0.6f * ny;
                        float level =
                            0.36f + 0.16f * light +
                            0.2f * (ValueNoise(float(x) / 4, float(y) / 4, seed + 65) - 0.5f);
                        map.at(x, y) = Dithered(Ramp::Foliage, level, x, y);
                    } else if (ny > 0.3f && std::abs(nx) < 0.9f) {
                        // Spanish moss hanging below the crown.
                        float strand = Hash01(x / 3, int(ccy), seed + 66);
                        float len = 8 + 40 * strand;
                        if (strand > 0.55f &&
                            (float(y) - ccy) < ry * std::sqrt(std::max(0.0f, 1 - nx * nx)) + len &&
                            x % 3 != 0)
                            map.at(x, y) = Dithered(Ramp::Haze, 0.55f + 0.2f * strand, x, y);
                    }
                });
    }
}

void PaintReeds(Image& map, const LevelLayout& level, int x0, int x1, int seed) {
    for (int x = x0; x < x1; x += 3 + int(6 * Hash01(x, 0, seed + 70))) {
        int base = BaseRow(level, x) + 2;
        int h = 34 + int(60 * Hash01(x, 1, seed + 71));
        float lean = (Hash01(x, 2, seed + 72) - 0.5f) * 0.5f;
        bool cattail = Hash01(x, 3, seed + 73) > 0.45f;
        for (int i = 0; i < h; ++i) {
            float t = float(i) / float(h);
            int px = x + int(std::lround(lean * t * t * float(h)));
            int py = base - i;
            if (py < 0 || px < 0 || px + 1 >= map.width)
                continue;
            map.at(px, py) = Dithered(Ramp::Reed, 0.45f + 0.25f * t, px, py);
            if (t < 0.6f)
                map.at(px + 1, py) = Dithered(Ramp::Grass, 0.35f, px + 1, py);
            if (cattail && t > 0.72f && t < 0.92f)
                for (int w = -1; w <= 2; ++w)
                    if (px + w >= 0 && px + w < map.width)
                        map.at(px + w, py) =
                            Dithered(Ramp::Mud, 0.22f + 0.08f * float(w < 0), px + w, py);
        }
    }
}

void PaintLilies(Image& map, int x0, int x1, int seed) {
    for (int x = x0; x < x1; x += 22 + int(30 * Hash01(x, 0, seed + 80))) {
        int w = 10 + int(10 * Hash01(x, 1, seed + 80));
        int cy = kWaterLine + 3;
        ForRect(map, x - w, cy - 3, x + w, cy + 4, [&](int px, int py) {
            float nx = float(px - x) / float(w), ny = float(py - cy) / 3.5f;
            if (nx * nx + ny * ny > 1 || (nx > 0.1f && std::abs(ny) < 0.3f))
                return;
            map.at(px, py) = Dithered(Ramp::Grass, 0.45f - 0.15f * ny, px, py);
        });
        if (Hash01(x, 2, seed + 80) > 0.6f)
            ForRect(map, x - 3, cy - 6, x + 3, cy - 1, [&](int px, int py) {
                map.at(px, py) =
                    Dithered(Ramp::CrystalPink, 0.75f + 0.05f * float(py - cy), px, py);
            });
    }
}

// The finish: a tall pole with a chequered banner, visible from far away.
void PaintFlag(Image& map, const SolidMap& solid, int px) {
    int base = SurfaceBelow(solid, px, 0);
    int top = base - 250;
    ForRect(map, px - 2, top, px + 5, base, [&](int x, int y) {
        map.at(x, y) = Dithered(Ramp::Grey, x < px + 1 ? 0.9f : 0.55f, x, y);
    });
    ForRect(map, px - 5, top - 8, px + 8, top + 2, [&](int x, int y) {
        float d = std::hypot(float(x - px - 1), float(y - top + 3));
        if (d < 6)
            map.at(x, y) = Dithered(Ramp::Fire, 0.85f - d * 0.06f, x, y);
    });
    ForRect(map, px + 5, top, px + 135, top + 90, [&](int x, int y) {
        int u = x - px - 5;
        int wave = int(std::lround(6 * std::sin(float(u) / 18)));
        int v = y - top - wave;
        if (v < 0 || v >= 72)
            return;
        bool light = ((u / 18) + (v / 18)) % 2 == 0;
        float shade = 0.1f * std::cos(float(u) / 18);
        map.at(x, y) = light ? Dithered(Ramp::Grey, 0.92f + shade, x, y)
                             : Dithered(Ramp::FlagRed, 0.5f + shade, x, y);
    });
}

// A wooden sign with an arrow pointing on towards the finish.
void PaintSign(Image& map, const SolidMap& solid, int px) {
    int base = SurfaceBelow(solid, px, 0);
    ForRect(map, px + 26, base - 70, px + 34, base,
            [&](int x, int y) { map.at(x, y) = Dithered(Ramp::Wood, 0.35f, x, y); });
    ForRect(map, px, base - 100, px + 64, base - 62, [&](int x, int y) {
        int u = x - px, v = y - (base - 100);
        float level = (u < 2 || v < 2 || u > 61 || v > 35) ? 0.25f : 0.62f;
        int arrowV = std::abs(v - 19);
        if ((u > 12 && u < 40 && arrowV < 4) || (u >= 40 && u < 54 && arrowV < 14 - (u - 40)))
            level = 0.15f;
        map.at(x, y) = Dithered(Ramp::Wood, level, x, y);
    });
}

}  // namespace

Image PaintSwamp(const LevelLayout& level, const SolidMap& solid) {
    const int seed = level.seed;
    Image map(level.width, level.height);
    for (int x = 0; x < map.width; ++x) {
        const TreeLines lines = TreeLinesAt(x, seed);
        for (int y = 0; y < map.height; ++y) map.at(x, y) = Backdrop(x, y, lines, seed);
    }

    for (const Decoration& d : level.decorations)
        if (d.kind == "tree" && d.args.size() == 2)
            PaintTree(map, level, d.args[0], d.args[1], seed);
    for (const Platform& p : level.platforms) PaintPosts(map, solid, p, seed);

    PaintSolidPixels(
        map, level, solid, [&](const Platform& p, int x, int y) { PaintPlank(map, p, x, y, seed); },
        [&](int x, int y, int depth) { PaintMud(map, solid, x, y, depth, seed); });

    // Grass tufts poking up from the banks.
    for (int x = 0; x < map.width; ++x) {
        int top = GroundTop(level, x);
        if (top <= 0 || PlatformAt(level, x, top))
            continue;
        int h = int(7 * std::pow(ValueNoise(float(x) / 3, 7, seed + 90), 3.0f) * 2);
        for (int i = 1; i <= h && top - i >= 0; ++i)
            map.at(x, top - i) = Dithered(Ramp::Grass, 0.45f + 0.05f * float(i), x, top - i);
    }

    for (const Decoration& d : level.decorations) {
        const auto& a = d.args;
        if (d.kind == "reeds" && a.size() == 2)
            PaintReeds(map, level, a[0], a[1], seed);
        if (d.kind == "lilies" && a.size() == 2)
            PaintLilies(map, a[0], a[1], seed);
        if (d.kind == "flag" && a.size() == 1)
            PaintFlag(map, solid, a[0]);
        if (d.kind == "sign" && a.size() == 1)
            PaintSign(map, solid, a[0]);
    }
    return map;
}

}  // namespace baker
