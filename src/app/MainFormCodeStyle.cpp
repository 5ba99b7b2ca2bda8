// The "コードの形式" submenu of the tool menu and its keys in setting.ini.
#include "app/CodeStyleMenu.h"
#include "app/MainForm.h"

#include "settings/CodeStyleSettings.h"
#include "settings/SettingsFolder.h"

// The stored style is read as the menu is built; each pick is stored at once.
void TMainForm::BuildCodeStyleMenu(QMenu* tools) {
    codeStyleMenu_ = new volmar::CodeStyleMenu(tools);
    tools->addMenu(codeStyleMenu_);
    runGuarded(
        [this] { codeStyleMenu_->SetStyle(volmar::ReadCodeStyle(volmar::SettingsFilePath())); });
    connect(codeStyleMenu_, &volmar::CodeStyleMenu::StyleChosen, this, [this] {
        runGuarded(
            [this] { volmar::SaveCodeStyle(volmar::SettingsFilePath(), codeStyleMenu_->Style()); });
    });
}
