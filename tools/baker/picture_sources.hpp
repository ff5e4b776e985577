// Readers for the text sources under resources/pictures: the palette, pixel grids and the font.
#pragma once
#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace baker {

// One character per colour; '.' is transparent and has no entry.
using Palette = std::map<char, uint32_t>;

// A picture drawn as text, one character per pixel.
struct PixelGrid {
    int width = 0;
    int height = 0;
    char outline = 0;  // colour drawn around the figure, 0 for none
    std::vector<std::string> rows;
};

// 5 x 7 glyphs; each row string holds 'X' for ink.
using PixelFont = std::map<char, std::vector<std::string>>;

inline constexpr char kTransparent = '.';
inline constexpr int kGlyphWidth = 5;
inline constexpr int kGlyphHeight = 7;

// Named lists of colours (shading ramps and inks of the screen art), by name.
using ColourSets = std::map<std::string, std::vector<uint32_t>>;

Palette LoadPalette(const std::string& path);
ColourSets LoadColourSets(const std::string& path);
PixelGrid LoadPixelGrid(const std::string& path, const Palette& palette);
PixelFont LoadPixelFont(const std::string& path);

}  // namespace baker
