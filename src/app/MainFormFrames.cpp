// The grab-handle frames: one per selected definition, and their events.
#include "app/MainForm.h"

#include "canvas/QxGrabSize.h"
#include "render/RulerPainter.h"

#include <QAction>

namespace {

// A frame is five pixels taller than its window.
constexpr qint32 kFrameExtraHeight = 5;

qint32 Sum32(qint64 a, qint64 b) {
    return volmar::Wrap32(a + b);
}

} // namespace

TWindowItem* TMainForm::FrameItem(const TQxGrabSize* frame) {
    return frame ? frame->Tag() : nullptr;
}

volmar::RulerSelection TMainForm::FrameRulerSelection(const TQxGrabSize* frame) {
    return volmar::RulerSelection{frame->Left(), frame->Top(), frame->Width(), frame->Height()};
}

TQxGrabSize* TMainForm::FindSelectedFrame() const {
    for (auto it = frames_.rbegin(); it != frames_.rend(); ++it) {
        const TWindowItem* item = FrameItem(*it);
        if (item && item->Selected)
            return *it;
    }
    return nullptr;
}

// Frames leave the list at once and die later: the frame being removed may
// be the one whose event is running.
void TMainForm::RemoveAllFrames() {
    std::vector<TQxGrabSize*> old;
    old.swap(frames_);
    for (TQxGrabSize* frame : old) {
        frame->hide();
        frame->deleteLater();
    }
}

void TMainForm::RebuildFrames() {
    RemoveAllFrames();
    for (const auto& item : document_)
        if (item->Selected)
            frames_.push_back(CreateFrame(item.get()));
    if (frames_.size() >= 2)
        for (TQxGrabSize* frame : frames_)
            frame->SetDrawMode(QxGGMultiSelect);
}

TQxGrabSize* TMainForm::CreateFrame(TWindowItem* item) {
    auto* frame = new TQxGrabSize;
    frame->SetPopupMenu(WindowEditorPopup);
    frame->SetBounds(item->Left, item->Top, Sum32(item->Right, -qint64(item->Left)),
                     Sum32(qint64(item->Bottom) - item->Top, kFrameExtraHeight));
    frame->SetTag(item);
    frame->setParent(WindowEditorBackPanel);
    ApplyViewToFrame(frame);
    WireFrameEvents(frame);
    frame->show();
    return frame;
}

void TMainForm::ApplyViewToFrame(TQxGrabSize* frame) const {
    frame->SetSnapGrid(view_.Snap);
    frame->SetSnapGridX(view_.GridX);
    frame->SetSnapGridY(view_.GridY);
    frame->SetColor(view_.HandleColor);
    frame->SetMultiSelectColor(view_.MultiSelectColor);
}

void TMainForm::ApplyViewToFrames() const {
    for (TQxGrabSize* frame : frames_)
        ApplyViewToFrame(frame);
}

void TMainForm::WireFrameEvents(TQxGrabSize* frame) {
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
    frame->OnMouseMove = [this](TQxGrabSize* sender, QMouseEvent*) { FrameMouseMove(sender); };
}

// The definition follows every change of its frame's bounds.
void TMainForm::FrameResize(TQxGrabSize* frame) {
    TWindowItem* item = FrameItem(frame);
    if (!item)
        return;
    item->Left = frame->Left();
    item->Top = frame->Top();
    item->Right = Sum32(frame->Left(), frame->Width());
    item->Bottom = Sum32(Sum32(frame->Top(), frame->Height()), -kFrameExtraHeight);
    invalidateCanvas();
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

void TMainForm::FrameCheckUnderItem(TQxGrabSize*, bool&) {}

void TMainForm::FrameDblClick(TQxGrabSize*) {
    aacSelectProperty->trigger();
}

void TMainForm::FrameMouseUp(TQxGrabSize*) {}

void TMainForm::FrameGrabSizeChange(TQxGrabSize*, const volmar::CanvasRect&) {}

void TMainForm::FrameGrabMoveChange(TQxGrabSize*, QPoint) {}

void TMainForm::FrameMouseMove(TQxGrabSize*) {
    repaintRulers();
}
