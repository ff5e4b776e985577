// Runs game code in this process: a headless front end, a temporary application folder
// (pictures linked from the built game) and a fresh world state; the game's forms are
// unloaded again afterwards.
#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "support/headless_run.hpp"

namespace leveltest {

class InProcessGame : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    testsupport::TempApp& app() const { return *app_; }
    // The folder argument the game passes for its levels: "<app>/maps/".
    std::string MapsFolder() const;

  private:
    std::unique_ptr<testsupport::TempApp> app_;
};

std::vector<uint8_t> ReadBytes(const std::filesystem::path& path);
void WriteBytes(const std::filesystem::path& path, const std::vector<uint8_t>& bytes);
// Little-endian 16-bit values as the cache file holds them.
std::vector<uint8_t> Le16Bytes(const std::vector<int16_t>& values);

}  // namespace leveltest
