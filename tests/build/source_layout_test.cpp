// The shape of src/: folders include each other one way only (world and the platform layer at
// the bottom, the play loop and the screens on top), as the table of allowed edges below says,
// and SDL's headers appear only in the host folders.
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
// "platform/host" for src/platform/host/x.cpp and for "platform/host/x.hpp"; "level" for both
// src/level/x.cpp and "level/x.hpp".
std::string FolderOf(const fs::path& relative) {
    return relative.parent_path().generic_string();
}

// Which folders each folder may include, besides itself. Game folders look down at the game
// folders below them and at the parts of the platform layer they are written against; each
// platform part looks down at the parts below it. Nothing lists a host folder: the run part
// reaches the host only through CreateWindowedFrontend (forms/frontend.hpp), defined there; so do
// the tests (TestsIncludeNoHostHeader).
// A new folder is added here, with what it may include.
const std::map<std::string, std::set<std::string>>& AllowedEdges() {
    static const std::set<std::string> kHost = {"platform/core",  "platform/settings",
                                                "platform/forms", "platform/display",
                                                "platform/input", "platform/run"};
    static const std::map<std::string, std::set<std::string>> edges = {
        {"platform/core", {}},
        {"platform/settings", {"platform/core"}},
        {"platform/forms", {"platform/core"}},
        {"platform/display", {"platform/core", "platform/forms"}},
        {"platform/input",
         {"platform/core", "platform/settings", "platform/forms", "platform/display"}},
        {"platform/run",
         {"platform/core", "platform/settings", "platform/forms", "platform/display",
          "platform/input"}},
        {"platform/host", kHost},
        // The browser's host reuses the desktop host's plain SDL devices (pads, fonts, pictures).
        {"platform/web",
         [] {
             std::set<std::string> web = kHost;
             web.insert("platform/host");
             return web;
         }()},
        {"world", {"platform/core", "platform/forms"}},
        {"assets", {"platform/core", "platform/forms"}},
        {"level", {"world", "assets", "platform/core", "platform/forms"}},
        {"render", {"world", "assets", "level", "platform/core"}},
        {"combat", {"world", "assets", "level", "platform/core", "platform/forms"}},
        {"play",
         {"world", "assets", "level", "combat", "render", "platform/core", "platform/forms"}},
        {"screens",
         {"world", "assets", "level", "combat", "render", "play", "platform/core", "platform/forms",
          "platform/input", "platform/run"}},
    };
    return edges;
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

bool IsPlatform(const std::string& folder) {
    return folder.rfind("platform/", 0) == 0;
}

bool IsHost(const std::string& file) {
    return file.rfind("platform/host/", 0) == 0 || file.rfind("platform/web/", 0) == 0;
}

TEST(SourceLayout, NoFolderIncludesAFolderThatIncludesItBack) {
    const Includes includes = ReadIncludes();
    ASSERT_FALSE(includes.folderGraph.empty());
    EXPECT_EQ(FindCycle(includes.folderGraph), "");
    // The world is read by every subsystem and includes none of them.
    for (const std::string& target : includes.folderGraph.at("world"))
        EXPECT_TRUE(IsPlatform(target)) << "world includes " << target;
    // The platform layer knows nothing of the game.
    for (const auto& [folder, targets] : includes.folderGraph) {
        if (!IsPlatform(folder))
            continue;
        for (const std::string& target : targets)
            EXPECT_TRUE(IsPlatform(target)) << folder << " includes " << target;
    }
}

TEST(SourceLayout, EveryIncludeFollowsAnAllowedEdgeAndTheEdgesDoNotLoop) {
    EXPECT_EQ(FindCycle(AllowedEdges()), "");
    const Includes includes = ReadIncludes();
    for (const auto& [folder, targets] : includes.folderGraph) {
        const auto allowed = AllowedEdges().find(folder);
        ASSERT_NE(allowed, AllowedEdges().end()) << folder << " is missing from the edge table";
        for (const std::string& target : targets)
            EXPECT_TRUE(allowed->second.count(target)) << folder << " includes " << target;
    }
}

TEST(SourceLayout, ThePlatformLayerHasOnlyPartFoldersEachWithAReadme) {
    for (const auto& entry : fs::directory_iterator(kSrc / "platform")) {
        ASSERT_TRUE(entry.is_directory()) << entry.path().filename() << " at the top of platform/";
        const std::string part = "platform/" + entry.path().filename().string();
        EXPECT_TRUE(AllowedEdges().count(part)) << part << " is missing from the edge table";
        EXPECT_TRUE(fs::exists(entry.path() / "README.md")) << part << " has no README.md";
    }
}

TEST(SourceLayout, OnlyTheHostPartOfThePlatformIncludesSdl) {
    const Includes includes = ReadIncludes();
    ASSERT_FALSE(includes.sdlIncluders.empty());
    for (const std::string& file : includes.sdlIncluders) EXPECT_TRUE(IsHost(file)) << file;
}

// Tests may use SDL themselves (virtual pads, pictures, the mixer), but they reach a host part as
// the run part does: through CreateWindowedFrontend, never through its own headers.
TEST(SourceLayout, TestsIncludeNoHostHeader) {
    const fs::path tests = fs::path(DUNSPELT_SOURCE_DIR) / "tests";
    const std::regex host(R"(^\s*#\s*include\s*"platform/(host|web)/)");
    size_t files = 0;
    for (auto it = fs::recursive_directory_iterator(tests); it != fs::end(it); ++it) {
        if (it->is_directory() && it->path().filename() == "node_modules") {
            it.disable_recursion_pending();
            continue;
        }
        const std::string ext = it->path().extension().string();
        if (!it->is_regular_file() || (ext != ".cpp" && ext != ".hpp"))
            continue;
        ++files;
        std::ifstream in(it->path());
        for (std::string line; std::getline(in, line);)
            EXPECT_FALSE(std::regex_search(line, host)) << it->path() << ": " << line;
    }
    EXPECT_GT(files, 0u);
}

TEST(SourceLayout, TheCycleFinderFindsACycle) {
    EXPECT_EQ(FindCycle({{"a", {"b"}}, {"b", {"c"}}, {"c", {"a"}}}), "a -> b -> c -> a");
    EXPECT_EQ(FindCycle({{"a", {"b", "c"}}, {"b", {"c"}}}), "");
}
