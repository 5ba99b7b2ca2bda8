#include "document/CanvasGeometry.h"

#include <gtest/gtest.h>

#include <climits>

using volmar::CanvasPoint;
using volmar::CanvasRect;
using volmar::GridSnapping;
using volmar::NormalizeRect;
using volmar::SnapPoint;

TEST(SnapPoint, TruncatesEachCoordinateTowardZeroByItsOwnStep) {
    const GridSnapping grid{true, 10, 10};
    EXPECT_EQ(SnapPoint(CanvasPoint{23, 29}, grid), (CanvasPoint{20, 20}));
    EXPECT_EQ(SnapPoint(CanvasPoint{30, 47}, grid), (CanvasPoint{30, 40}));
    EXPECT_EQ(SnapPoint(CanvasPoint{-7, -17}, grid), (CanvasPoint{0, -10}));
    EXPECT_EQ(SnapPoint(CanvasPoint{23, 23}, GridSnapping{true, 5, 7}), (CanvasPoint{20, 21}));
}

TEST(SnapPoint, LeavesThePointAloneWhenSnappingIsOffOrTheStepIsOne) {
    EXPECT_EQ(SnapPoint(CanvasPoint{23, -17}, GridSnapping{false, 10, 10}), (CanvasPoint{23, -17}));
    EXPECT_EQ(SnapPoint(CanvasPoint{INT_MIN, INT_MAX}, GridSnapping{true, 1, 1}),
              (CanvasPoint{INT_MIN, INT_MAX}));
}

TEST(NormalizeRect, SwapsOnlyTheReversedPair) {
    EXPECT_EQ(NormalizeRect(CanvasRect{70, 90, 20, 40}), (CanvasRect{20, 40, 70, 90}));
    EXPECT_EQ(NormalizeRect(CanvasRect{70, 40, 20, 90}), (CanvasRect{20, 40, 70, 90}));
    EXPECT_EQ(NormalizeRect(CanvasRect{20, 90, 70, 40}), (CanvasRect{20, 40, 70, 90}));
    EXPECT_EQ(NormalizeRect(CanvasRect{20, 40, 20, 40}), (CanvasRect{20, 40, 20, 40}));
}
