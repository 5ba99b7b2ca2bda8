// Clipboard, delete and select-all commands.
#include "app/MainForm.h"

#include "commands/ClipboardText.h"

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>

void TMainForm::aacCopyExecute() {
    QGuiApplication::clipboard()->setText(volmar::CopiedText(document_));
}

void TMainForm::aacCutExecute() {
    aacCopyExecute();
    aacDeleteExecute();
}

// Pasted windows land in front of all others; the clipboard then holds them
// at their new places, so the next paste lands one offset further. Only the
// last definition of the document ends up selected, as if picked by the user.
void TMainForm::aacPasteExecute() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    const volmar::PastedText pasted = volmar::ReadPastedText(clipboard->text());
    for (const TWindowItem& item : pasted.Definitions)
        document_.Append(item);
    clipboard->setText(pasted.NextClipboardText);
    invalidateCanvas();
    RebuildWindowSelector();
    if (WindowSelector->count() > 0) {
        WindowSelector->setCurrentIndex(WindowSelector->count() - 1);
        WindowSelectorChange();
    }
}

// The selected definitions are unselected and their frames removed before
// the definitions themselves go, back to front. One rebuild of the frames
// serves them all: rebuilding once per definition would create and drop a
// frame for every other selected definition each time.
void TMainForm::aacDeleteExecute() {
    std::vector<int> doomed;
    for (int i = document_.Count() - 1; i >= 0; --i) {
        TWindowItem* item = document_.At(i);
        if (!item->Selected)
            continue;
        item->Selected = false;
        doomed.push_back(i);
    }
    RebuildFrames();
    for (int index : doomed)
        document_.RemoveAt(index);
    RebuildWindowSelector();
    invalidateCanvas();
}

// The selector is left as it was; the keyboard moves act on the canvas panel.
void TMainForm::aacSelectAllExecute() {
    arrangeReference_ = nullptr; // the front-most selected window stands in
    SetAllSelected(false);
    RebuildFrames();
    SetAllSelected(true);
    RebuildFrames();
    WindowEditorBackPanel->setFocus();
}
