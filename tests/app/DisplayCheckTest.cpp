#include "app/DisplayCheck.h"

#include <gtest/gtest.h>

TEST(DisplayCheck, PlatformsWithoutDisplayAreNamedWithOrWithoutOptions) {
    const std::pair<const char*, bool> cases[] = {
        {"offscreen", true},      {"offscreen:fontengine=freetype", true},
        {"xcb;vnc", true},        {"", false},
        {"xcb", false},           {"offscreens", false},
        {"xcb:offscreen", false},
    };
    for (const auto& [platforms, withoutDisplay] : cases)
        EXPECT_EQ(volmar::NamesPlatformWithoutDisplay(platforms), withoutDisplay) << platforms;
}
