#include "assets/game_pictures.hpp"

#include <map>

#include "platform/core/app_folder.hpp"
#include "platform/core/picture_file.hpp"
#include "platform/core/runtime_error.hpp"
#include "platform/forms/app.hpp"

namespace game {
namespace {

std::map<std::string, std::shared_ptr<platform::Surface>>& Cache() {
    static std::map<std::string, std::shared_ptr<platform::Surface>> cache;
    return cache;
}

const char* const kAllPictures[] = {
    "hugo1.bmp",
    "hugo2.bmp",
    "hugo3.bmp",
    "hugo4.bmp",
    "hugo5.bmp",
    "hugo6.bmp",
    "hugo1m.bmp",
    "hugo23m.bmp",
    "hugo4m.bmp",
    "hugo56m.bmp",
    "l1e.bmp",
    "l1e1.bmp",
    "l1em.bmp",
    "l1e1m.bmp",
    "l1s.bmp",
    "l1sm.bmp",
    "l2e.bmp",
    "l2e1.bmp",
    "l2em.bmp",
    "l2e1m.bmp",
    "l2s.bmp",
    "l2sm.bmp",
    "Bullet.bmp",
    "BulletMask.bmp",
    "icon.ico",
    "logo.bmp",
    "title.bmp",
    "menu.png",
    "options.png",
    "button_start.png",
    "button_start_hover.png",
    "button_options.png",
    "button_options_hover.png",
    "button_about.png",
    "button_about_hover.png",
    "button_exit.png",
    "button_exit_hover.png",
    "button_on.png",
    "button_on_hover.png",
    "button_off.png",
    "button_off_hover.png",
    "button_back.png",
    "button_back_hover.png",
    "button_menu.png",
    "button_menu_hover.png",
    "button_continue.png",
    "button_continue_hover.png",
};

}  // namespace

std::shared_ptr<platform::Surface> GamePicture(const std::string& file) {
    auto& cache = Cache();
    auto it = cache.find(file);
    if (it != cache.end())
        return it->second;
    auto picture = platform::LoadPicture(platform::AppFilePath("\\pics\\" + file));
    cache[file] = picture;
    return picture;
}

std::string CheckGamePictures() {
    for (const char* file : kAllPictures) {
        try {
            GamePicture(file);
        } catch (const platform::RuntimeError& e) {
            return e.description();
        }
    }
    return {};
}

}  // namespace game
