// Settings dialog, help and the about box.
#include "app/MainForm.h"

#include <QAction>

void TMainForm::aacOptionExecute() {}

void TMainForm::PrepareHelp() {}

void TMainForm::ReleaseHelp() {}

// Without a help service the help command stays disabled.
void TMainForm::aacHelpUpdate() {
    aacHelp->setEnabled(false);
}

void TMainForm::aacHelpExecute() {}

void TMainForm::MenuVersionClick() {}
