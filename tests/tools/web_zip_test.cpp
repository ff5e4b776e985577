// `make web-zip`: one folder named after the zip with the page, the licences and the upload
// note, ready for a static host; no zip at all from a folder that has no page.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "support/process_run.hpp"

namespace fs = std::filesystem;
using reliability::RunProcess;

namespace {

class WebZip : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("dunspelt-web-zip-" + std::to_string(getpid()));
        fs::create_directories(dir_ / "web");
        for (const char* file : {"dunspelt.js", "dunspelt.wasm", "dunspelt.data"})
            std::ofstream(dir_ / "web" / file) << file;
    }
    void TearDown() override { fs::remove_all(dir_); }
    reliability::ProcessResult Zip() {
        return RunProcess({std::string(DUNSPELT_SOURCE_DIR) + "/scripts/web-zip.sh",
                           (dir_ / "web").string(), (dir_ / "dunspelt-web-9.9.9.zip").string()});
    }
    fs::path dir_;
};

}  // namespace

TEST_F(WebZip, HoldsOneFolderWithThePageTheLicencesAndTheUploadNote) {
    std::ofstream(dir_ / "web" / "index.html") << "<!doctype html>";
    const auto zipped = Zip();
    ASSERT_EQ(zipped.status, 0) << zipped.errors;
    const auto listing = RunProcess({"/usr/bin/env", "python3", "-m", "zipfile", "-l",
                                     (dir_ / "dunspelt-web-9.9.9.zip").string()});
    ASSERT_EQ(listing.status, 0) << listing.errors;
    for (const char* file : {"index.html", "dunspelt.js", "dunspelt.wasm", "dunspelt.data",
                             "LICENSE", "LICENSE.assets", "README.txt"})
        EXPECT_NE(listing.out.find(std::string("dunspelt-web-9.9.9/") + file + " "),
                  std::string::npos)
            << file << " missing from:\n"
            << listing.out;
}

TEST_F(WebZip, RefusesAFolderWithoutItsPage) {
    const auto zipped = Zip();
    EXPECT_NE(zipped.status, 0);
    EXPECT_NE(zipped.errors.find("has no index.html"), std::string::npos) << zipped.errors;
    EXPECT_FALSE(fs::exists(dir_ / "dunspelt-web-9.9.9.zip"));
}
