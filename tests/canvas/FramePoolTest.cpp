#include "GrabSizeFixture.h"

#include "canvas/FramePool.h"

#include <QPointer>

#include <vector>

namespace {

class FramePoolTest : public GrabSizeFixture {
protected:
    volmar::FramePool pool{[this] {
        ++made;
        return AddFrame(0, 0, 0, 0);
    }};
    int made = 0;

    std::vector<TQxGrabSize*> TakeShown(int count) {
        std::vector<TQxGrabSize*> frames;
        for (int i = 0; i < count; ++i) {
            TQxGrabSize* frame = pool.Take();
            frame->SetBounds(20 * i, 0, 40, 40);
            frame->show();
            frames.push_back(frame);
        }
        return frames;
    }
    void GiveBackHidden(const std::vector<TQxGrabSize*>& frames) { GiveBackHidden(frames, pool); }
    static void GiveBackHidden(const std::vector<TQxGrabSize*>& frames, volmar::FramePool& to) {
        for (TQxGrabSize* frame : frames)
            frame->hide();
        to.GiveBack(frames);
    }
    static void EndOfEvent() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

TEST_F(FramePoolTest, KeepsFramesAsTheyAreUntilTheEventIsOverThenHandsThemOutLowestFirst) {
    std::vector<TQxGrabSize*> first = TakeShown(3);
    ASSERT_EQ(made, 3);
    for (TQxGrabSize* frame : first) {
        frame->SetTag(reinterpret_cast<TWindowItem*>(frame));
        frame->SetDrawMode(QxGGMultiSelect);
    }
    GiveBackHidden(first);
    EXPECT_EQ(first[1]->Tag(), reinterpret_cast<TWindowItem*>(first[1]));
    TQxGrabSize* during = pool.Take();
    EXPECT_EQ(made, 4) << "a frame given back in this event is not handed out in it";
    GiveBackHidden({during});

    EndOfEvent();
    // Lowest in the stacking order first, so that taking them in turn leaves
    // them stacked in that turn, as new frames would be.
    std::vector<TQxGrabSize*> again = TakeShown(4);
    EXPECT_EQ(again, (std::vector<TQxGrabSize*>{first[0], first[1], first[2], during}));
    EXPECT_EQ(made, 4);
    for (TQxGrabSize* frame : again) {
        EXPECT_EQ(frame->Tag(), nullptr);
        EXPECT_EQ(frame->DrawMode(), QxGGNormal);
    }
    pool.Take();
    EXPECT_EQ(made, 5);
}

TEST_F(FramePoolTest, KeepsNoMoreThanItsMostTheHighestGo) {
    volmar::FramePool small([this] { return AddFrame(0, 0, 0, 0); }, 2);
    std::vector<TQxGrabSize*> frames;
    for (int i = 0; i < 3; ++i)
        frames.push_back(small.Take());
    QPointer<TQxGrabSize> highest = frames[2];
    GiveBackHidden(frames, small);
    EndOfEvent();
    EXPECT_FALSE(highest);
    EXPECT_EQ(small.Take(), frames[0]);
    EXPECT_EQ(small.Take(), frames[1]);
}

TEST_F(FramePoolTest, FramesGivenBackWhileAButtonIsDownDieLate) {
    std::vector<TQxGrabSize*> frames = TakeShown(2);
    QPointer<TQxGrabSize> pressed = frames[0];
    Press(OnFrame(frames[0], QPoint(20, 20)));
    GiveBackHidden(frames);
    ASSERT_TRUE(pressed);
    EndOfEvent();
    EXPECT_FALSE(pressed);
    Release(QPoint(20, 20));
    pool.Take();
    EXPECT_EQ(made, 3);
}

TEST_F(FramePoolTest, FramesGivenBackWhileTheRightOrMiddleButtonIsDownDieLateToo) {
    for (const Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton}) {
        std::vector<TQxGrabSize*> frames = TakeShown(1);
        QPointer<TQxGrabSize> pressed = frames[0];
        Press(OnFrame(frames[0], QPoint(20, 20)), button);
        GiveBackHidden(frames);
        EndOfEvent();
        EXPECT_FALSE(pressed) << "button " << button;
        Release(QPoint(20, 20), button);
    }
}

TEST_F(FramePoolTest, RecycledFrameIsLikeANewOne) {
    TQxGrabSize* used = AddFrame(100, 100, 120, 80);
    used->SetColor(0x123456);
    used->SetMultiSelectColor(0x654321);
    used->SetSnapGrid(false);
    used->SetSnapGridX(3);
    used->SetSnapGridY(4);
    used->SetMultiResizerTempLeft(7);
    used->SetDrawMode(QxGGMultiSelect);
    PressOnFrame(used, QPoint(60, 40));
    ASSERT_TRUE(used->IsMoving());
    used->Recycle();
    const TQxGrabSize fresh;
    EXPECT_EQ(used->Color(), fresh.Color());
    EXPECT_EQ(used->MultiSelectColor(), fresh.MultiSelectColor());
    EXPECT_EQ(used->SnapGrid(), fresh.SnapGrid());
    EXPECT_EQ(used->SnapGridX(), fresh.SnapGridX());
    EXPECT_EQ(used->SnapGridY(), fresh.SnapGridY());
    EXPECT_EQ(used->MultiResizerTempLeft(), fresh.MultiResizerTempLeft());
    EXPECT_EQ(used->DrawMode(), fresh.DrawMode());
    EXPECT_FALSE(used->IsMoving());
    EXPECT_FALSE(used->IsResizing());
    EXPECT_FALSE(used->OverHandle());
    EXPECT_EQ(used->cursor().shape(), Qt::ArrowCursor);
    EXPECT_EQ(used->Bounds(), (volmar::FrameBounds{100, 100, 120, 80}))
        << "placed by its next owner";
    Release(OnFrame(used, QPoint(60, 40)));
}

} // namespace
