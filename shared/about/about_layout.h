// The About window's pixel layout, as drawn at 96 DPI and scaled to another DPI (portable).
#pragma once
#include <cstdint>

namespace about {

struct Point {
    int32_t x = 0, y = 0;
    bool operator==(const Point &) const = default;
};
struct Extent {
    int32_t width = 0, height = 0;
    bool operator==(const Extent &) const = default;
};

// Window position on the screen and outer size; the rest in the client area: the top-left
// corners of the texts and of the icon, the button's rectangle, and the two fonts' average
// width and cell height.
struct AboutLayout {
    Point window;
    Extent windowSize;
    Point name, description, icon, author, web, mail, button;
    Extent buttonSize;
    Extent nameFont, textFont;
    bool operator==(const AboutLayout &) const = default;
};

// The layout at dpi (the screen's pixels per logical inch, 96 standard): every figure of the
// 96-DPI layout (all positive) times dpi / 96, rounded to the nearest pixel, halves up, as
// MulDiv does. A dpi of 0 or less, a failed query, gives the 96-DPI layout.
AboutLayout AboutLayoutAt(int32_t dpi);

} // namespace about
