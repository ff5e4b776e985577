#include "level_layout.hpp"

#include <cmath>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace baker {
namespace {

std::vector<int> ReadInts(std::istringstream& in) {
    std::vector<int> values;
    int v;
    while (in >> v) values.push_back(v);
    return values;
}

}  // namespace

LevelLayout ParseLevelLayout(const std::string& text, const std::string& fileName) {
    LevelLayout level;
    std::istringstream lines(text);
    std::string line;
    int lineNo = 0;
    while (std::getline(lines, line)) {
        ++lineNo;
        if (auto hash = line.find('#'); hash != std::string::npos)
            line.erase(hash);
        std::istringstream in(line);
        std::string key;
        if (!(in >> key))
            continue;
        auto fail = [&](const std::string& why) {
            throw std::runtime_error(fileName + ":" + std::to_string(lineNo) + ": " + why);
        };
        if (key == "title") {
            std::string rest;
            std::getline(in >> std::ws, rest);
            while (!rest.empty() &&
                   (rest.back() == ' ' || rest.back() == '\t' || rest.back() == '\r'))
                rest.pop_back();
            if (rest.empty())
                fail("title needs a text");
            level.title = rest;
            continue;
        }
        if (key == "name" || key == "theme" || key == "music") {
            std::string word;
            if (!(in >> word))
                fail(key + " needs a word");
            (key == "name" ? level.name : key == "theme" ? level.theme : level.music) = word;
            continue;
        }
        const std::vector<int> v = ReadInts(in);
        if (!in.eof())
            fail("expected numbers after '" + key + "'");
        auto need = [&](size_t n) {
            if (v.size() != n)
                fail("'" + key + "' takes " + std::to_string(n) + " numbers");
        };
        if (key == "number") {
            need(1);
            level.number = v[0];
        } else if (key == "sprites") {
            need(2);
            level.spriteSet = v[0];
            level.enemyShotDrop = v[1];
        } else if (key == "size") {
            need(2);
            level.width = v[0];
            level.height = v[1];
        } else if (key == "seed") {
            need(1);
            level.seed = v[0];
        } else if (key == "start") {
            need(4);
            level.start = {v[0], v[1], v[2], v[3]};
        } else if (key == "enemy") {
            need(4);
            level.enemies.push_back({v[0], v[1], v[2], v[3]});
        } else if (key == "exit") {
            need(1);
            level.exitX = v[0];
        } else if (key == "ground") {
            need(3);
            level.ground.push_back({v[0], v[1], v[2], v[2]});
        } else if (key == "slope") {
            need(4);
            level.ground.push_back({v[0], v[1], v[2], v[3]});
        } else if (key == "platform") {
            need(4);
            level.platforms.push_back({v[0], v[1], v[2], v[3]});
        } else if (key == "hop" || key == "climb") {
            need(1);
            level.route.push_back({key, v[0]});
        } else {
            level.decorations.push_back({key, v});
        }
    }
    if (level.width <= 0 || level.height <= 0)
        throw std::runtime_error(fileName + ": missing 'size'");
    return level;
}

LevelLayout LoadLevelLayout(const std::string& path) {
    std::ifstream in(path);
    if (!in)
        throw std::runtime_error("cannot read level description: " + path);
    std::stringstream text;
    text << in.rdbuf();
    return ParseLevelLayout(text.str(), path);
}

int GroundTop(const LevelLayout& level, int x) {
    int top = -1;
    for (const GroundSegment& g : level.ground) {
        if (x < g.x0 || x >= g.x1)
            continue;
        int span = g.x1 - 1 - g.x0;
        double f = span == 0 ? 0.0 : double(x - g.x0) / span;
        int t = int(std::lround(g.top0 + (g.top1 - g.top0) * f));
        if (top < 0 || t < top)
            top = t;
    }
    return top;
}

}  // namespace baker
