// A frame over a zoomed canvas: bounds in canvas pixels, handles in screen pixels.
#include "GrabSizeFixture.h"

namespace {

TEST_F(GrabSizeFixture, AZoomedFrameScalesItsPlaceButNotItsHandles) {
    for (int f = 1; f <= 3; ++f) {
        SCOPED_TRACE(f);
        TQxGrabSize* frame = AddFrame(20, 30, 100, 65);
        frame->SetZoom(f);
        frame->SetSnapGrid(false);
        EXPECT_EQ(frame->geometry(), QRect(20 * f, 30 * f, 100 * f, 65 * f));
        const volmar::GrabHandle& corner = frame->Handles()[7];
        EXPECT_EQ(corner.Width, volmar::kGrabHandleSide);
        EXPECT_EQ(corner.Left, 100 * f - volmar::kGrabHandleSide);

        // A move by one screen pixel less than a canvas pixel leaves it; one more moves it.
        const QPoint grip(60 * f, 50 * f);
        MoveTo(grip);
        Press(grip);
        MoveTo(grip + QPoint(f - 1, 0));
        EXPECT_EQ(frame->Left(), 20);
        MoveTo(grip + QPoint(f, 0));
        EXPECT_EQ(frame->Left(), 21);
        MoveTo(grip - QPoint(1, 0));
        EXPECT_EQ(frame->Left(), 19);
        Release(grip - QPoint(1, 0));

        // The bottom-right handle follows the pointer's canvas pixel.
        const QPoint handle = frame->geometry().bottomRight() - QPoint(2, 2);
        MoveTo(handle);
        Press(handle);
        MoveTo(QPoint(200 * f + f - 1, 150 * f));
        Release(QPoint(200 * f + f - 1, 150 * f));
        EXPECT_EQ(frame->Left() + frame->Width(), 200);
        EXPECT_EQ(frame->Top() + frame->Height(), 150);
        delete frame;
    }
}

} // namespace
