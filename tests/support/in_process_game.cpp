#include "support/in_process_game.hpp"

#include "assets/frm_pics.hpp"
#include "platform/core/app_folder.hpp"
#include "platform/forms/app.hpp"
#include "platform/forms/headless_frontend.hpp"
#include "world/game_data.hpp"
#include "world/game_window.hpp"

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

std::vector<uint8_t> Le16Bytes(const std::vector<int16_t>& values) {
    std::vector<uint8_t> out;
    for (int16_t v : values) {
        out.push_back(uint8_t(uint16_t(v) & 0xFF));
        out.push_back(uint8_t(uint16_t(v) >> 8));
    }
    return out;
}

}  // namespace leveltest
