// The window property dialog and the code generator.
#include "app/MainForm.h"

#include "canvas/QxGrabSize.h"
#include "commands/FormCode.h"
#include "commands/FormProperty.h"
#include "dialogs/Dialogs.h"

namespace {

// A frame is five pixels taller than its window.
constexpr qint32 kFrameExtraHeight = 5;

} // namespace

// Edits the one selected definition. The dialog's fields are small numbers,
// so the frame's bounds below cannot overflow.
void TMainForm::aacSelectPropertyExecute() {
    if (CountSelected() != 1)
        return;
    TQxGrabSize* frame = FindSelectedFrame();
    TWindowItem* item = FrameItem(frame);
    if (!item)
        return;
    TPropertyForm form(this);
    form.Fill(*item);
    if (dialogs_.Exec(form) != QDialog::Accepted)
        return;
    form.ApplyTo(*item);
    frame->SetBounds(item->Left, item->Top, item->Right - item->Left,
                     item->Bottom - item->Top + kFrameExtraHeight);
    invalidateCanvas();
    RebuildWindowSelector();
}

void TMainForm::aacCodeGenExecute() {
    TCodeForm form(this);
    form.Fill(document_);
    dialogs_.Exec(form);
}
