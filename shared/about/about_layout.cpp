#include "shared/about/about_layout.h"

namespace about {

namespace {
constexpr int32_t BaseDpi = 96;

constexpr AboutLayout BaseLayout = {
    .window = {400, 200},
    .windowSize = {312, 240},
    .name = {60, 10},
    .description = {20, 50},
    .icon = {134, 80},
    .author = {66, 120},
    .web = {66, 134},
    .mail = {66, 150},
    .button = {122, 180},
    .buttonSize = {70, 24},
    .nameFont = {16, 36},
    .textFont = {6, 16},
};

int32_t Scale(int32_t value, int32_t dpi) {
    return static_cast<int32_t>((int64_t{value} * dpi + BaseDpi / 2) / BaseDpi);
}
Point Scale(Point point, int32_t dpi) { return {Scale(point.x, dpi), Scale(point.y, dpi)}; }
Extent Scale(Extent extent, int32_t dpi) { return {Scale(extent.width, dpi), Scale(extent.height, dpi)}; }
} // namespace

AboutLayout AboutLayoutAt(int32_t dpi) {
    if (dpi <= 0) dpi = BaseDpi;
    const AboutLayout &base = BaseLayout;
    return {Scale(base.window, dpi),      Scale(base.windowSize, dpi), Scale(base.name, dpi),
            Scale(base.description, dpi), Scale(base.icon, dpi),       Scale(base.author, dpi),
            Scale(base.web, dpi),         Scale(base.mail, dpi),       Scale(base.button, dpi),
            Scale(base.buttonSize, dpi),  Scale(base.nameFont, dpi),   Scale(base.textFont, dpi)};
}

} // namespace about
