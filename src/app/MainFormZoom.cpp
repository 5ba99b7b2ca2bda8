// The zoom of the canvas: its menu, the wheel, its place in setting.ini.
#include "app/MainForm.h"
#include "app/PaintBox.h"
#include "app/ZoomMenu.h"

#include "canvas/QxGrabSize.h"
#include "canvas/RubberBand.h"
#include "settings/SettingsFolder.h"
#include "settings/ViewOptions.h"

#include <QWheelEvent>

void TMainForm::BuildZoomMenu(QMenu* edit) {
    zoomMenu_ = new volmar::ZoomMenu(edit);
    edit->addMenu(zoomMenu_);
    addActions(zoomMenu_->actions()); // the shortcuts work with the menu closed
    connect(zoomMenu_, &volmar::ZoomMenu::ZoomChosen, this,
            [this](int factor) { runGuarded([this, factor] { setZoom(factor); }); });
    connect(zoomMenu_, &volmar::ZoomMenu::ZoomStep, this,
            [this](int step) { runGuarded([this, step] { setZoom(view_.Zoom + step); }); });
    WindowEditor->installEventFilter(this);
}

void TMainForm::setZoom(int factor) {
    factor = volmar::BoundedZoom(factor);
    zoomMenu_->ShowZoom(factor);
    if (factor == view_.Zoom)
        return;
    view_.Zoom = factor;
    LayOutCanvas();
    rubberBand_->SetZoom(factor);
    for (TQxGrabSize* frame : frames_)
        frame->SetZoom(factor);
    invalidateCanvas();
    invalidateRulers();
}

// Ctrl and the wheel over the canvas zoom it; one notch is one step.
bool TMainForm::ZoomByWheel(const QWheelEvent* event) {
    if (!event->modifiers().testFlag(Qt::ControlModifier))
        return false;
    const int delta = event->angleDelta().y();
    if (delta != 0)
        runGuarded([this, delta] { setZoom(view_.Zoom + (delta > 0 ? 1 : -1)); });
    return true;
}
