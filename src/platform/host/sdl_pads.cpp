#include "platform/host/sdl_pads.hpp"

#include <SDL.h>

#include <cstdlib>
#include <sstream>
#include <string>

namespace platform::host {
namespace {

int PadButtonOfSdl(Uint8 button) {
    switch (button) {
        case SDL_CONTROLLER_BUTTON_A:
            return int(PadButton::kA);
        case SDL_CONTROLLER_BUTTON_B:
            return int(PadButton::kB);
        case SDL_CONTROLLER_BUTTON_X:
            return int(PadButton::kX);
        case SDL_CONTROLLER_BUTTON_Y:
            return int(PadButton::kY);
        case SDL_CONTROLLER_BUTTON_BACK:
            return int(PadButton::kBack);
        case SDL_CONTROLLER_BUTTON_GUIDE:
            return int(PadButton::kGuide);
        case SDL_CONTROLLER_BUTTON_START:
            return int(PadButton::kStart);
        case SDL_CONTROLLER_BUTTON_LEFTSTICK:
            return int(PadButton::kLeftStick);
        case SDL_CONTROLLER_BUTTON_RIGHTSTICK:
            return int(PadButton::kRightStick);
        case SDL_CONTROLLER_BUTTON_LEFTSHOULDER:
            return int(PadButton::kLeftShoulder);
        case SDL_CONTROLLER_BUTTON_RIGHTSHOULDER:
            return int(PadButton::kRightShoulder);
        case SDL_CONTROLLER_BUTTON_DPAD_UP:
            return int(PadButton::kDpadUp);
        case SDL_CONTROLLER_BUTTON_DPAD_DOWN:
            return int(PadButton::kDpadDown);
        case SDL_CONTROLLER_BUTTON_DPAD_LEFT:
            return int(PadButton::kDpadLeft);
        case SDL_CONTROLLER_BUTTON_DPAD_RIGHT:
            return int(PadButton::kDpadRight);
        default:
            return -1;  // paddles, touchpad, misc: not used
    }
}

int PadAxisOfSdl(Uint8 axis) {
    switch (axis) {
        case SDL_CONTROLLER_AXIS_LEFTX:
            return int(PadAxis::kLeftX);
        case SDL_CONTROLLER_AXIS_LEFTY:
            return int(PadAxis::kLeftY);
        case SDL_CONTROLLER_AXIS_RIGHTX:
            return int(PadAxis::kRightX);
        case SDL_CONTROLLER_AXIS_RIGHTY:
            return int(PadAxis::kRightY);
        case SDL_CONTROLLER_AXIS_TRIGGERLEFT:
            return int(PadAxis::kLeftTrigger);
        case SDL_CONTROLLER_AXIS_TRIGGERRIGHT:
            return int(PadAxis::kRightTrigger);
        default:
            return -1;
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
            event.button = PadButtonOfSdl(e.cbutton.button);
            if (event.button < 0)
                return true;
            break;
        case SDL_CONTROLLERAXISMOTION:
            event.kind = InputEvent::Kind::kPadAxis;
            event.pad = NumberOf(e.caxis.which);
            event.axis = PadAxisOfSdl(e.caxis.axis);
            event.value = e.caxis.value;
            if (event.axis < 0)
                return true;
            break;
        default:
            return false;
    }
    out.push_back(event);
    return true;
}

}  // namespace platform::host
