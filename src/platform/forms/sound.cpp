#include "platform/forms/sound.hpp"

#include "platform/forms/app.hpp"

namespace platform {

void PlaySoundFile(const std::string& path) {
    App& app = App::Get();
    app.TraceEvent("sound", "file", app.RelativeName(path));
    app.frontend().PlaySound(path);
}

}  // namespace platform
