#include "GrabSizeFixture.h"

#include <utility>
#include <vector>

namespace {

using Position = std::pair<qint32, qint32>; // left, top

class GrabSizeMove : public GrabSizeFixture {
protected:
    // A frame at left 100, top 50, pressed at parent (105, 55): anchor (5, 5).
    TQxGrabSize* PressedFrame() {
        TQxGrabSize* frame = AddFrame(100, 50, 100, 57);
        PressOnFrame(frame, QPoint(5, 5));
        return frame;
    }
};

TEST_F(GrabSizeMove, SnapsTheTopLeftCornerTowardZero) {
    TQxGrabSize* frame = PressedFrame();
    std::vector<QPoint> reported;
    frame->OnMouseGrabMoveChangeEvent = [&](TQxGrabSize*, QPoint p) { reported.push_back(p); };
    MoveTo(QPoint(108, 55)); // left 103
    EXPECT_EQ(frame->Left(), 100);
    MoveTo(QPoint(116, 55)); // left 111
    EXPECT_EQ(frame->Left(), 110);
    MoveTo(QPoint(-2, 55)); // left -7
    EXPECT_EQ(frame->Left(), 0);
    Release(QPoint(-2, 55));
    EXPECT_EQ(reported, (std::vector<QPoint>{{100, 50}, {110, 50}, {0, 50}}));
    EXPECT_EQ(frame->Width(), 100);
    EXPECT_EQ(frame->Height(), 57);
    EXPECT_FALSE(frame->IsMoving());
}

TEST_F(GrabSizeMove, FollowsThePointerExactlyWithoutSnapping) {
    TQxGrabSize* frame = AddFrame(100, 50, 100, 57);
    frame->SetSnapGrid(false);
    PressOnFrame(frame, QPoint(5, 5));
    MoveTo(QPoint(108, 55));
    EXPECT_EQ(frame->Left(), 103);
    MoveTo(QPoint(116, 58));
    EXPECT_EQ(frame->Left(), 111);
    EXPECT_EQ(frame->Top(), 53);
    EXPECT_EQ(frame->geometry(), QRect(111, 53, 100, 57));
    Release(QPoint(116, 58));
}

TEST_F(GrabSizeMove, RaisesOnResizeForEverySingleAssignmentInOrder) {
    TQxGrabSize* frame = PressedFrame();
    std::vector<Position> seen;
    frame->OnResize = [&](TQxGrabSize* f) { seen.emplace_back(f->Left(), f->Top()); };
    MoveTo(QPoint(108, 62)); // top 57 then left 103, then snapped top, snapped left
    EXPECT_EQ(seen, (std::vector<Position>{{100, 57}, {103, 57}, {103, 50}, {100, 50}}));
    seen.clear();
    MoveTo(QPoint(108, 62)); // the same place again changes nothing
    EXPECT_TRUE(seen.empty());
    Release(QPoint(108, 62));
}

TEST_F(GrabSizeMove, GroupMovesByTheSnappedDisplacement) {
    TQxGrabSize* dragged = AddFrame(100, 50, 100, 57);
    TQxGrabSize* a = AddFrame(33, 207, 40, 45);
    TQxGrabSize* b = AddFrame(347, 301, 40, 45);
    const std::vector<TQxGrabSize*> frames{dragged, a, b};
    int listings = 0;
    dragged->OnMultiResize = [&](TQxGrabSize* sender, TQxGrabSizeControlList& list) {
        ++listings;
        EXPECT_TRUE(list.empty());
        for (TQxGrabSize* f : frames) {
            if (f == sender)
                continue;
            f->SetMultiResizerTempTop(f->Top());
            f->SetMultiResizerTempLeft(f->Left());
            list.push_back(f);
        }
    };
    PressOnFrame(dragged, QPoint(5, 5));
    MoveTo(QPoint(118, 66)); // pointer moved 13 right and 11 down
    Release(QPoint(118, 66));
    EXPECT_EQ(listings, 1);
    EXPECT_EQ(dragged->Left(), 110);
    EXPECT_EQ(dragged->Top(), 60);
    EXPECT_EQ(a->Left(), 43); // moved by 10, not 13, and still off the grid
    EXPECT_EQ(a->Top(), 217);
    EXPECT_EQ(b->Left(), 357);
    EXPECT_EQ(b->Top(), 311);
}

TEST_F(GrabSizeMove, ListedFramesMoveTopThenLeftEachRaisingOnResize) {
    TQxGrabSize* dragged = AddFrame(100, 50, 100, 57);
    TQxGrabSize* other = AddFrame(300, 300, 40, 45);
    dragged->OnMultiResize = [&](TQxGrabSize*, TQxGrabSizeControlList& list) {
        other->SetMultiResizerTempTop(other->Top());
        other->SetMultiResizerTempLeft(other->Left());
        list.push_back(other);
        list.push_back(nullptr);
    };
    std::vector<Position> seen;
    other->OnResize = [&](TQxGrabSize* f) { seen.emplace_back(f->Left(), f->Top()); };
    PressOnFrame(dragged, QPoint(5, 5));
    MoveTo(QPoint(125, 75));
    Release(QPoint(125, 75));
    EXPECT_EQ(seen, (std::vector<Position>{{300, 320}, {320, 320}}));
}

TEST_F(GrabSizeMove, MultiSelectFramesHaveNoLiveHandlesAndAlwaysMove) {
    TQxGrabSize* frame = AddFrame(100, 50, 100, 57);
    frame->SetDrawMode(QxGGMultiSelect);
    MoveTo(OnFrame(frame, QPoint(2, 2))); // on the top-left corner mark
    EXPECT_EQ(frame->cursor().shape(), Qt::ArrowCursor);
    EXPECT_FALSE(frame->OverHandle());
    Press(QPoint(102, 52));
    EXPECT_TRUE(frame->IsMoving());
    MoveTo(QPoint(122, 72));
    Release(QPoint(122, 72));
    EXPECT_EQ(frame->Bounds(), (volmar::FrameBounds{120, 70, 100, 57}));
}

TEST_F(GrabSizeMove, MovesEvenWhenThePointerLeavesTheFrame) {
    TQxGrabSize* frame = PressedFrame();
    MoveTo(QPoint(605, 405)); // far outside the frame's old place
    EXPECT_EQ(frame->Left(), 600);
    EXPECT_EQ(frame->Top(), 400);
    Release(QPoint(605, 405));
    MoveTo(QPoint(650, 450));
    EXPECT_EQ(frame->Left(), 600); // released: no longer follows
}

TEST_F(GrabSizeMove, AFrameGivenItsParentAfterItsBoundsKeepsThem) {
    auto* frame = new TQxGrabSize;
    frame->SetBounds(100, 50, 100, 57);
    frame->setParent(parent_);
    frame->show();
    EXPECT_EQ(frame->geometry(), QRect(100, 50, 100, 57));
    EXPECT_EQ(frame->Handles()[7].Left, 95);
    Drag(frame, QPoint(5, 5), QPoint(125, 75));
    EXPECT_EQ(frame->Bounds(), (volmar::FrameBounds{120, 70, 100, 57}));
}

} // namespace
