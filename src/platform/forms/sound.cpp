#include "platform/forms/sound.hpp"
#include "platform/core/app_folder.hpp"

#include "platform/forms/app.hpp"

namespace platform {

void PlaySoundFile(const std::string& path) {
    App& app = App::Get();
    app.TraceEvent("sound", "file", AppRelativeName(path));
    app.frontend().PlaySound(path);
}

}  // namespace platform
