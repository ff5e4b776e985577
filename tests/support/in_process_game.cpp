#include "support/in_process_game.hpp"

#include <fstream>
#include <iterator>

#include "assets/frm_pics.hpp"
#include "platform/core/app_folder.hpp"
#include "platform/forms/app.hpp"
#include "platform/forms/headless_frontend.hpp"
#include "world/frm_main.hpp"
#include "world/game_data.hpp"

namespace leveltest {

void InProcessGame::SetUp() {
    app_ = std::make_unique<testsupport::TempApp>();
    platform::App::Get().SetFrontend(std::make_unique<platform::HeadlessFrontend>());
    platform::SetAppFolder(app_->dir().string());
    game::GameData::ResetAll();
}

void InProcessGame::TearDown() {
    game::FrmMain().Unload();
    game::FrmPics().Unload();
    game::GameData::ResetAll();
    app_.reset();
}

std::string InProcessGame::MapsFolder() const {
    return platform::AppFilePath("\\maps\\");
}

std::vector<uint8_t> ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteBytes(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

std::vector<uint8_t> Le16Bytes(const std::vector<int16_t>& values) {
    std::vector<uint8_t> out;
    for (int16_t v : values) {
        out.push_back(uint8_t(uint16_t(v) & 0xFF));
        out.push_back(uint8_t(uint16_t(v) >> 8));
    }
    return out;
}

}  // namespace leveltest
