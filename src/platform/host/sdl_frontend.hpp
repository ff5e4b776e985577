// The windowed front end: one SDL window per visible form, keyboard and mouse, music.
#pragma once
#include <map>
#include <memory>
#include <string>

#include "platform/frontend.hpp"
#include "platform/host/sdl_pads.hpp"

struct SDL_Window;
struct Mix_Chunk;

namespace platform {

class Form;

class SdlFrontend : public Frontend {
  public:
    // nullptr when there is no display; `why` then says what failed.
    static std::unique_ptr<SdlFrontend> Create(std::string& why);
    ~SdlFrontend() override;

    bool IsHeadless() const override { return false; }
    int ScreenWidth() const override { return screenWidth_; }
    int ScreenHeight() const override { return screenHeight_; }
    void Poll(App& app, std::vector<InputEvent>& out) override;
    void Shown(App& app, Form& form) override;
    void Present(App& app) override;
    void WaitUntil(App& app, int64_t dueMicros) override;
    void ShowMessage(const std::string& title, const std::string& text) override;
    void PlaySound(const std::string& path) override;
    void PauseSound(bool paused) override;
    void SetVolume(int percent) override;

  private:
    struct Window {
        SDL_Window* window = nullptr;
        uint64_t shownVersion = ~0ULL;
        bool shownOverlay = false;
        std::string caption;
        int left = 0, top = 0;
    };

    SdlFrontend() = default;
    Window& WindowFor(Form* form);
    void DestroyWindow(Window& w);
    Form* FormOfWindow(uint32_t windowId) const;
    void OpenAudio();

    int screenWidth_ = 1024, screenHeight_ = 768;
    std::map<Form*, Window> windows_;
    Form* focused_ = nullptr;
    Form* pressForm_ = nullptr;
    void* pressControl_ = nullptr;
    bool audio_ = false;
    Mix_Chunk* playing_ = nullptr;
    Mix_Chunk* alert_ = nullptr;
    int volume_ = 100;
    host::SdlPads pads_;
};

}  // namespace platform
