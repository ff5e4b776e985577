#include "screens/screen_common.hpp"

#include "assets/game_pictures.hpp"
#include "platform/core/app_folder.hpp"
#include "platform/forms/app.hpp"
#include "platform/forms/sound.hpp"
#include "screens/izvelne.hpp"
#include "world/frm_main.hpp"

namespace game {

void PlayGameSound(const std::string& relativeName) {
    platform::PlaySoundFile(platform::AppFilePath(relativeName));
}

void ExitGame() {
    PlayGameSound("\\muz\\silence.wav");
    platform::App::Get().EndProcess(0);
}

void ReturnToMenu(platform::Form& screen) {
    FrmMain().GameTimer.SetEnabled(false);
    screen.Unload();
    izvelne().Show();
}

std::shared_ptr<platform::Surface> ButtonPicture(const std::string& word) {
    return GamePicture("button_" + word + ".png");
}

std::shared_ptr<platform::Surface> ButtonHoverPicture(const std::string& word) {
    return GamePicture("button_" + word + "_hover.png");
}

}  // namespace game
