// Where the game's pictures go on a real display: the scale factor, the picture's rectangle in
// a window or on a fullscreen screen, where windows are placed, and where the mouse points in
// the game's own pixels. Plain arithmetic, no window system, so it is tested directly.
#pragma once
#include <optional>
#include <string>

namespace platform::display {

struct Size {
    int width = 0, height = 0;
    bool operator==(const Size&) const = default;
};

struct Point {
    int x = 0, y = 0;
    bool operator==(const Point&) const = default;
};

struct Rect {
    int x = 0, y = 0, width = 0, height = 0;
    bool operator==(const Rect&) const = default;
    bool Contains(Point p) const {
        return p.x >= x && p.y >= y && p.x < x + width && p.y < y + height;
    }
};

constexpr double kMinScale = 1.0;
constexpr double kMaxScale = 8.0;
constexpr double kScaleStep = 0.5;

// The game window's client size: the size every scale choice is made for.
constexpr Size kGameWindow{794, 575};

// "auto" gives nullopt; "1" to "8" in steps of 0.5 give the factor. Anything else is not a
// scale (the settings check has already refused it; the command line checks with this).
std::optional<double> ParseScale(const std::string& text);
bool IsScaleText(const std::string& text);

// The largest factor from 1 to 8 in steps of 0.5 (whole numbers only when `integerOnly`) at
// which a window of `client` pixels scaled, plus its unscaled `frame`, fits `usable`; 1 when
// nothing larger fits.
double AutoScale(Size usable, Size client, Size frame, bool integerOnly);

// A forced factor under the integer-only setting: the whole number below it (at least 1).
double ApplyIntegerOnly(double scale, bool integerOnly);

// A picture of `client` pixels at `scale`, rounded to whole pixels (halves up).
Size ScaledSize(Size client, double scale);

// The picture at exactly `picture` size centred in `area` (a window's drawable); when it does
// not fit, the fitted rectangle instead.
Rect CentredRect(Size picture, Size area);

// The largest rectangle of the picture's shape that fits `area`, centred (black bars around
// it). With `integerOnly`, the largest whole multiple that fits, when one does.
Rect FitRect(Size picture, Size area, bool integerOnly);

// The whole multiple the renderer first scales to with nearest pixels before it scales down
// linearly to `shown`: 0 when `shown` is itself a whole multiple (or smaller than the picture)
// and nearest scaling alone is sharp.
int SharpPrescale(Size picture, Rect shown);

// A mouse position in window coordinates (which can differ from drawable pixels on a
// high-density display) as a pixel of the game's picture, or nullopt on a black bar.
std::optional<Point> WindowToPicture(Point mouse, Size window, Size drawable, Rect shown,
                                     Size picture);

// The left (or top) edge of an outer size centred on a screen: computed in twips (15 to the
// pixel) with single-precision division, halves to even, as the game centres its forms.
int CentredEdge(int screen, int outer);

// Where a window's client area goes on the screen at `scale`. The form's own position is in
// unscaled pixels (centred by the game); the scaled window keeps the same offset from the
// centred place, scaled. `frame` is the outer size minus the client size; `inset` the client
// area's offset inside the outer rectangle. At scale 1 this is the form's client position.
Point ScaledClientOrigin(Point formTopLeft, Size client, Size frame, Point inset, Size screen,
                         double scale);

// Whether a form of this client size fills the screen in fullscreen (the game window and the
// screens of its size); smaller ones stay windows above it.
bool FillsScreenInFullscreen(Size client);

}  // namespace platform::display
