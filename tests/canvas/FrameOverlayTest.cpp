#include "GrabSizeFixture.h"

#include "canvas/FrameOverlay.h"

#include <QAccessible>
#include <QImage>
#include <QRandomGenerator>
#include <QScreen>

#include <vector>

namespace {

struct FrameLook {
    volmar::FrameBounds Bounds;
    TQxGSGrabMode Mode;
    quint32 Color;
};

std::vector<FrameLook> RandomFrames(QRandomGenerator& random, int count) {
    std::vector<FrameLook> looks;
    for (int i = 0; i < count; ++i) {
        // Small, empty and turned-round frames too: their handles stick out.
        const qint32 width = random.bounded(-20, 160);
        const qint32 height = random.bounded(-20, 160);
        looks.push_back({{random.bounded(-60, 700), random.bounded(-60, 500), width, height},
                         random.bounded(2) ? QxGGNormal : QxGGMultiSelect,
                         random.bounded(0x1000000u)});
    }
    return looks;
}

class FrameOverlayTest : public GrabSizeFixture {
protected:
    // The panel as painted with the frames on it: by each frame itself, or by
    // one overlay for all.
    QImage Painted(const std::vector<FrameLook>& looks, bool overlaid) {
        auto* panel = new QWidget(parent_);
        panel->setGeometry(parent_->rect());
        panel->setAutoFillBackground(true);
        auto* overlay = overlaid ? new volmar::FrameOverlay(panel) : nullptr;
        for (const FrameLook& look : looks) {
            auto* frame = new TQxGrabSize(panel);
            frame->SetOverlay(overlay);
            frame->SetBounds(look.Bounds.Left, look.Bounds.Top, look.Bounds.Width,
                             look.Bounds.Height);
            frame->SetDrawMode(look.Mode);
            frame->SetColor(look.Color);
            frame->SetMultiSelectColor(look.Color ^ 0xFFFFFF);
            frame->show();
        }
        if (overlay)
            overlay->raise();
        panel->show();
        const QImage image = panel->grab().toImage().convertToFormat(QImage::Format_RGB32);
        delete panel;
        return image;
    }
};

TEST_F(FrameOverlayTest, PaintsWhatTheFramesWouldPaintThemselves) {
    for (quint32 seed = 1; seed <= 20; ++seed) {
        QRandomGenerator random(seed);
        const std::vector<FrameLook> looks = RandomFrames(random, 30);
        const QImage own = Painted(looks, false);
        const QImage overlaid = Painted(looks, true);
        ASSERT_EQ(own.size(), overlaid.size());
        EXPECT_TRUE(own == overlaid) << "seed " << seed;
    }
}

// The overlay paints the frame; the frame still takes the pointer, and the
// cursor of its handles reaches the window.
TEST_F(FrameOverlayTest, OverlaidFrameStillTakesThePointer) {
    auto* overlay = new volmar::FrameOverlay(parent_);
    TQxGrabSize* frame = AddFrame(0, 0, 0, 0);
    frame->hide();
    frame->SetOverlay(overlay);
    frame->SetBounds(100, 50, 100, 57);
    frame->show();
    overlay->raise();
    MoveTo(OnFrame(frame, QPoint(2, 2)));
    EXPECT_EQ(Window()->cursor().shape(), Qt::SizeFDiagCursor);
    PressOnFrame(frame, QPoint(50, 30));
    EXPECT_TRUE(frame->IsMoving());
    Release(OnFrame(frame, QPoint(50, 30)));
}

// What reaches the window after the event loop has painted, not a fresh
// grab that paints everything: a frame touched again in an area the overlay
// has painted before is painted again.
TEST_F(FrameOverlayTest, RepaintsAnAreaItPaintedBeforeWhenTouchedAgain) {
    auto* overlay = new volmar::FrameOverlay(parent_);
    TQxGrabSize* frame = AddFrame(0, 0, 0, 0);
    frame->SetOverlay(overlay);
    frame->SetBounds(100, 50, 100, 57);
    overlay->raise();
    const QPoint outline = InWindow(frame->pos() + frame->Picture().Rects[0].topLeft());
    for (const quint32 color : {0x0000FFu, 0x00FF00u, 0xFF0000u}) {
        frame->SetColor(color);
        QCoreApplication::processEvents();
        const QImage shown = Window()->screen()->grabWindow(Window()->winId()).toImage();
        EXPECT_EQ(shown.pixel(outline), frame->Picture().Color) << std::hex << color;
    }
}

TEST_F(FrameOverlayTest, FramesAreAccessibleAsPlainWidgets) {
    TQxGrabSize* frame = AddFrame(10, 10, 100, 57);
    QAccessibleInterface* frameInterface = QAccessible::queryAccessibleInterface(frame);
    ASSERT_NE(frameInterface, nullptr);
    EXPECT_EQ(frameInterface->object(), frame);
    EXPECT_EQ(frameInterface->role(), QAccessible::queryAccessibleInterface(parent_)->role());
    EXPECT_EQ(QAccessible::queryAccessibleInterface(parent_)->childCount(), 1);
}

} // namespace
