// Settings dialog, help and the about box.
#include "app/MainForm.h"

#include "dialogs/Dialogs.h"
#include "settings/FormSetting.h"
#include "settings/FormVersion.h"
#include "settings/HelpFile.h"
#include "settings/HelpWindow.h"
#include "settings/SettingsFolder.h"

#include <QAction>

// The dialog reads and writes setting.ini itself; once it is confirmed the
// whole file is applied again.
void TMainForm::aacOptionExecute() {
    TSettingForm form(dialogs_, volmar::SettingsFilePath(), this);
    if (dialogs_.Exec(form) == QDialog::Accepted)
        ApplySettings();
}

// The help window is made on first use and lives as a child of this window.
void TMainForm::PrepareHelp() {}

void TMainForm::ReleaseHelp() {}

void TMainForm::aacHelpUpdate() {
    aacHelp->setEnabled(volmar::HelpCommandEnabled());
}

void TMainForm::aacHelpExecute() {
    volmar::ShowHelp(dialogs_, *this, volmar::HelpFilePath());
}

void TMainForm::MenuVersionClick() {
    TVersionForm form(dialogs_, this);
    dialogs_.Exec(form);
}
