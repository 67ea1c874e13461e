#include "shared/about/about_layout.h"

#include <array>
#include <bit>
#include <gtest/gtest.h>

using namespace about;

// Every figure of the window (all of them 32-bit numbers) scales with the DPI, halves rounded
// up; the window as it has always been drawn is the one at 96 DPI, also when the DPI is unknown.
TEST(AboutLayout, EveryFigureScalesWithTheDpi) {
    using Figures = std::array<int32_t, sizeof(AboutLayout) / sizeof(int32_t)>;
    const auto at96 = std::bit_cast<Figures>(AboutLayoutAt(96));
    EXPECT_EQ(std::bit_cast<Figures>(AboutLayoutAt(0)), at96);
    for (const int32_t dpi : {120, 144, 192}) {
        const auto scaled = std::bit_cast<Figures>(AboutLayoutAt(dpi));
        for (size_t i = 0; i < at96.size(); ++i)
            EXPECT_EQ(scaled[i], (at96[i] * dpi + 48) / 96) << dpi << " DPI, figure " << i;
    }
    EXPECT_EQ(AboutLayoutAt(120).textFont, (Extent{8, 20})); // 6 x 1.25 = 7.5 rounds up
}
