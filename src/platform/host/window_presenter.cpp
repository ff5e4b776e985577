#include "platform/host/window_presenter.hpp"

#include <SDL.h>

#include <cstring>

#include "platform/surface.hpp"

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

WindowPresenter::WindowPresenter(SDL_Window* window, const std::string& driver) : window_(window) {
    // No vsync: showing a frame must never hold up the next tick.
    renderer_ = SDL_CreateRenderer(window_, RenderDriverIndex(driver), 0);
    if (renderer_)
        SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
}

WindowPresenter::~WindowPresenter() {
    if (prescaled_)
        SDL_DestroyTexture(prescaled_);
    if (texture_)
        SDL_DestroyTexture(texture_);
    if (renderer_)
        SDL_DestroyRenderer(renderer_);
    if (picture_)
        SDL_FreeSurface(picture_);
}

std::string WindowPresenter::DriverName() const {
    SDL_RendererInfo info;
    if (renderer_ && SDL_GetRendererInfo(renderer_, &info) == 0)
        return info.name;
    return "window surface";
}

display::Size WindowPresenter::DrawableSize() const {
    display::Size out;
    if (!renderer_ || SDL_GetRendererOutputSize(renderer_, &out.width, &out.height) != 0)
        SDL_GetWindowSizeInPixels(window_, &out.width, &out.height);
    return out;
}

void WindowPresenter::Upload(const Surface& picture) {
    const display::Size size{picture.width(), picture.height()};
    if (size != size_) {
        if (texture_)
            SDL_DestroyTexture(texture_);
        if (prescaled_)
            SDL_DestroyTexture(prescaled_);
        if (picture_)
            SDL_FreeSurface(picture_);
        texture_ = prescaled_ = nullptr;
        picture_ = nullptr;
        prescale_ = 0;
        size_ = size;
    }
    if (renderer_ && !texture_) {
        texture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_XRGB8888,
                                     SDL_TEXTUREACCESS_STREAMING, size.width, size.height);
        if (texture_) {
            SDL_SetTextureBlendMode(texture_, SDL_BLENDMODE_NONE);
            SDL_SetTextureScaleMode(texture_, SDL_ScaleModeNearest);
        } else {
            // A renderer that cannot hold the picture: the window surface does it.
            SDL_DestroyRenderer(renderer_);
            renderer_ = nullptr;
        }
    }
    if (texture_) {
        SDL_UpdateTexture(texture_, nullptr, picture.data(), picture.width() * 4);
    } else {
        if (!picture_)
            picture_ = SDL_CreateRGBSurfaceWithFormat(0, size.width, size.height, 32,
                                                      SDL_PIXELFORMAT_XRGB8888);
        if (!picture_)
            return;
        for (int y = 0; y < size.height; ++y)
            std::memcpy(static_cast<uint8_t*>(picture_->pixels) + size_t(y) * picture_->pitch,
                        picture.row(y), size_t(size.width) * 4);
    }
    prescaledStale_ = true;
}

void WindowPresenter::Show(display::Rect shown) {
    if (size_.width <= 0 || size_.height <= 0)
        return;
    if (renderer_)
        ShowThroughRenderer(shown);
    else
        ShowThroughWindowSurface(shown);
}

void WindowPresenter::ShowThroughRenderer(display::Rect shown) {
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

void WindowPresenter::ShowThroughWindowSurface(display::Rect shown) {
    SDL_Surface* target = SDL_GetWindowSurface(window_);
    if (!target || !picture_)
        return;
    if (shown == display::Rect{0, 0, size_.width, size_.height} &&
        target->format->format == SDL_PIXELFORMAT_XRGB8888 && target->w >= size_.width &&
        target->h >= size_.height) {
        // At the picture's own size: row by row, nothing converted.
        if (SDL_MUSTLOCK(target) && SDL_LockSurface(target) != 0)
            return;
        for (int y = 0; y < size_.height; ++y)
            std::memcpy(static_cast<uint8_t*>(target->pixels) + size_t(y) * size_t(target->pitch),
                        static_cast<const uint8_t*>(picture_->pixels) + size_t(y) * picture_->pitch,
                        size_t(size_.width) * 4);
        if (SDL_MUSTLOCK(target))
            SDL_UnlockSurface(target);
    } else {
        SDL_FillRect(target, nullptr, 0);
        SDL_Rect dst = ToSdl(shown);
        SDL_BlitScaled(picture_, nullptr, target, &dst);
    }
    SDL_UpdateWindowSurface(window_);
}

}  // namespace platform
