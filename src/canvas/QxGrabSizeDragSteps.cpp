#include "canvas/QxGrabSize.h"

using volmar::GrabDragStep;
using volmar::Wrap32;

// One step of a handle drag to the parent point (x, y). The edges opposite the
// dragged handle stay where they were when the drag began; nothing is snapped
// or clamped, so a size may become zero or negative.
void TQxGrabSize::RunDragStep(GrabDragStep step, qint32 x, qint32 y) {
    if (!drag_.resizing)
        return;
    switch (step) {
    case GrabDragStep::TopLeft:
        SetTop(y);
        SetLeft(x);
        KeepBottomEdge();
        KeepRightEdge();
        break;
    case GrabDragStep::Top:
        SetTop(y);
        KeepBottomEdge();
        break;
    case GrabDragStep::TopRight:
        SetTop(y);
        KeepBottomEdge();
        RightEdgeTo(x);
        break;
    case GrabDragStep::Left:
        SetLeft(x);
        KeepRightEdge();
        break;
    case GrabDragStep::Right:
        RightEdgeTo(x);
        break;
    case GrabDragStep::BottomLeft:
        SetLeft(x);
        BottomEdgeTo(y);
        KeepRightEdge();
        break;
    case GrabDragStep::Bottom:
        BottomEdgeTo(y);
        break;
    case GrabDragStep::BottomRight:
        BottomEdgeTo(y);
        RightEdgeTo(x);
        break;
    }
}

void TQxGrabSize::KeepBottomEdge() {
    SetHeight(Wrap32(qint64(drag_.resizeOrigin.Top) + drag_.resizeOrigin.Height - Top()));
}

void TQxGrabSize::KeepRightEdge() {
    SetWidth(Wrap32(qint64(drag_.resizeOrigin.Left) + drag_.resizeOrigin.Width - Left()));
}

void TQxGrabSize::BottomEdgeTo(qint32 y) {
    SetHeight(Wrap32(qint64(y) - Top()));
}

void TQxGrabSize::RightEdgeTo(qint32 x) {
    SetWidth(Wrap32(qint64(x) - Left()));
}
