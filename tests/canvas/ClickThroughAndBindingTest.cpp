// The click-through decision and the frame/definition rule.
#include "canvas/ClickThrough.h"
#include "canvas/FrameBinding.h"
#include "document/WindowItem.h"

#include <gtest/gtest.h>

#include <climits>

using namespace volmar;

TEST(ClickThrough, DecidesBetweenFramePassThroughAndSwallow) {
    TWindowItem cur;
    TWindowItem other;
    // A live handle always belongs to the frame, even with another window in front.
    EXPECT_EQ(DecideClickThrough(&cur, true, 1, &other), ClickThrough::FrameTakesPress);
    // On the selected window itself, or in a multiple selection, the frame moves.
    EXPECT_EQ(DecideClickThrough(&cur, false, 1, &cur), ClickThrough::FrameTakesPress);
    EXPECT_EQ(DecideClickThrough(&cur, false, 2, &other), ClickThrough::FrameTakesPress);
    EXPECT_EQ(DecideClickThrough(&cur, false, 2, nullptr), ClickThrough::FrameTakesPress);
    // Another window under the pointer takes the selection.
    EXPECT_EQ(DecideClickThrough(&cur, false, 1, &other), ClickThrough::SwitchToHit);
    // Outside every window (edge pixels, the strip below) the press is swallowed.
    EXPECT_EQ(DecideClickThrough(&cur, false, 1, nullptr), ClickThrough::Swallow);
    // Without a selected frame there is nothing to pass through.
    EXPECT_EQ(DecideClickThrough(nullptr, false, 0, nullptr), ClickThrough::FrameTakesPress);
}

TEST(FrameBinding, TheFrameIsFivePixelsTallerThanItsWindowBothWays) {
    TWindowItem item;
    item.Left = 20;
    item.Top = 40;
    item.Right = 70;
    item.Bottom = 90;
    EXPECT_EQ(FrameBoundsForItem(item), (FrameBounds{20, 40, 50, 55}));

    CopyFrameBoundsToItem(FrameBounds{-3, 7, -1, 4}, item);
    EXPECT_EQ(item.Left, -3);
    EXPECT_EQ(item.Top, 7);
    EXPECT_EQ(item.Right, -4);
    EXPECT_EQ(item.Bottom, 6);
}

TEST(FrameBinding, EdgesAtTheInt32LimitsWrapInsteadOfOverflowing) {
    TWindowItem item;
    item.Left = INT_MIN;
    item.Right = INT_MAX;
    item.Top = 0;
    item.Bottom = INT_MAX;
    const FrameBounds b = FrameBoundsForItem(item);
    EXPECT_EQ(b.Width, -1);
    EXPECT_EQ(b.Height, INT_MIN + 4);
    CopyFrameBoundsToItem(b, item);
    EXPECT_EQ(item.Right, INT_MAX);
    EXPECT_EQ(item.Bottom, INT_MAX);
}
