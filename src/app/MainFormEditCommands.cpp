// Clipboard, delete and select-all commands.
#include "app/MainForm.h"

#include "commands/ClipboardText.h"
#include "edit/ListStep.h"
#include "edit/StepNames.h"

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QScopedValueRollback>

void TMainForm::aacCopyExecute() {
    QGuiApplication::clipboard()->setText(volmar::CopiedText(document_));
}

void TMainForm::aacCutExecute() {
    aacCopyExecute();
    DeleteSelected(volmar::kStepCut);
}

// Pasted windows land in front of all others; the clipboard then holds them
// at their new places, so the next paste lands one offset further. Only the
// last definition of the document ends up selected, as if picked by the user.
// All the pasted windows are one step. Text that holds no window is left on
// the clipboard as it is, and the selection stays: such a paste does nothing.
void TMainForm::aacPasteExecute() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    const volmar::PastedText pasted = volmar::ReadPastedText(clipboard->text());
    if (pasted.Definitions.empty())
        return;
    volmar::DesignDocument::Items items;
    for (const TWindowItem& item : pasted.Definitions)
        items.push_back(std::make_unique<TWindowItem>(item));
    volmar::Selection last{items.back().get()};
    PushStep(volmar::ListStep::Appending(document_, volmar::kStepPaste.toString(), std::move(items),
                                         volmar::SelectedDefinitions(document_), std::move(last)));
    clipboard->setText(pasted.NextClipboardText);
    if (WindowSelector->count() > 0) {
        WindowSelector->setCurrentIndex(WindowSelector->count() - 1);
        WindowSelectorChange();
    }
}

void TMainForm::aacDeleteExecute() {
    DeleteSelected(volmar::kStepDelete);
}

// The selected definitions are unselected and their frames removed before
// the definitions themselves go, all in one step. One rebuild of the frames
// serves them all: rebuilding once per definition would create and drop a
// frame for every other selected definition each time.
void TMainForm::DeleteSelected(QStringView name) {
    std::vector<int> doomed;
    volmar::Selection selection;
    {
        volmar::ChangeNotifier::Batch batch(document_.Notices());
        for (int i = 0; i < document_.Count(); ++i) {
            TWindowItem* item = document_.At(i);
            if (!item->Selected)
                continue;
            document_.SetSelected(item, false);
            doomed.push_back(i);
            selection.push_back(item);
        }
    }
    if (!doomed.empty())
        PushStep(volmar::ListStep::Removing(document_, name.toString(), std::move(doomed),
                                            std::move(selection), {}));
}

// The selector is left as it was; the keyboard moves act on the canvas panel.
void TMainForm::aacSelectAllExecute() {
    arrangeReference_ = nullptr; // the front-most selected window stands in
    const QScopedValueRollback<bool> keep(selectorHeld_, true);
    SetAllSelected(false);
    SetAllSelected(true);
    WindowEditorBackPanel->setFocus();
}
