#include "document/HintText.h"
#include "document/GridSnap.h"

#include <gtest/gtest.h>

#include <climits>

using volmar::CanvasRect;
using volmar::SizeHintText;
using volmar::SnapToGrid;

TEST(HintText, SizeIsWidthTimesHeightWithoutSpaces) {
    EXPECT_EQ(SizeHintText(CanvasRect{20, 40, 70, 90}), QStringLiteral("50\u00D750"));
    EXPECT_EQ(SizeHintText(CanvasRect{0, 0, 200, 100}), QStringLiteral("200\u00D7100"));
}

TEST(HintText, SizeOfAnUnnormalisedRectangleIsPositive) {
    EXPECT_EQ(SizeHintText(CanvasRect{70, 90, 20, 40}), QStringLiteral("50\u00D750"));
    EXPECT_EQ(SizeHintText(CanvasRect{0, 0, -1, 0}), QStringLiteral("1\u00D70"));
}

TEST(HintText, SizeOfTheWidestRectangleDoesNotOverflow) {
    EXPECT_EQ(SizeHintText(CanvasRect{INT_MAX, INT_MIN, INT_MIN, INT_MAX}),
              QStringLiteral("4294967295\u00D74294967295"));
}

TEST(HintText, PositionIsLeftTimesTop) {
    EXPECT_EQ(volmar::PositionHintText(40, 120), QStringLiteral("40\u00D7120"));
    EXPECT_EQ(volmar::PositionHintText(-7, 0), QStringLiteral("-7\u00D70"));
}

TEST(GridSnap, TruncatesTowardZeroToAMultipleOfTheStep) {
    EXPECT_EQ(SnapToGrid(23, 10), 20);
    EXPECT_EQ(SnapToGrid(29, 10), 20);
    EXPECT_EQ(SnapToGrid(30, 10), 30);
    EXPECT_EQ(SnapToGrid(-7, 10), 0);
    EXPECT_EQ(SnapToGrid(-17, 10), -10);
}

TEST(GridSnap, AZeroStepOrTheLowestValueNeverTraps) {
    EXPECT_EQ(SnapToGrid(23, 0), 23);
    EXPECT_EQ(SnapToGrid(INT_MIN, -1), INT_MIN);
}
