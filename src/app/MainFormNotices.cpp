// What follows a change of the document: one handler for every notice.
#include "app/MainForm.h"

#include "canvas/FrameBinding.h"
#include "canvas/QxGrabSize.h"
#include "render/SkinLoader.h"

#include <QFileInfo>

void TMainForm::DocumentChanged(const volmar::DocumentChanges& changes) {
    if (changes.Canvas) {
        FollowTarget();
        LayOutCanvas();
    }
    if (changes.List || changes.Selection)
        RebuildFrames();
    else if (changes.Bounds)
        PlaceFrames();
    if (changes.List || changes.Names)
        RebuildWindowSelector();
    else if (changes.Selection && !selectorHeld_)
        SyncWindowSelector();
    if (changes.List || changes.Bounds || changes.Names || changes.LiveBounds || changes.Canvas)
        invalidateCanvas();
    invalidateRulers();
}

// Moving a frame writes its edges back into its window, which has them already.
void TMainForm::PlaceFrames() {
    for (TQxGrabSize* frame : frames_) {
        const volmar::FrameBounds b = volmar::FrameBoundsForItem(*FrameItem(frame));
        frame->SetBounds(b.Left, b.Top, b.Width, b.Height);
    }
}

// A skin file stays whatever the runtime; the built-in skin is the runtime's own.
void TMainForm::FollowTarget() {
    const volmar::Runtime runtime = document_.Target().Version;
    view_.ContentsPadding = volmar::WindowPadding(runtime);
    if (!skin_.isNull() && !QFileInfo(skinPath_).isFile())
        skin_ = volmar::LoadBuiltInSkin(runtime);
}
