#include "GrabSizeFixture.h"

#include "canvas/FrameOverlay.h"

#include <QAccessible>
#include <QImage>
#include <QRandomGenerator>

#include <vector>

namespace {

struct FrameSpec {
    volmar::FrameBounds Bounds;
    TQxGSGrabMode Mode;
    quint32 Color;
};

std::vector<FrameSpec> RandomFrames(QRandomGenerator& random, int count) {
    std::vector<FrameSpec> specs;
    for (int i = 0; i < count; ++i) {
        // Small, empty and turned-round frames too: their handles stick out.
        const qint32 width = random.bounded(-20, 160);
        const qint32 height = random.bounded(-20, 160);
        specs.push_back({{random.bounded(-60, 700), random.bounded(-60, 500), width, height},
                         random.bounded(2) ? QxGGNormal : QxGGMultiSelect,
                         random.bounded(0x1000000u)});
    }
    return specs;
}

class FrameOverlayTest : public GrabSizeFixture {
protected:
    // The panel as painted with the frames on it: by each frame itself, or by
    // one overlay for all.
    QImage Painted(const std::vector<FrameSpec>& specs, bool overlaid) {
        auto* panel = new QWidget(parent_);
        panel->setGeometry(parent_->rect());
        panel->setAutoFillBackground(true);
        auto* overlay = overlaid ? new volmar::FrameOverlay(panel) : nullptr;
        for (const FrameSpec& spec : specs) {
            auto* frame = new TQxGrabSize(panel);
            frame->SetOverlay(overlay);
            frame->SetBounds(spec.Bounds.Left, spec.Bounds.Top, spec.Bounds.Width,
                             spec.Bounds.Height);
            frame->SetDrawMode(spec.Mode);
            frame->SetColor(spec.Color);
            frame->SetMultiSelectColor(spec.Color ^ 0xFFFFFF);
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
        const std::vector<FrameSpec> specs = RandomFrames(random, 30);
        const QImage own = Painted(specs, false);
        const QImage overlaid = Painted(specs, true);
        ASSERT_EQ(own.size(), overlaid.size());
        EXPECT_TRUE(own == overlaid) << "seed " << seed;
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
