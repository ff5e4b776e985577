// The front end of headless runs: no display, no audio device; the screen is a fixed size.
#pragma once
#include "platform/forms/frontend.hpp"

namespace platform {

class HeadlessFrontend : public Frontend {
  public:
    static constexpr int kScreenWidth = 1024;
    static constexpr int kScreenHeight = 768;

    bool IsHeadless() const override { return true; }
    int ScreenWidth() const override { return kScreenWidth; }
    int ScreenHeight() const override { return kScreenHeight; }
    void Poll(App&, std::vector<InputEvent>&) override {}
    void Present(App&) override {}
    void WaitUntil(App&, int64_t) override {}
    void ShowMessage(const std::string&, const std::string&) override {}
    void PlaySound(const std::string&) override {}
};

}  // namespace platform
