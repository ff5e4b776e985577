// Game controllers through SDL: the mappings (SDL's own, a gamecontrollerdb.txt in the
// settings folder, then SDL_GAMECONTROLLERCONFIG), opening pads as they are plugged in and
// closing them as they go, and their events as the game's input events.
#pragma once
#include <filesystem>
#include <map>
#include <vector>

#include "platform/forms/input_event.hpp"

union SDL_Event;
struct _SDL_GameController;

namespace platform::host {

class SdlPads {
  public:
    SdlPads() = default;
    ~SdlPads();
    SdlPads(const SdlPads&) = delete;
    SdlPads& operator=(const SdlPads&) = delete;

    // Starts SDL's game-controller part and loads the mappings, before any pad is opened
    // (pads already plugged in arrive as added events afterwards). False when there is none.
    bool Start(const std::filesystem::path& mappingFile);
    // Closes the pads; before SDL itself is shut down.
    void Stop();
    // Turns a controller event into input; false for events that are not a pad's.
    bool Translate(const SDL_Event& event, std::vector<InputEvent>& out);
    size_t Open() const { return pads_.size(); }

  private:
    // The pad's number for the game, its scripts and recordings (1, 2, ...: the lowest free one
    // when it is plugged in); 0 for a pad that is not open.
    int NumberOf(int instanceId) const;
    int FreeNumber() const;

    std::map<int, _SDL_GameController*> pads_;  // by joystick instance id
    std::map<int, int> numbers_;                // the game's number, by joystick instance id
    bool started_ = false;
};

}  // namespace platform::host
