// The command table of the main window: its actions and their enabling rules.
#include "app/CommandTable.h"
#include "app/ImageList.h"
#include "app/MainForm.h"

#include "dialogs/Dialogs.h"

#include <QAbstractEventDispatcher>
#include <QAction>

void TMainForm::CreateCommands() {
    for (const volmar::CommandEntry& entry : volmar::CommandTable()) {
        auto* action = new QAction(QString::fromUtf8(entry.caption), this);
        action->setObjectName(QLatin1String(entry.name));
        // Qt shows the caption where a tool tip is empty; the commands without
        // one are offered only in menus, which show no tool tips.
        if (entry.hasToolTip)
            action->setToolTip(action->text());
        if (entry.shortcut != 0)
            action->setShortcut(QKeySequence(entry.shortcut));
        if (entry.image >= 0)
            action->setIcon(volmar::ImageListIcon(entry.image));
        action->setCheckable(entry.checkable);
        addAction(action);
        this->*entry.action = action;

        const auto execute = entry.execute;
        connect(action, &QAction::triggered, this,
                [this, execute] { runGuarded([this, execute] { (this->*execute)(); }); });
    }

    MenuEnd = new QAction(QStringLiteral("終了"), this);
    MenuEnd->setObjectName(QStringLiteral("MenuEnd"));
    connect(MenuEnd, &QAction::triggered, this, &TMainForm::MenuEndClick);

    MenuVersion = new QAction(volmar::ImageListIcon(12), QStringLiteral("バージョン情報"), this);
    MenuVersion->setObjectName(QStringLiteral("MenuVersion"));
    connect(MenuVersion, &QAction::triggered, this,
            [this] { runGuarded([this] { MenuVersionClick(); }); });

    // The rules are evaluated whenever the event loop runs out of work.
    if (auto* dispatcher = QAbstractEventDispatcher::instance(thread()))
        connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this,
                &TMainForm::UpdateActions);
}

void TMainForm::UpdateActions() {
    ApplicationEventsIdle();
    aacUndoUpdate();
    aacSaveAsProjectUpdate();
    aacDeleteUpdate();
    aacHelpUpdate();
    aacViewGridLineUpdate();
    aacSnapViewGridUpdate();
    aacViewOptionsUpdate();
    aacViewrulerUpdate();
    aacAlignUpdate();
}

void TMainForm::ApplicationEventsIdle() {
    const bool single = CountSelected() == 1;
    for (QAction* action : {aacSelectProperty, aacZBack, aacZFullBack, aacZTop, aacZFullTop})
        action->setEnabled(single);
}

void TMainForm::aacSaveAsProjectUpdate() {
    aacSaveAsProject->setEnabled(!currentFileName_.isEmpty());
}

void TMainForm::aacDeleteUpdate() {
    const bool any = CountSelected() != 0;
    for (QAction* action : {aacDelete, aacCopy, aacCut})
        action->setEnabled(any);
}

void TMainForm::aacViewGridLineUpdate() {
    aacViewGridLine->setChecked(view_.GridVisible);
}

void TMainForm::aacSnapViewGridUpdate() {
    aacSnapViewGrid->setChecked(view_.Snap);
}

void TMainForm::aacViewrulerUpdate() {
    aacViewruler->setChecked(rulersVisible());
}

void TMainForm::runGuarded(const std::function<void()>& command) {
    volmar::RunGuarded(dialogs_, this, command);
}
