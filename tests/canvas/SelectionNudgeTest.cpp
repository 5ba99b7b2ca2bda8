#include "canvas/SelectionNudge.h"
#include "canvas/FrameBinding.h"
#include "canvas/QxGrabSize.h"
#include "document/WindowItem.h"

#include <QCoreApplication>
#include <QWidget>

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace {

using volmar::FrameBounds;

class SelectionNudge : public ::testing::Test {
protected:
    TQxGrabSize* Frame(TWindowItem& item) {
        item.Selected = true;
        auto* frame = new TQxGrabSize(&panel);
        const FrameBounds b = volmar::FrameBoundsForItem(item);
        frame->SetBounds(b.Left, b.Top, b.Width, b.Height);
        frame->SetTag(&item);
        frame->OnResize = [this](TQxGrabSize* f) {
            volmar::CopyFrameBoundsToItem(f->Bounds(), *f->Tag());
            ++resizes;
        };
        frames.push_back(frame);
        return frame;
    }

    static TWindowItem Item(qint32 l, qint32 t, qint32 r, qint32 b) {
        TWindowItem item;
        item.Left = l;
        item.Top = t;
        item.Right = r;
        item.Bottom = b;
        return item;
    }
    static std::array<qint32, 4> Edges(const TWindowItem& i) {
        return {i.Left, i.Top, i.Right, i.Bottom};
    }

    QWidget panel;
    std::vector<TQxGrabSize*> frames;
    int resizes = 0;
};

TEST_F(SelectionNudge, MovesEachSelectedWindowAndItsFrameByExactlyOnePixel) {
    TWindowItem a = Item(10, 10, 60, 60);
    TWindowItem b = Item(100, 50, 150, 90);
    TWindowItem unselectedTag = Item(0, 0, 40, 40);
    Frame(a);
    TQxGrabSize* fb = Frame(b);
    Frame(unselectedTag)->Tag()->Selected = false;

    volmar::MoveSelectedFrames(frames, 1, 0);
    volmar::MoveSelectedFrames(frames, 0, -1);
    EXPECT_EQ(Edges(a), (std::array<qint32, 4>{11, 9, 61, 59}));
    EXPECT_EQ(Edges(b), (std::array<qint32, 4>{101, 49, 151, 89}));
    EXPECT_EQ(Edges(unselectedTag), (std::array<qint32, 4>{0, 0, 40, 40}));
    EXPECT_EQ(fb->Bounds(), (FrameBounds{101, 49, 50, 45}));
    EXPECT_EQ(resizes, 4); // one change of bounds per selected frame and press
}

TEST_F(SelectionNudge, ResizingMovesOnlyTheRightAndBottomEdgesPastZero) {
    TWindowItem a = Item(10, 10, 11, 60);
    TQxGrabSize* frame = Frame(a);
    volmar::ResizeSelectedFrames(frames, -1, 0);
    EXPECT_EQ(Edges(a), (std::array<qint32, 4>{10, 10, 10, 60}));
    volmar::ResizeSelectedFrames(frames, -1, 0);
    EXPECT_EQ(Edges(a), (std::array<qint32, 4>{10, 10, 9, 60}));
    EXPECT_EQ(frame->Bounds(), (FrameBounds{10, 10, -1, 55}));
    volmar::ResizeSelectedFrames(frames, 0, 1);
    EXPECT_EQ(Edges(a), (std::array<qint32, 4>{10, 10, 9, 61}));
}

} // namespace
