// The grab-handle frames: one per selected definition, made and dropped together.
#include "app/MainForm.h"

#include "canvas/FrameBinding.h"
#include "canvas/FrameOverlay.h"
#include "canvas/FramePool.h"
#include "canvas/QxGrabSize.h"
#include "render/RulerPainter.h"

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

// Frames leave the list at once and go back to the pool, which keeps them as
// they are until the event that removed them is over: the frame being removed
// may be the one whose event is running.
void TMainForm::RemoveAllFrames() {
    std::vector<TQxGrabSize*> old;
    old.swap(frames_);
    for (TQxGrabSize* frame : old)
        frame->hide();
    framePool_->GiveBack(std::move(old));
}

void TMainForm::RebuildFrames() {
    RemoveAllFrames();
    for (const auto& item : document_)
        if (item->Selected)
            frames_.push_back(CreateFrame(item.get()));
    if (frames_.size() >= 2)
        for (TQxGrabSize* frame : frames_)
            frame->SetDrawMode(QxGGMultiSelect);
    // Above the new frames, so that a repaint of the overlay does not search
    // thousands of siblings above it for ones that hide it.
    frameOverlay_->raise();
    invalidateRulers(); // they mark the selected window
}

TQxGrabSize* TMainForm::CreateFrame(TWindowItem* item) {
    TQxGrabSize* frame = framePool_->Take();
    frame->SetPopupMenu(WindowEditorPopup);
    // Placed before it is tagged, so that its move changes no window.
    const volmar::FrameBounds bounds = volmar::FrameBoundsForItem(*item);
    frame->SetBounds(bounds.Left, bounds.Top, bounds.Width, bounds.Height);
    frame->SetTag(item);
    ApplyViewToFrame(frame);
    frame->show();
    return frame;
}

TQxGrabSize* TMainForm::MakeFrame() {
    auto* frame = new TQxGrabSize(WindowEditorBackPanel);
    frame->SetOverlay(frameOverlay_);
    WireFrameEvents(frame);
    return frame;
}

void TMainForm::ApplyViewToFrame(TQxGrabSize* frame) const {
    frame->SetSnapGrid(view_.Snap);
    frame->SetSnapGridX(view_.GridX);
    frame->SetSnapGridY(view_.GridY);
    frame->SetColor(view_.HandleColor);
    frame->SetMultiSelectColor(view_.MultiSelectColor);
    frame->SetZoom(view_.Zoom);
}

void TMainForm::ApplyViewToFrames() const {
    for (TQxGrabSize* frame : frames_)
        ApplyViewToFrame(frame);
}
