// The grab-handle frames: one per selected definition, made and dropped together.
#include "app/MainForm.h"

#include "canvas/FrameBinding.h"
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
    const volmar::FrameBounds bounds = volmar::FrameBoundsForItem(*item);
    frame->SetBounds(bounds.Left, bounds.Top, bounds.Width, bounds.Height);
    frame->SetTag(item);
    frame->setParent(WindowEditorBackPanel);
    ApplyViewToFrame(frame);
    // Shown one pixel aside and then moved into place, before its events are
    // wired, so nothing sees the first place and nothing is painted there.
    // Qt repaints a widget that has moved without first searching all its
    // siblings above it; a frame that was only shown gets that search, and
    // with thousands of frames on the panel (Select All) the searches add up
    // to seconds.
    frame->SetLeft(volmar::Wrap32(qint64(bounds.Left) + 1));
    frame->show();
    frame->SetLeft(bounds.Left);
    WireFrameEvents(frame);
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
