// Operations on the design document: selection, new windows, clearing, z-order.
#include "app/MainForm.h"

#include "dialogs/Dialogs.h"

#include <QLabel>

int TMainForm::CountSelected() const {
    return document_.CountSelected();
}

void TMainForm::SetAllSelected(bool selected) {
    document_.SetAllSelected(selected);
}

TWindowItem* TMainForm::DefinitionAt(qint32 x, qint32 y) const {
    return document_.DefinitionAt(x, y);
}

void TMainForm::SelectInsideRect(const volmar::CanvasRect& r) {
    document_.SelectInsideRect(r);
}

void TMainForm::AddWindowDefinition(const volmar::CanvasRect& r) {
    if (!volmar::IsLargeEnoughForWindow(r)) {
        SetAllSelected(false);
        RebuildFrames();
        invalidateCanvas();
        return;
    }
    const QString name = dialogs_.AskWindowName(this);
    if (name.isEmpty())
        return;
    auto item = std::make_unique<TWindowItem>();
    item->Name = name;
    item->Left = r.Left;
    item->Top = r.Top;
    item->Right = r.Right;
    item->Bottom = r.Bottom;
    document_.Append(std::move(item));
    invalidateCanvas();
    RebuildWindowSelector();
}

void TMainForm::ClearDocument() {
    currentFileName_.clear();
    setStatusText(0, QString());
    // Frames go first: they refer to the definitions.
    RemoveAllFrames();
    document_.Clear();
    arrangeReference_ = nullptr;
    RebuildWindowSelector();
}

// The z-order commands take the selected definition from its frame, drop
// every frame, move the definition and select it again.
void TMainForm::ReorderSelected(const std::function<void(TWindowItem*)>& move) {
    if (CountSelected() == 0)
        return;
    TQxGrabSize* frame = FindSelectedFrame();
    if (!frame)
        return;
    TWindowItem* target = FrameItem(frame);
    SetAllSelected(false);
    RebuildFrames();
    move(target);
    target->Selected = true;
    RebuildFrames();
    RebuildWindowSelector();
    invalidateCanvas();
}

void TMainForm::ZOrderStep(bool toFront) {
    ReorderSelected(
        [this, toFront](TWindowItem* target) { document_.ZOrderStep(target, toFront); });
}

void TMainForm::ZOrderToEnd(bool toFront) {
    ReorderSelected(
        [this, toFront](TWindowItem* target) { document_.ZOrderToEnd(target, toFront); });
}

void TMainForm::aacZBackExecute() {
    ZOrderStep(false);
}

void TMainForm::aacZTopExecute() {
    ZOrderStep(true);
}

void TMainForm::aacZFullBackExecute() {
    ZOrderToEnd(false);
}

void TMainForm::aacZFullTopExecute() {
    ZOrderToEnd(true);
}
