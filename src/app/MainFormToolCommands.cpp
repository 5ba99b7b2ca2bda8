// The window property dialog, the code generator and its check.
#include "app/MainForm.h"

#include "app/CodeStyleMenu.h"
#include "canvas/FrameBinding.h"
#include "canvas/QxGrabSize.h"
#include "commands/CodeCheck.h"
#include "commands/FormCheck.h"
#include "commands/FormCode.h"
#include "commands/FormProject.h"
#include "commands/FormProperty.h"
#include "dialogs/Dialogs.h"
#include "edit/DefinitionStep.h"
#include "edit/StepNames.h"
#include "edit/TargetStep.h"

#include <QComboBox>
#include <QSignalBlocker>

// Edits the one selected definition.
void TMainForm::aacSelectPropertyExecute() {
    if (CountSelected() != 1)
        return;
    TQxGrabSize* frame = FindSelectedFrame();
    TWindowItem* item = FrameItem(frame);
    if (!item)
        return;
    TPropertyForm form(this);
    form.SetCanvas(document_.Canvas());
    form.Fill(*item);
    if (dialogs_.Exec(form) != QDialog::Accepted)
        return;
    TWindowItem edited = *item;
    form.ApplyTo(edited);
    PushStep(volmar::DefinitionStep::Changing(document_, volmar::kStepProperty.toString(), item,
                                              edited, volmar::Selection{item}));
}

void TMainForm::aacProjectSettingExecute() {
    TProjectForm form(this);
    form.Fill(document_.Target());
    if (dialogs_.Exec(form) != QDialog::Accepted)
        return;
    PushStep(volmar::TargetStep::Changing(document_, volmar::kStepProjectTarget.toString(),
                                          form.Target()));
}

void TMainForm::aacCodeGenExecute() {
    TCodeForm form(this);
    form.Fill(document_, codeStyleMenu_->Style());
    dialogs_.Exec(form);
}

// Lists what makes the generated code wrong; a picked line selects its window
// as the window selector would.
void TMainForm::aacCheckCodeExecute() {
    const std::vector<volmar::CodeProblem> problems = volmar::CheckCode(document_);
    if (problems.empty()) {
        dialogs_.Inform(this, QStringLiteral("問題は見つかりませんでした。"));
        return;
    }
    TCheckForm form(this);
    form.Fill(problems);
    if (dialogs_.Exec(form) != QDialog::Accepted)
        return;
    const int index = form.ChosenIndex();
    if (index < 0 || index >= WindowSelector->count())
        return;
    {
        const QSignalBlocker blocker(WindowSelector);
        WindowSelector->setCurrentIndex(index);
    }
    WindowSelectorChange();
}
