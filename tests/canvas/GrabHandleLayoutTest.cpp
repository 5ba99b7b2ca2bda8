#include "canvas/GrabHandleLayout.h"
#include "canvas/FrameBounds.h"

#include <gtest/gtest.h>

#include <climits>
#include <utility>

using volmar::FrameBounds;
using volmar::GrabHandleAt;
using volmar::LayOutGrabHandles;

TEST(GrabHandleLayout, HandlesOfAFrame100By57) {
    const auto handles = LayOutGrabHandles(100, 57);
    const std::pair<int, int> expected[] = {{0, 0},   {48, 0}, {95, 0},  {0, 26},
                                            {95, 26}, {0, 52}, {48, 52}, {95, 52}};
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(handles[i].Left, expected[i].first) << "handle " << i;
        EXPECT_EQ(handles[i].Top, expected[i].second) << "handle " << i;
        EXPECT_EQ(handles[i].Width, 5);
        EXPECT_EQ(handles[i].Height, 5);
    }
    EXPECT_EQ(handles[0].Cursor, Qt::SizeFDiagCursor);
    EXPECT_EQ(handles[1].Cursor, Qt::SizeVerCursor);
    EXPECT_EQ(handles[2].Cursor, Qt::SizeBDiagCursor);
    EXPECT_EQ(handles[3].Cursor, Qt::SizeHorCursor);
    EXPECT_EQ(handles[7].Step, volmar::GrabDragStep::BottomRight);
}

TEST(GrabHandleLayout, MiddlesTruncateTowardZeroForNegativeSizes) {
    const auto handles = LayOutGrabHandles(-7, -9);
    EXPECT_EQ(handles[1].Left, -3 - 2); // -7 div 2 is -3, not -4
    EXPECT_EQ(handles[3].Top, -4 - 2);
    EXPECT_EQ(handles[7].Left, -12);
}

TEST(GrabHandleLayout, OnlyTheInner4x4PixelsAreSensitive) {
    const auto handles = LayOutGrabHandles(100, 57);
    EXPECT_EQ(GrabHandleAt(handles, 0, 0), -1);
    EXPECT_EQ(GrabHandleAt(handles, 1, 1), 0);
    EXPECT_EQ(GrabHandleAt(handles, 4, 4), 0);
    EXPECT_EQ(GrabHandleAt(handles, 5, 5), -1);
    EXPECT_EQ(GrabHandleAt(handles, 4, 1), 0);
    EXPECT_EQ(GrabHandleAt(handles, 0, 2), -1); // first column of the square
    EXPECT_EQ(GrabHandleAt(handles, 99, 56), 7);
    EXPECT_EQ(GrabHandleAt(handles, 50, 30), -1);
}

TEST(GrabHandleLayout, OverlappingSquaresGoToTheHigherIndex) {
    // On a 6x6 frame every square covers (1..4, 1..4) or its neighbours.
    const auto handles = LayOutGrabHandles(6, 6);
    EXPECT_EQ(GrabHandleAt(handles, 2, 2), 7);
    EXPECT_EQ(GrabHandleAt(handles, 1, 1), 0); // the squares at (1, 1) miss their first pixel
}

TEST(FrameBounds, NegativeSizesAreTurnedRoundForTheWidget) {
    const FrameBounds b{100, 50, -10, -20};
    EXPECT_EQ(volmar::VisibleRect(b), QRect(90, 30, 10, 20));
    EXPECT_EQ(volmar::FrameOffset(b), QPoint(-10, -20));
    EXPECT_EQ(volmar::FrameOffset(FrameBounds{100, 50, 10, 0}), QPoint(0, 0));
}

TEST(FrameBounds, ExtremeBoundsStayWithinWhatAWidgetHolds) {
    const QRect r = volmar::VisibleRect(FrameBounds{INT_MAX, INT_MIN, INT_MIN, INT_MAX});
    EXPECT_GT(r.width(), 0);
    EXPECT_LE(r.width(), 16777215);
    EXPECT_LE(r.left(), 16777215);
    EXPECT_GE(r.top(), -16777215);
}
