#include "platform/host/window_presenter.hpp"

#include <SDL.h>

#include <cstring>
#include <vector>

#include "platform/core/surface.hpp"
#include "platform/display/sharp_scaler.hpp"

namespace platform {
namespace {

int RenderDriverIndex(const std::string& name) {
    if (name.empty())
        return -1;
    for (int i = 0; i < SDL_GetNumRenderDrivers(); ++i) {
        SDL_RendererInfo info;
        if (SDL_GetRenderDriverInfo(i, &info) == 0 && name == info.name)
            return i;
    }
    return -1;
}

SDL_Rect ToSdl(display::Rect r) {
    return {r.x, r.y, r.width, r.height};
}

}  // namespace

WindowPresenter::WindowPresenter(SDL_Window* window, const std::string& driver)
    : window_(window), driver_(driver), drawOnProcessor_(driver == "software") {}

WindowPresenter::~WindowPresenter() {
    DropRenderer();
}

bool WindowPresenter::MakeRenderer() {
    if (renderer_)
        return true;
    if (rendererFailed_)
        return false;
    // No vsync: showing a frame must never hold up the next tick.
    renderer_ = SDL_CreateRenderer(window_, RenderDriverIndex(driver_), 0);
    if (!renderer_) {
        rendererFailed_ = true;
        return false;
    }
    SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
    return true;
}

void WindowPresenter::DropTextures() {
    if (prescaled_)
        SDL_DestroyTexture(prescaled_);
    if (texture_)
        SDL_DestroyTexture(texture_);
    prescaled_ = texture_ = nullptr;
    prescale_ = 0;
    size_ = {};
}

void WindowPresenter::DropRenderer() {
    DropTextures();
    if (renderer_)
        SDL_DestroyRenderer(renderer_);
    renderer_ = nullptr;
}

display::Size WindowPresenter::DrawableSize() const {
    display::Size out;
    if (!renderer_ || SDL_GetRendererOutputSize(renderer_, &out.width, &out.height) != 0)
        SDL_GetWindowSizeInPixels(window_, &out.width, &out.height);
    return out;
}

void WindowPresenter::Show(const Surface& picture, bool changed, display::Rect shown) {
    const display::Size size{picture.width(), picture.height()};
    if (size.width <= 0 || size.height <= 0)
        return;
    if (drawOnProcessor_) {
        // The software renderer would draw into this same surface, and show all of it: drawn
        // here, only what changed is scaled and sent to the window system.
        DropRenderer();
        if (ShowThroughWindowSurface(picture, changed, shown))
            return;
        drawOnProcessor_ = false;
    }
    if (MakeRenderer())
        ShowThroughRenderer(picture, changed, shown);
    else
        ShowThroughWindowSurface(picture, false, shown);
}

void WindowPresenter::ShowThroughRenderer(const Surface& picture, bool changed,
                                          display::Rect shown) {
    const display::Size size{picture.width(), picture.height()};
    if (size != size_ || !texture_) {
        DropTextures();
        texture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_XRGB8888,
                                     SDL_TEXTUREACCESS_STREAMING, size.width, size.height);
        if (!texture_) {
            // A renderer that cannot hold the picture: the window surface does it.
            DropRenderer();
            rendererFailed_ = true;
            ShowThroughWindowSurface(picture, false, shown);
            return;
        }
        SDL_SetTextureBlendMode(texture_, SDL_BLENDMODE_NONE);
        SDL_SetTextureScaleMode(texture_, SDL_ScaleModeNearest);
        size_ = size;
        changed = true;
    }
    if (changed) {
        SDL_UpdateTexture(texture_, nullptr, picture.data(), picture.width() * 4);
        prescaledStale_ = true;
    }
    const int prescale = display::SharpPrescale(size_, shown);
    if (prescale > 0 && prescale != prescale_) {
        if (prescaled_)
            SDL_DestroyTexture(prescaled_);
        prescaled_ =
            SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_XRGB8888, SDL_TEXTUREACCESS_TARGET,
                              size_.width * prescale, size_.height * prescale);
        if (prescaled_) {
            SDL_SetTextureBlendMode(prescaled_, SDL_BLENDMODE_NONE);
            SDL_SetTextureScaleMode(prescaled_, SDL_ScaleModeLinear);
        }
        prescale_ = prescale;
        prescaledStale_ = true;
    }
    SDL_Texture* source = texture_;
    if (prescale > 0 && prescaled_) {
        if (prescaledStale_ && SDL_SetRenderTarget(renderer_, prescaled_) == 0) {
            SDL_RenderCopy(renderer_, texture_, nullptr, nullptr);
            SDL_SetRenderTarget(renderer_, nullptr);
            prescaledStale_ = false;
        }
        source = prescaled_;
    }
    const display::Size out = DrawableSize();
    if (shown != display::Rect{0, 0, out.width, out.height})
        SDL_RenderClear(renderer_);
    const SDL_Rect dst = ToSdl(shown);
    SDL_RenderCopy(renderer_, source, nullptr, &dst);
    SDL_RenderPresent(renderer_);
}

bool WindowPresenter::ShowThroughWindowSurface(const Surface& picture, bool changed,
                                               display::Rect shown) {
    SDL_Surface* target = SDL_GetWindowSurface(window_);
    if (!target || target->format->BytesPerPixel != 4 || target->format->Rmask != 0xFF0000 ||
        target->format->Gmask != 0x00FF00 || target->format->Bmask != 0x0000FF)
        return false;
    const display::Size size{picture.width(), picture.height()};
    // A new surface (the window changed size), a new place, or a repaint asked for by the
    // window system (nothing changed in the picture): all of it again, bars included.
    const bool whole = target != surface_ || size != scaler_.picture() ||
                       shown != scaler_.shown() || !changed || shownBefore_.empty();
    std::vector<display::Rect> parts;
    if (whole) {
        scaler_.Configure(size, shown);
        parts = {{0, 0, size.width, size.height}};
    } else {
        parts = ChangedRects(shownBefore_, picture);
        if (parts.empty())
            return true;
    }
    if (SDL_MUSTLOCK(target) && SDL_LockSurface(target) != 0)
        return false;
    if (whole)
        SDL_FillRect(target, nullptr, 0);
    std::vector<SDL_Rect> sent;
    for (const display::Rect& part : parts) {
        const display::Rect area = scaler_.TargetOf(part);
        if (area.width <= 0 || area.height <= 0)
            continue;
        scaler_.Draw(picture, area, static_cast<uint32_t*>(target->pixels), target->pitch / 4);
        sent.push_back(ToSdl(area));
    }
    if (SDL_MUSTLOCK(target))
        SDL_UnlockSurface(target);
    surface_ = target;
    shownBefore_ = picture;  // shares the pixels: the game draws its next picture afresh
    if (whole)
        return SDL_UpdateWindowSurface(window_) == 0;
    return SDL_UpdateWindowSurfaceRects(window_, sent.data(), int(sent.size())) == 0;
}

}  // namespace platform
