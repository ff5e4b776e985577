// `make run` builds only what the game needs: asks make which targets it builds and the build
// system that made the build folder (Ninja or make, as CMake generated it) what building them
// from nothing takes, and finds the game and the baker but no test, benchmark, fuzzer or soak
// tool among them.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "support/process_run.hpp"

namespace fs = std::filesystem;
using reliability::ProcessResult;
using reliability::RunProcess;

namespace {

// A make started by `make test` passes its job server and flags down; the dry runs here are
// make's own, not part of that build.
const std::vector<std::string> kOuterMake = {"MAKEFLAGS", "MFLAGS", "MAKELEVEL"};

// A value of the build folder's CMake cache ("Ninja", "/usr/bin/make"), or "".
std::string CacheValue(const fs::path& build, const std::string& name) {
    std::ifstream cache(build / "CMakeCache.txt");
    for (std::string line; std::getline(cache, line);)
        if (line.rfind(name + ":", 0) == 0 && line.find('=') != std::string::npos)
            return line.substr(line.find('=') + 1);
    return "";
}

}  // namespace

TEST(MakeRun, BuildsTheGameBakerAndAppFolderButNoTestOrBenchmark) {
    const fs::path build = fs::path(DUNSPELT_APP_DIR).parent_path();
    ProcessResult plan = RunProcess(
        {"/usr/bin/env", "make", "-n", "-C", DUNSPELT_SOURCE_DIR, "run", "BUILD=" + build.string()},
        kOuterMake);
    ASSERT_EQ(plan.status, 0) << plan.errors;
    std::string targets;
    std::istringstream lines(plan.out);
    for (std::string line; std::getline(lines, line);)
        if (line.find("cmake --build") != std::string::npos) {
            const size_t at = line.find("--target ");
            ASSERT_NE(at, std::string::npos) << "make run builds everything: " << line;
            targets = line.substr(at + 9);
        }
    ASSERT_FALSE(targets.empty()) << plan.out;

    // Every command of the targets, also those of files already built.
    const std::string generator = CacheValue(build, "CMAKE_GENERATOR");
    const std::string tool = CacheValue(build, "CMAKE_MAKE_PROGRAM");
    std::vector<std::string> ask;
    if (generator == "Ninja")
        ask = {tool, "-C", build.string(), "-t", "commands"};
    else if (generator == "Unix Makefiles")
        ask = {tool, "-n", "-B", "-C", build.string()};
    else
        GTEST_SKIP() << "no dry run known for the " << generator << " generator";
    std::istringstream names(targets);
    for (std::string name; names >> name;) ask.push_back(name);
    ProcessResult commands = RunProcess(ask, kOuterMake);
    ASSERT_EQ(commands.status, 0) << commands.errors;
    const std::string& all = commands.out;
    EXPECT_NE(all.find("src/main.cpp"), std::string::npos);
    // By object folder as well as by source: batched compiles name a generated file.
    EXPECT_NE(all.find("dunspelt-baker.dir/"), std::string::npos) << "the baker is not built";
    EXPECT_NE(all.find(std::string("dunspelt-baker ") + DUNSPELT_SOURCE_DIR + "/resources"),
              std::string::npos)
        << "the assets are not baked";
    const std::string source = DUNSPELT_SOURCE_DIR;
    for (const std::string& unwanted : std::vector<std::string>{
             source + "/tests/", source + "/bench/", source + "/fuzz/", source + "/tools/soak/",
             "dunspelt_tests.dir/", "dunspelt_bench.dir/", "fuzz_", "dunspelt-soak.dir/", "-lgtest",
             "libgtest", "libbenchmark"})
        EXPECT_EQ(all.find(unwanted), std::string::npos) << "make run builds " << unwanted;
}
