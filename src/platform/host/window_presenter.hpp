// Puts one form's picture into its SDL window: through a renderer with a streaming texture,
// scaled sharply (nearest pixels to a whole multiple, then linear to the size shown), or,
// without a GPU, scaled on the processor straight into the window's own surface, where only
// the part of the picture that changed is drawn and sent: SDL's software renderer would scale
// and send all of it, several milliseconds a frame at the larger scales.
#pragma once
#include <string>

#include "platform/core/display_geometry.hpp"
#include "platform/core/surface.hpp"
#include "platform/display/sharp_scaler.hpp"

struct SDL_Window;
struct SDL_Renderer;
struct SDL_Texture;
struct SDL_Surface;

namespace platform {

class WindowPresenter {
  public:
    // `driver` names SDL's render driver ("software", "opengl" ...); empty: SDL's own choice.
    // The software driver lets pictures at their own size go through the window surface.
    WindowPresenter(SDL_Window* window, const std::string& driver);
    ~WindowPresenter();
    WindowPresenter(const WindowPresenter&) = delete;
    WindowPresenter& operator=(const WindowPresenter&) = delete;

    // Draws `picture` into `shown` (drawable pixels), black around it, and shows it.
    // `changed`: the picture differs from the one shown last.
    void Show(const Surface& picture, bool changed, display::Rect shown);

    // The window's size in real pixels (larger than its size on a high-density display).
    display::Size DrawableSize() const;

  private:
    bool ShowThroughWindowSurface(const Surface& picture, bool changed, display::Rect shown);
    bool MakeRenderer();
    void DropTextures();
    void DropRenderer();
    void ShowThroughRenderer(const Surface& picture, bool changed, display::Rect shown);

    SDL_Window* window_;
    std::string driver_;
    bool drawOnProcessor_ = false;  // no GPU: scaled here, only what changed
    SharpScaler scaler_;
    SDL_Surface* surface_ = nullptr;  // the window surface drawn into last
    Surface shownBefore_;             // the picture it holds
    bool rendererFailed_ = false;
    SDL_Renderer* renderer_ = nullptr;
    SDL_Texture* texture_ = nullptr;    // the picture at its own size
    SDL_Texture* prescaled_ = nullptr;  // the picture at a whole multiple, for sharp scaling
    int prescale_ = 0;
    bool prescaledStale_ = true;
    display::Size size_;  // of the texture
};

}  // namespace platform
