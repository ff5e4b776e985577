// The shape of src/: folders include each other one way only (world and the platform layer at
// the bottom, the play loop and the screens on top), and SDL's headers appear in one folder.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

const fs::path kSrc = fs::path(DUNSPELT_SOURCE_DIR) / "src";

// "platform/host" for src/platform/host/x.cpp and for "platform/host/x.hpp"; "level" for both
// src/level/x.cpp and "level/x.hpp".
std::string FolderOf(const fs::path& relative) {
    const fs::path parent = relative.parent_path();
    return parent.generic_string();
}

struct Includes {
    std::map<std::string, std::set<std::string>> folderGraph;  // folder -> folders it includes
    std::vector<std::string> sdlIncluders;                     // files naming an SDL header
};

Includes ReadIncludes() {
    Includes result;
    const std::regex local(R"(^\s*#\s*include\s*"([^"]+)\")");
    const std::regex sdl(R"(^\s*#\s*include\s*[<"](SDL2/)?SDL[^>"]*[>"])");
    for (const auto& entry : fs::recursive_directory_iterator(kSrc)) {
        if (!entry.is_regular_file())
            continue;
        const fs::path relative = fs::relative(entry.path(), kSrc);
        const std::string folder = FolderOf(relative);
        std::ifstream in(entry.path());
        for (std::string line; std::getline(in, line);) {
            std::smatch m;
            if (std::regex_search(line, m, sdl))
                result.sdlIncluders.push_back(relative.generic_string());
            else if (std::regex_search(line, m, local) && !folder.empty()) {
                const std::string target = FolderOf(fs::path(m[1].str()));
                if (!target.empty() && target != folder)
                    result.folderGraph[folder].insert(target);
            }
        }
    }
    return result;
}

// One cycle as "a -> b -> a", or empty.
std::string FindCycle(const std::map<std::string, std::set<std::string>>& graph) {
    std::map<std::string, int> state;  // 1 on the path, 2 done
    std::vector<std::string> path;
    std::string cycle;
    std::function<bool(const std::string&)> visit = [&](const std::string& node) {
        state[node] = 1;
        path.push_back(node);
        if (auto it = graph.find(node); it != graph.end())
            for (const std::string& next : it->second) {
                if (state[next] == 1) {
                    for (auto p = std::find(path.begin(), path.end(), next); p != path.end(); ++p)
                        cycle += *p + " -> ";
                    cycle += next;
                    return true;
                }
                if (state[next] == 0 && visit(next))
                    return true;
            }
        path.pop_back();
        state[node] = 2;
        return false;
    };
    for (const auto& [node, edges] : graph)
        if (state[node] == 0 && visit(node))
            return cycle;
    return "";
}

}  // namespace

TEST(SourceLayout, NoFolderIncludesAFolderThatIncludesItBack) {
    const Includes includes = ReadIncludes();
    ASSERT_FALSE(includes.folderGraph.empty());
    EXPECT_EQ(FindCycle(includes.folderGraph), "");
    // The world is read by every subsystem and includes none of them.
    for (const std::string& target : includes.folderGraph.at("world"))
        EXPECT_EQ(target, "platform") << "world includes " << target;
    // The platform layer knows nothing of the game.
    const auto platform = includes.folderGraph.find("platform");
    if (platform == includes.folderGraph.end())
        return;
    for (const std::string& target : platform->second)
        EXPECT_EQ(target, "platform/host") << "platform includes " << target;
}

TEST(SourceLayout, OnlyTheHostPartOfThePlatformIncludesSdl) {
    const Includes includes = ReadIncludes();
    ASSERT_FALSE(includes.sdlIncluders.empty());
    // The desktop's host, and the browser's in place of its window part.
    for (const std::string& file : includes.sdlIncluders)
        EXPECT_TRUE(file.rfind("platform/host/", 0) == 0 || file.rfind("platform/web/", 0) == 0)
            << file;
}

TEST(SourceLayout, TheCycleFinderFindsACycle) {
    EXPECT_EQ(FindCycle({{"a", {"b"}}, {"b", {"c"}}, {"c", {"a"}}}), "a -> b -> c -> a");
    EXPECT_EQ(FindCycle({{"a", {"b", "c"}}, {"b", {"c"}}}), "");
}
