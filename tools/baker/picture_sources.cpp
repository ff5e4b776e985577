#include "picture_sources.hpp"

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace baker {
namespace {

std::vector<std::string> ReadLines(const std::string& path) {
    std::ifstream in(path);
    if (!in)
        throw std::runtime_error("cannot read: " + path);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

bool IsCommentOrBlank(const std::string& line) {
    return line.empty() || line[0] == '#';
}

[[noreturn]] void Bad(const std::string& path, size_t lineIndex, const std::string& what) {
    throw std::runtime_error(path + ":" + std::to_string(lineIndex + 1) + ": " + what);
}

}  // namespace

Palette LoadPalette(const std::string& path) {
    Palette palette;
    const auto lines = ReadLines(path);
    for (size_t i = 0; i < lines.size(); ++i) {
        if (IsCommentOrBlank(lines[i]))
            continue;
        std::istringstream fields(lines[i]);
        std::string key, hex;
        fields >> key >> hex;
        if (key.size() != 1 || key[0] == kTransparent || hex.size() != 7 || hex[0] != '#')
            Bad(path, i, "expected: <char> #RRGGBB <use>");
        if (palette.count(key[0]))
            Bad(path, i, "colour defined twice");
        palette[key[0]] = uint32_t(std::stoul(hex.substr(1), nullptr, 16));
    }
    return palette;
}

ColourSets LoadColourSets(const std::string& path) {
    ColourSets sets;
    const auto lines = ReadLines(path);
    for (size_t i = 0; i < lines.size(); ++i) {
        if (IsCommentOrBlank(lines[i]))
            continue;
        std::istringstream fields(lines[i]);
        std::string name, hex;
        fields >> name;
        auto& colours = sets[name];
        while (fields >> hex) {
            if (hex.size() != 7 || hex[0] != '#')
                Bad(path, i, "expected: <name> #RRGGBB ...");
            colours.push_back(uint32_t(std::stoul(hex.substr(1), nullptr, 16)));
        }
        if (colours.empty())
            Bad(path, i, "no colours");
    }
    return sets;
}

PixelGrid LoadPixelGrid(const std::string& path, const Palette& palette) {
    PixelGrid grid;
    const auto lines = ReadLines(path);
    size_t i = 0;
    for (; i < lines.size() && grid.width == 0; ++i) {
        if (IsCommentOrBlank(lines[i]))
            continue;
        std::istringstream fields(lines[i]);
        std::string key;
        fields >> key;
        if (key == "outline") {
            std::string colour;
            fields >> colour;
            if (colour.size() != 1 || !palette.count(colour[0]))
                Bad(path, i, "unknown outline");
            grid.outline = colour[0];
        } else if (key == "size") {
            fields >> grid.width >> grid.height;
            if (!fields || grid.width <= 0 || grid.height <= 0)
                Bad(path, i, "bad size");
        } else {
            Bad(path, i, "expected 'outline <char>' or 'size <w> <h>'");
        }
    }
    for (; i < lines.size() && int(grid.rows.size()) < grid.height; ++i) {
        const std::string& row = lines[i];
        if (int(row.size()) != grid.width)
            Bad(path, i, "row is not the grid's width");
        for (char c : row)
            if (c != kTransparent && !palette.count(c))
                Bad(path, i, std::string("colour not in the palette: ") + c);
        grid.rows.push_back(row);
    }
    if (grid.width == 0 || int(grid.rows.size()) != grid.height)
        throw std::runtime_error(path + ": fewer rows than the grid's height");
    return grid;
}

PixelFont LoadPixelFont(const std::string& path) {
    PixelFont font;
    const auto lines = ReadLines(path);
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        if (IsCommentOrBlank(line))
            continue;
        if (line.size() != 3 || line[0] != '[' || line[2] != ']')
            Bad(path, i, "expected [C]");
        std::vector<std::string> glyph;
        for (int r = 0; r < kGlyphHeight; ++r) {
            if (++i >= lines.size() || int(lines[i].size()) != kGlyphWidth)
                Bad(path, i, "glyph rows must be 5 characters, 7 of them");
            glyph.push_back(lines[i]);
        }
        font[line[1]] = glyph;
    }
    return font;
}

}  // namespace baker
