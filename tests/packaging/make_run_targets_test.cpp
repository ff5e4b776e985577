// `make run` builds only what the game needs: asks make which targets it builds and the build
// system what building them takes, and finds the game and the baker but no test, benchmark,
// fuzzer or soak tool among them.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "support/process_run.hpp"

namespace fs = std::filesystem;
using reliability::ProcessResult;
using reliability::RunProcess;

TEST(MakeRun, BuildsTheGameBakerAndAppFolderButNoTestOrBenchmark) {
    const fs::path build = fs::path(DUNSPELT_APP_DIR).parent_path();
    ProcessResult plan = RunProcess({"/usr/bin/env", "make", "-n", "-C", DUNSPELT_SOURCE_DIR, "run",
                                     "BUILD=" + build.string()});
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

    std::vector<std::string> ask = {"/usr/bin/env", "ninja", "-C",
                                    build.string(), "-t",    "commands"};
    std::istringstream names(targets);
    for (std::string name; names >> name;) ask.push_back(name);
    ProcessResult commands = RunProcess(ask);
    ASSERT_EQ(commands.status, 0) << commands.errors;
    const std::string& all = commands.out;
    EXPECT_NE(all.find("src/main.cpp"), std::string::npos);
    // By object folder as well as by source: batched compiles name a generated file.
    EXPECT_NE(all.find("dunspelt-baker.dir/"), std::string::npos) << "the baker is not built";
    EXPECT_NE(all.find("dunspelt-baker " DUNSPELT_SOURCE_DIR "/resources"), std::string::npos)
        << "the assets are not baked";
    for (const char* unwanted : {DUNSPELT_SOURCE_DIR "/tests/", DUNSPELT_SOURCE_DIR "/bench/",
                                 DUNSPELT_SOURCE_DIR "/fuzz/", DUNSPELT_SOURCE_DIR "/tools/soak/",
                                 "dunspelt_tests.dir/", "dunspelt_bench.dir/", "fuzz_",
                                 "dunspelt-soak.dir/", "-lgtest", "libgtest", "libbenchmark"})
        EXPECT_EQ(all.find(unwanted), std::string::npos) << "make run builds " << unwanted;
}
