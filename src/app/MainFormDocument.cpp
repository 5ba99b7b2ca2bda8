// Operations on the design document: selection, new windows, clearing, z-order.
#include "app/MainForm.h"

#include "dialogs/Dialogs.h"
#include "edit/ListStep.h"
#include "edit/StepNames.h"

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
        return;
    }
    const QString name = dialogs_.AskWindowName(this);
    if (name.isEmpty())
        return;
    auto item = std::make_unique<TWindowItem>();
    item->Name = name;
    volmar::SetBounds(*item, r);
    volmar::DesignDocument::Items items;
    items.push_back(std::move(item));
    const volmar::Selection selection = volmar::SelectedDefinitions(document_);
    PushStep(volmar::ListStep::Appending(document_, volmar::kStepCreate.toString(),
                                         std::move(items), selection, selection));
}

void TMainForm::ClearDocument() {
    currentFileName_.clear();
    setStatusText(0, QString());
    // Frames go first: they refer to the definitions.
    RemoveAllFrames();
    arrangeReference_ = nullptr;
    document_.Clear();
}

// The z-order commands take the selected definition from its frame, drop
// every frame, swap the definition with its partner and select it again. A
// definition already at that end moves nowhere and makes no step.
void TMainForm::ReorderSelected(QStringView name, const std::function<int(int)>& partner) {
    if (CountSelected() == 0)
        return;
    TQxGrabSize* frame = FindSelectedFrame();
    if (!frame)
        return;
    TWindowItem* target = FrameItem(frame);
    SetAllSelected(false);
    const int i = document_.IndexOf(target);
    const int j = i < 0 ? i : partner(i);
    if (j != i)
        PushStep(std::make_unique<volmar::ReorderStep>(document_, name.toString(), i, j,
                                                       volmar::Selection{target}));
    document_.SetSelected(target, true);
}

void TMainForm::ZOrderStep(bool toFront) {
    ReorderSelected(toFront ? volmar::kStepZTop : volmar::kStepZBack,
                    [this, toFront](int i) { return document_.ZOrderStepPartner(i, toFront); });
}

void TMainForm::ZOrderToEnd(bool toFront) {
    ReorderSelected(toFront ? volmar::kStepZFullTop : volmar::kStepZFullBack,
                    [this, toFront](int i) { return document_.ZOrderEndPartner(i, toFront); });
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
