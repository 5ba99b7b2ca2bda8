// The recent-projects submenu of the file menu and the list behind it.
#include "app/DisplayPath.h"
#include "app/MainForm.h"

#include "document/ProjectFile.h"
#include "settings/RecentFiles.h"
#include "settings/SettingsFolder.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

// One entry is made per possible project; the submenu holds only those that
// name one, so assistive technology reads no empty entries. Entries are never
// deleted, as one of them may be the sender of the command that changes the
// list.
void TMainForm::BuildRecentMenu(QMenu* file) {
    MenuRecentFiles = file->addMenu(QStringLiteral("最近使ったプロジェクト"));
    MenuRecentFiles->setObjectName(QStringLiteral("MenuRecentFiles"));
    MenuRecentFiles->setToolTipsVisible(true);
    for (qsizetype i = 0; i < volmar::kRecentFilesMax; ++i) {
        auto* entry = new QAction(MenuRecentFiles);
        entry->setObjectName(QStringLiteral("RecentFile%1").arg(i));
        connect(entry, &QAction::triggered, this, [this, entry] {
            const QString path = entry->data().toString();
            runGuarded([this, &path] { OpenRecentProject(path); });
        });
        recentEntries_ << entry;
    }
    RebuildRecentMenu();
}

void TMainForm::RebuildRecentMenu() {
    for (qsizetype i = 0; i < recentEntries_.size(); ++i) {
        QAction* entry = recentEntries_[i];
        MenuRecentFiles->removeAction(entry);
        if (i >= recentFiles_.size())
            continue;
        const QString& path = recentFiles_[i];
        entry->setData(path);
        // "&" would mark a mnemonic in a menu entry.
        entry->setText(volmar::DisplayPath(MenuRecentFiles->font(), path)
                           .replace(QLatin1Char('&'), QLatin1String("&&")));
        entry->setToolTip(QDir::toNativeSeparators(path));
        MenuRecentFiles->addAction(entry);
    }
    MenuRecentFiles->setEnabled(!recentFiles_.isEmpty());
}

void TMainForm::LoadRecentFiles() {
    recentFiles_ = volmar::ReadRecentFiles(volmar::SettingsFilePath());
    RebuildRecentMenu();
}

void TMainForm::RememberProject(const QString& path) {
    recentFiles_ = volmar::WithRecentFile(recentFiles_, path);
    RebuildRecentMenu();
    volmar::SaveRecentFiles(volmar::SettingsFilePath(), recentFiles_);
}

// A missing project leaves the document as it is: the entry was stale, not a
// request to replace the work in hand.
void TMainForm::OpenRecentProject(const QString& path) {
    if (QFileInfo(path).isFile()) {
        OpenProject(path);
        return;
    }
    recentFiles_.removeAll(path);
    RebuildRecentMenu();
    volmar::SaveRecentFiles(volmar::SettingsFilePath(), recentFiles_);
    volmar::ReadProjectFileBytes(path); // raises "ファイル "…" は開けません。…"
}
