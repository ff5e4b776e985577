// Puts one form's picture into its SDL window: through a renderer with a streaming texture,
// scaled sharply (nearest pixels to a whole multiple, then linear to the size shown), or
// through the window's own surface. Without a GPU the window surface also shows a picture at
// its own size, one copy cheaper than a software renderer; where no renderer can be made it
// shows every picture.
#pragma once
#include <string>

#include "platform/core/display_geometry.hpp"

struct SDL_Window;
struct SDL_Renderer;
struct SDL_Texture;
struct SDL_Surface;

namespace platform {

class Surface;

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
    bool ShowThroughWindowSurface(const Surface& picture, display::Rect shown);
    bool MakeRenderer();
    void DropTextures();
    void DropRenderer();
    void ShowThroughRenderer(const Surface& picture, bool changed, display::Rect shown);

    SDL_Window* window_;
    std::string driver_;
    bool surfaceAtOwnSize_ = false;  // pictures at their own size skip the renderer
    bool rendererFailed_ = false;
    SDL_Renderer* renderer_ = nullptr;
    SDL_Texture* texture_ = nullptr;    // the picture at its own size
    SDL_Texture* prescaled_ = nullptr;  // the picture at a whole multiple, for sharp scaling
    int prescale_ = 0;
    bool prescaledStale_ = true;
    display::Size size_;  // of the texture
};

}  // namespace platform
