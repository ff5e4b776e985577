// Puts one form's picture into its SDL window: through a renderer with a streaming texture,
// scaled sharply (nearest pixels to a whole multiple, then linear to the size shown), or,
// where no renderer can be made, through the window's own surface.
#pragma once
#include <string>

#include "platform/display_geometry.hpp"

struct SDL_Window;
struct SDL_Renderer;
struct SDL_Texture;
struct SDL_Surface;

namespace platform {

class Surface;

class WindowPresenter {
  public:
    // `driver` names SDL's render driver ("software", "opengl" ...); empty: SDL's own choice.
    WindowPresenter(SDL_Window* window, const std::string& driver);
    ~WindowPresenter();
    WindowPresenter(const WindowPresenter&) = delete;
    WindowPresenter& operator=(const WindowPresenter&) = delete;

    // Takes a copy of the picture; cheap, and done whenever the picture changed, also between
    // two frames shown.
    void Upload(const Surface& picture);
    // Draws the last picture into `shown` (drawable pixels), black around it, and shows it.
    void Show(display::Rect shown);

    // The window's size in real pixels (larger than its size on a high-density display).
    display::Size DrawableSize() const;
    // The render driver in use, or "window surface" for the fallback.
    std::string DriverName() const;

  private:
    void ShowThroughRenderer(display::Rect shown);
    void ShowThroughWindowSurface(display::Rect shown);

    SDL_Window* window_;
    SDL_Renderer* renderer_ = nullptr;
    SDL_Texture* texture_ = nullptr;    // the picture at its own size
    SDL_Texture* prescaled_ = nullptr;  // the picture at a whole multiple, for sharp scaling
    int prescale_ = 0;
    bool prescaledStale_ = true;
    SDL_Surface* picture_ = nullptr;  // the fallback's copy of the picture
    display::Size size_;
};

}  // namespace platform
