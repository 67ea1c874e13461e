#include "shared/about/about_layout.h"

#include <gtest/gtest.h>

using namespace about;

// Every figure of the window by DPI, worked out by hand from the one at 96 DPI (which is the
// window as it has always been drawn); 120 DPI rounds halves up: 6 -> 8, 10 -> 13, 66 -> 83.
TEST(AboutLayout, EveryFigureScalesWithTheDpi) {
    // Each layout in the order of AboutLayout's members: window, texts and icon, button, fonts.
    // clang-format off
    const AboutLayout at96 = {{400, 200}, {312, 240}, {60, 10},   {20, 50}, {134, 80}, {66, 120},
                              {66, 134},  {66, 150},  {122, 180}, {70, 24}, {16, 36},  {6, 16}};
    const std::pair<int32_t, AboutLayout> cases[] = {
        {96, at96},
        {120, {{500, 250}, {390, 300}, {75, 13}, {25, 63}, {168, 100}, {83, 150}, {83, 168}, {83, 188},
               {153, 225}, {88, 30}, {20, 45}, {8, 20}}},
        {144, {{600, 300}, {468, 360}, {90, 15}, {30, 75}, {201, 120}, {99, 180}, {99, 201}, {99, 225},
               {183, 270}, {105, 36}, {24, 54}, {9, 24}}},
        {192, {{800, 400}, {624, 480}, {120, 20}, {40, 100}, {268, 160}, {132, 240}, {132, 268}, {132, 300},
               {244, 360}, {140, 48}, {32, 72}, {12, 32}}},
        {0, at96}, // the screen's DPI could not be read
    };
    // clang-format on
    for (const auto &[dpi, expected] : cases)
        EXPECT_EQ(AboutLayoutAt(dpi), expected) << dpi << " DPI";
}
