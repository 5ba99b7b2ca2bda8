// The main window's answers to the events of the grab-handle frames.
#include "app/MainForm.h"
#include "app/PaintBox.h"

#include "canvas/ClickThrough.h"
#include "canvas/FrameBinding.h"
#include "canvas/FrameDragTool.h"
#include "canvas/QxGrabSize.h"
#include "document/HintText.h"

#include <QAction>
#include <QMouseEvent>

// The frame events carry no pointer position; the hints and the click-through
// take it from the pointer event the frame is handling, recorded here first.
void TMainForm::WireFrameEvents(TQxGrabSize* frame) {
    frame->OnMouseDown = [this](TQxGrabSize* sender, QMouseEvent* event) {
        frameTool_->Pointer = event->globalPosition().toPoint();
        std::optional<volmar::CanvasPoint> held;
        if (event->button() == Qt::LeftButton)
            held = volmar::CanvasPoint{sender->Left(), sender->Top()};
        frameTool_->Press(SelectedFrameBounds(), held);
    };
    frame->OnMouseMove = [this](TQxGrabSize* sender, QMouseEvent* event) {
        frameTool_->Pointer = event->globalPosition().toPoint();
        FrameMouseMove(sender);
    };
    frame->OnResize = [this](TQxGrabSize* sender) { FrameResize(sender); };
    frame->OnMultiResize = [this](TQxGrabSize* sender, TQxGrabSizeControlList& list) {
        FrameMultiResize(sender, list);
    };
    frame->OnCheckUnderItem = [this](TQxGrabSize* sender, bool& hit) {
        FrameCheckUnderItem(sender, hit);
    };
    frame->OnDblClick = [this](TQxGrabSize* sender) { FrameDblClick(sender); };
    frame->OnMouseUp = [this](TQxGrabSize* sender, QMouseEvent*) { FrameMouseUp(sender); };
    frame->OnMouseGrabSizeChangeEvent = [this](TQxGrabSize* sender, volmar::CanvasRect r) {
        FrameGrabSizeChange(sender, r);
    };
    frame->OnMouseGrabMoveChangeEvent = [this](TQxGrabSize* sender, QPoint point) {
        FrameGrabMoveChange(sender, point);
    };
    frame->OnMoveSnap = [this](TQxGrabSize* sender, QPoint raw, QPoint& corner) {
        FrameMoveSnap(sender, raw, corner);
    };
    frame->OnSizeSnap = [this](TQxGrabSize* sender, volmar::GrabDragStep step, QPoint& point) {
        FrameSizeSnap(sender, step, point);
    };
}

// The definition follows every change of its frame's bounds, and so do the
// rulers' marks, whatever moved the frame.
void TMainForm::FrameResize(TQxGrabSize* frame) {
    TWindowItem* item = FrameItem(frame);
    if (!item)
        return;
    volmar::CopyFrameBoundsToItem(frame->Bounds(), *item);
    document_.Notify(volmar::DocumentChanges{.LiveBounds = true});
}

// In a multiple selection every other frame moves along with the dragged one.
void TMainForm::FrameMultiResize(TQxGrabSize* sender, std::vector<TQxGrabSize*>& list) {
    if (sender->DrawMode() != QxGGMultiSelect)
        return;
    for (auto it = frames_.rbegin(); it != frames_.rend(); ++it) {
        TQxGrabSize* frame = *it;
        if (frame == sender)
            continue;
        frame->SetMultiResizerTempTop(frame->Top());
        frame->SetMultiResizerTempLeft(frame->Left());
        list.push_back(frame);
    }
}

// A left press on a frame may belong to the window under it: one lying in
// front of the selected window, or one the frame's edge or strip covers.
// The pressed frame may be destroyed here; RebuildFrames lets it die late.
void TMainForm::FrameCheckUnderItem(TQxGrabSize*, bool& hitUnderItem) {
    const volmar::CanvasPoint p =
        Transform().ToCanvas(WindowEditor->mapFromGlobal(frameTool_->Pointer));
    TQxGrabSize* selected = FindSelectedFrame();
    TWindowItem* cur = FrameItem(selected);
    TWindowItem* hit = DefinitionAt(p.X, p.Y);
    const bool overHandle = selected && selected->OverHandle();
    switch (volmar::DecideClickThrough(cur, overHandle, CountSelected(), hit)) {
    case volmar::ClickThrough::FrameTakesPress:
        return;
    case volmar::ClickThrough::Swallow:
        hitUnderItem = true;
        return;
    case volmar::ClickThrough::SwitchToHit:
        hitUnderItem = true;
        SwitchSelectionTo(hit, cur);
        return;
    }
}

void TMainForm::SwitchSelectionTo(TWindowItem* hit, TWindowItem* cur) {
    arrangeReference_ = hit;
    volmar::ChangeNotifier::Batch batch(document_.Notices());
    document_.SetSelected(hit, true);
    if (cur)
        document_.SetSelected(cur, false);
}

void TMainForm::FrameDblClick(TQxGrabSize*) {
    aacSelectProperty->trigger();
}

// A drag ends as one step, made of what changed since the press.
void TMainForm::FrameMouseUp(TQxGrabSize*) {
    HideCanvasHint();
    frameTool_->Finish();
    ++nudgeChain_;
}

// The window's size while a handle is dragged: the frame is 5 pixels taller.
void TMainForm::FrameGrabSizeChange(TQxGrabSize*, const volmar::CanvasRect& sizeRect) {
    volmar::CanvasRect window = sizeRect;
    window.Bottom = volmar::Wrap32(qint64(sizeRect.Bottom) - volmar::kFrameExtraHeight);
    ShowCanvasHint(volmar::SizeHintText(window), frameTool_->Pointer);
}

// The frame's new left and top while it is dragged.
void TMainForm::FrameGrabMoveChange(TQxGrabSize*, QPoint point) {
    ShowCanvasHint(volmar::PositionHintText(point.x(), point.y()), frameTool_->Pointer);
}

void TMainForm::FrameMouseMove(TQxGrabSize*) {
    repaintRulers();
}
