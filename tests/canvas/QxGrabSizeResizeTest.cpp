#include "GrabSizeFixture.h"

#include <utility>
#include <vector>

namespace {

using volmar::FrameBounds;

using GrabSizeHover = GrabSizeFixture;
using GrabSizeResize = GrabSizeFixture;

TEST_F(GrabSizeHover, OnlyTheInnerPixelsOfAHandleArmIt) {
    TQxGrabSize* frame = AddFrame(100, 50, 100, 57);
    const std::pair<QPoint, bool> cases[] = {
        {{0, 0}, false}, {{1, 1}, true}, {{4, 4}, true}, {{5, 5}, false}};
    for (const auto& [point, over] : cases) {
        MoveTo(OnFrame(frame, point));
        EXPECT_EQ(frame->OverHandle(), over) << point.x() << "," << point.y();
        EXPECT_EQ(frame->cursor().shape(), over ? Qt::SizeFDiagCursor : Qt::ArrowCursor);
    }
    MoveTo(OnFrame(frame, QPoint(50, 2))); // handle 1, middle of the top edge
    EXPECT_TRUE(frame->OverHandle());
    EXPECT_EQ(frame->cursor().shape(), Qt::SizeVerCursor);
    MoveTo(OnFrame(frame, QPoint(50, 30)));
    EXPECT_FALSE(frame->OverHandle());
    EXPECT_EQ(frame->cursor().shape(), Qt::ArrowCursor);
}

TEST_F(GrabSizeHover, HandlesFollowEveryChangeOfSize) {
    TQxGrabSize* frame = AddFrame(100, 50, 100, 57);
    frame->SetWidth(200);
    EXPECT_EQ(frame->Handles()[7].Left, 195);
    MoveTo(OnFrame(frame, QPoint(197, 54)));
    EXPECT_EQ(frame->cursor().shape(), Qt::SizeFDiagCursor);
}

TEST_F(GrabSizeResize, BottomRightHandleEndsAtThePointer) {
    TQxGrabSize* frame = AddFrame(100, 50, 100, 57);
    std::vector<std::pair<qint32, qint32>> sizes;
    frame->OnResize = [&](TQxGrabSize* f) { sizes.emplace_back(f->Width(), f->Height()); };
    std::vector<volmar::CanvasRect> reported;
    frame->OnMouseGrabSizeChangeEvent = [&](TQxGrabSize*, volmar::CanvasRect r) {
        reported.push_back(r);
    };
    PressOnFrame(frame, QPoint(97, 54));
    EXPECT_TRUE(frame->IsResizing());
    MoveTo(QPoint(300, 200));
    EXPECT_EQ(frame->Bounds(), (FrameBounds{100, 50, 200, 150}));
    EXPECT_EQ(sizes, (std::vector<std::pair<qint32, qint32>>{{100, 150}, {200, 150}}));
    EXPECT_EQ(reported, (std::vector<volmar::CanvasRect>{{0, 0, 200, 150}}));
    Release(QPoint(300, 200));
    EXPECT_FALSE(frame->IsResizing());
    EXPECT_EQ(frame->Handles()[7].Left, 195);
}

TEST_F(GrabSizeResize, TopLeftHandleKeepsTheBottomRightCorner) {
    TQxGrabSize* frame = AddFrame(100, 50, 200, 150);
    Drag(frame, QPoint(2, 2), QPoint(120, 70));
    EXPECT_EQ(frame->Bounds(), (FrameBounds{120, 70, 180, 130}));
    EXPECT_EQ(frame->geometry(), QRect(120, 70, 180, 130));
}

TEST_F(GrabSizeResize, EdgeHandlesMoveOneEdgeOnly) {
    TQxGrabSize* frame = AddFrame(100, 50, 100, 57);
    Drag(frame, QPoint(97, 28), QPoint(250, 10)); // right edge
    EXPECT_EQ(frame->Bounds(), (FrameBounds{100, 50, 150, 57}));
    Drag(frame, QPoint(76, 2), QPoint(0, 40)); // top edge, middle now at 73
    EXPECT_EQ(frame->Bounds(), (FrameBounds{100, 40, 150, 67}));
    Drag(frame, QPoint(2, 64), QPoint(90, 140)); // bottom-left corner
    EXPECT_EQ(frame->Bounds(), (FrameBounds{90, 40, 160, 100}));
}

TEST_F(GrabSizeResize, PastTheOppositeEdgeSizesGoZeroAndNegative) {
    TQxGrabSize* frame = AddFrame(100, 50, 100, 57);
    PressOnFrame(frame, QPoint(97, 54));
    MoveTo(QPoint(100, 50));
    EXPECT_EQ(frame->Bounds(), (FrameBounds{100, 50, 0, 0}));
    MoveTo(QPoint(90, 40));
    EXPECT_EQ(frame->Bounds(), (FrameBounds{100, 50, -10, -10}));
    EXPECT_EQ(frame->geometry(), QRect(90, 40, 10, 10));
    MoveTo(QPoint(150, 100)); // the drag goes on through zero and back
    EXPECT_EQ(frame->Bounds(), (FrameBounds{100, 50, 50, 50}));
    Release(QPoint(150, 100));
}

TEST_F(GrabSizeResize, TopLeftPastTheOppositeCornerKeepsTheOriginalEdges) {
    TQxGrabSize* frame = AddFrame(100, 50, 100, 57);
    Drag(frame, QPoint(2, 2), QPoint(250, 150));
    EXPECT_EQ(frame->Bounds(), (FrameBounds{250, 150, -50, -43}));
    EXPECT_EQ(frame->geometry(), QRect(200, 107, 50, 43));
}

TEST_F(GrabSizeResize, AHoverAfterAnUnfinishedHandlePressNeverResizes) {
    TQxGrabSize* frame = AddFrame(100, 50, 100, 57);
    PressOnFrame(frame, QPoint(2, 2));
    Release(OnFrame(frame, QPoint(2, 2)));
    Press(OnFrame(frame, QPoint(2, 2))); // the handle is still armed
    MoveTo(QPoint(150, 80));             // leaves the handle with the button held
    Release(QPoint(150, 80));
    EXPECT_FALSE(frame->IsResizing());
    MoveTo(OnFrame(frame, QPoint(2, 2)));
    MoveTo(OnFrame(frame, QPoint(3, 3)));
    EXPECT_EQ(frame->Bounds(), (FrameBounds{100, 50, 100, 57}));
}

} // namespace
