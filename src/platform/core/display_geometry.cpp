#include "platform/core/display_geometry.hpp"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace platform::display {

std::optional<double> ParseScale(const std::string& text) {
    if (text == "auto")
        return std::nullopt;
    // Whole numbers 1 to 8, or one of them followed by ".5" (up to 7.5).
    if (text.size() == 1 && text[0] >= '1' && text[0] <= '8')
        return double(text[0] - '0');
    if (text.size() == 3 && text[0] >= '1' && text[0] <= '7' && text.substr(1) == ".5")
        return double(text[0] - '0') + 0.5;
    return std::nullopt;
}

bool IsScaleText(const std::string& text) {
    return text == "auto" || ParseScale(text).has_value();
}

Size ScaledSize(Size client, double scale) {
    return {int(std::floor(client.width * scale + 0.5)),
            int(std::floor(client.height * scale + 0.5))};
}

double AutoScale(Size usable, Size client, Size frame, bool integerOnly) {
    const double step = integerOnly ? 1.0 : kScaleStep;
    for (double s = kMaxScale; s > kMinScale; s -= step) {
        const Size scaled = ScaledSize(client, s);
        if (scaled.width + frame.width <= usable.width &&
            scaled.height + frame.height <= usable.height)
            return s;
    }
    return kMinScale;
}

double ApplyIntegerOnly(double scale, bool integerOnly) {
    return integerOnly ? std::max(kMinScale, std::floor(scale)) : scale;
}

Rect CentredRect(Size picture, Size area) {
    if (picture.width > area.width || picture.height > area.height)
        return FitRect(picture, area, false);
    return {(area.width - picture.width) / 2, (area.height - picture.height) / 2, picture.width,
            picture.height};
}

Rect FitRect(Size picture, Size area, bool integerOnly) {
    if (picture.width <= 0 || picture.height <= 0 || area.width <= 0 || area.height <= 0)
        return {};
    Size shown;
    const int whole = std::min(area.width / picture.width, area.height / picture.height);
    if (integerOnly && whole >= 1) {
        shown = {picture.width * whole, picture.height * whole};
    } else if (int64_t(area.width) * picture.height <= int64_t(area.height) * picture.width) {
        // The width limits: full width, bars above and below.
        shown.width = area.width;
        shown.height = int((int64_t(area.width) * picture.height * 2 + picture.width) /
                           (int64_t(picture.width) * 2));
    } else {
        shown.height = area.height;
        shown.width = int((int64_t(area.height) * picture.width * 2 + picture.height) /
                          (int64_t(picture.height) * 2));
    }
    return {(area.width - shown.width) / 2, (area.height - shown.height) / 2, shown.width,
            shown.height};
}

int SharpPrescale(Size picture, Rect shown) {
    if (picture.width <= 0 || picture.height <= 0)
        return 0;
    if (shown.width <= picture.width && shown.height <= picture.height)
        return 0;
    if (shown.width % picture.width == 0 && shown.height % picture.height == 0 &&
        shown.width / picture.width == shown.height / picture.height)
        return 0;
    const int across = (shown.width + picture.width - 1) / picture.width;
    const int down = (shown.height + picture.height - 1) / picture.height;
    return std::max(across, down);
}

std::optional<Point> WindowToPicture(Point mouse, Size window, Size drawable, Rect shown,
                                     Size picture) {
    if (window.width <= 0 || window.height <= 0 || shown.width <= 0 || shown.height <= 0)
        return std::nullopt;
    // Window coordinates to drawable pixels (the same on an ordinary display).
    const Point pixel{int(int64_t(mouse.x) * drawable.width / window.width),
                      int(int64_t(mouse.y) * drawable.height / window.height)};
    if (mouse.x < 0 || mouse.y < 0 || !shown.Contains(pixel))
        return std::nullopt;
    return Point{int(int64_t(pixel.x - shown.x) * picture.width / shown.width),
                 int(int64_t(pixel.y - shown.y) * picture.height / shown.height)};
}

int CentredEdge(int screen, int outer) {
    constexpr float kTwips = 15.0f;
    const float edge = (float(screen) * kTwips - float(outer) * kTwips) / 2.0f;
    return int(std::nearbyint(edge / kTwips));
}

Point ScaledClientOrigin(Point formTopLeft, Size client, Size frame, Point inset, Size screen,
                         double scale) {
    const Size scaled = ScaledSize(client, scale);
    const Point centred{CentredEdge(screen.width, client.width + frame.width),
                        CentredEdge(screen.height, client.height + frame.height)};
    const Point centredScaled{CentredEdge(screen.width, scaled.width + frame.width),
                              CentredEdge(screen.height, scaled.height + frame.height)};
    const auto offset = [&](int from, int centre) {
        return int(std::lround(double(from - centre) * scale));
    };
    return {centredScaled.x + offset(formTopLeft.x, centred.x) + inset.x,
            centredScaled.y + offset(formTopLeft.y, centred.y) + inset.y};
}

bool FillsScreenInFullscreen(Size client) {
    return client.width >= kGameWindow.width && client.height >= kGameWindow.height;
}

}  // namespace platform::display
