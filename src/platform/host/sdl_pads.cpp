#include "platform/host/sdl_pads.hpp"

#include <SDL.h>

#include <cstdlib>
#include <optional>
#include <sstream>
#include <string>

namespace platform::host {
namespace {

std::optional<PadButton> PadButtonOfSdl(Uint8 button) {
    switch (button) {
        case SDL_CONTROLLER_BUTTON_A:
            return PadButton::kA;
        case SDL_CONTROLLER_BUTTON_B:
            return PadButton::kB;
        case SDL_CONTROLLER_BUTTON_X:
            return PadButton::kX;
        case SDL_CONTROLLER_BUTTON_Y:
            return PadButton::kY;
        case SDL_CONTROLLER_BUTTON_BACK:
            return PadButton::kBack;
        case SDL_CONTROLLER_BUTTON_GUIDE:
            return PadButton::kGuide;
        case SDL_CONTROLLER_BUTTON_START:
            return PadButton::kStart;
        case SDL_CONTROLLER_BUTTON_LEFTSTICK:
            return PadButton::kLeftStick;
        case SDL_CONTROLLER_BUTTON_RIGHTSTICK:
            return PadButton::kRightStick;
        case SDL_CONTROLLER_BUTTON_LEFTSHOULDER:
            return PadButton::kLeftShoulder;
        case SDL_CONTROLLER_BUTTON_RIGHTSHOULDER:
            return PadButton::kRightShoulder;
        case SDL_CONTROLLER_BUTTON_DPAD_UP:
            return PadButton::kDpadUp;
        case SDL_CONTROLLER_BUTTON_DPAD_DOWN:
            return PadButton::kDpadDown;
        case SDL_CONTROLLER_BUTTON_DPAD_LEFT:
            return PadButton::kDpadLeft;
        case SDL_CONTROLLER_BUTTON_DPAD_RIGHT:
            return PadButton::kDpadRight;
        default:
            return std::nullopt;  // paddles, touchpad, misc: not used
    }
}

std::optional<PadAxis> PadAxisOfSdl(Uint8 axis) {
    switch (axis) {
        case SDL_CONTROLLER_AXIS_LEFTX:
            return PadAxis::kLeftX;
        case SDL_CONTROLLER_AXIS_LEFTY:
            return PadAxis::kLeftY;
        case SDL_CONTROLLER_AXIS_RIGHTX:
            return PadAxis::kRightX;
        case SDL_CONTROLLER_AXIS_RIGHTY:
            return PadAxis::kRightY;
        case SDL_CONTROLLER_AXIS_TRIGGERLEFT:
            return PadAxis::kLeftTrigger;
        case SDL_CONTROLLER_AXIS_TRIGGERRIGHT:
            return PadAxis::kRightTrigger;
        default:
            return std::nullopt;
    }
}

}  // namespace

SdlPads::~SdlPads() {
    Stop();
}

void SdlPads::Stop() {
    for (auto& [id, pad] : pads_) SDL_GameControllerClose(pad);
    pads_.clear();
    if (started_)
        SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
    started_ = false;
}

bool SdlPads::Start(const std::filesystem::path& mappingFile) {
    if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0)
        return false;
    started_ = true;
    std::error_code ec;
    if (!mappingFile.empty() && std::filesystem::exists(mappingFile, ec))
        SDL_GameControllerAddMappingsFromFile(mappingFile.string().c_str());
    // The environment's mappings are the player's last word: they go in after the file's.
    if (const char* env = std::getenv("SDL_GAMECONTROLLERCONFIG")) {
        std::istringstream lines(env);
        for (std::string line; std::getline(lines, line);)
            if (!line.empty() && line[0] != '#')
                SDL_GameControllerAddMapping(line.c_str());
    }
    return true;
}

int SdlPads::NumberOf(int instanceId) const {
    const auto it = numbers_.find(instanceId);
    return it == numbers_.end() ? 0 : it->second;
}

int SdlPads::FreeNumber() const {
    for (int number = 1;; ++number) {
        bool taken = false;
        for (const auto& [instance, n] : numbers_) taken = taken || n == number;
        if (!taken)
            return number;
    }
}

bool SdlPads::Translate(const SDL_Event& e, std::vector<InputEvent>& out) {
    InputEvent event{InputEvent::Kind::kPadAdded};
    switch (e.type) {
        case SDL_CONTROLLERDEVICEADDED: {
            // `which` is a device index here; the pad is known by its instance id from now on.
            SDL_GameController* pad = SDL_GameControllerOpen(e.cdevice.which);
            if (!pad)
                return true;
            const int id = SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(pad));
            if (pads_.count(id)) {
                SDL_GameControllerClose(pad);  // the same pad announced twice
                return true;
            }
            event.pad = FreeNumber();
            pads_[id] = pad;
            numbers_[id] = event.pad;
            break;
        }
        case SDL_CONTROLLERDEVICEREMOVED: {
            auto it = pads_.find(e.cdevice.which);
            if (it == pads_.end())
                return true;
            SDL_GameControllerClose(it->second);
            pads_.erase(it);
            event.kind = InputEvent::Kind::kPadRemoved;
            event.pad = NumberOf(e.cdevice.which);
            numbers_.erase(e.cdevice.which);
            break;
        }
        case SDL_CONTROLLERBUTTONDOWN:
        case SDL_CONTROLLERBUTTONUP:
            event.kind = e.type == SDL_CONTROLLERBUTTONDOWN ? InputEvent::Kind::kPadButtonDown
                                                            : InputEvent::Kind::kPadButtonUp;
            event.pad = NumberOf(e.cbutton.which);
            if (const std::optional<PadButton> button = PadButtonOfSdl(e.cbutton.button))
                event.button = *button;
            else
                return true;
            break;
        case SDL_CONTROLLERAXISMOTION:
            event.kind = InputEvent::Kind::kPadAxis;
            event.pad = NumberOf(e.caxis.which);
            if (const std::optional<PadAxis> axis = PadAxisOfSdl(e.caxis.axis))
                event.axis = *axis;
            else
                return true;
            event.value = e.caxis.value;
            break;
        default:
            return false;
    }
    out.push_back(event);
    return true;
}

}  // namespace platform::host
