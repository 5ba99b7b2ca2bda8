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

// The menu holds one entry per possible project; the unused ones are hidden.
// Entries are never deleted, as one of them may be the sender of the command
// that changes the list.
void TMainForm::BuildRecentMenu(QMenu* file) {
    MenuRecentFiles = file->addMenu(QStringLiteral("最近使ったプロジェクト"));
    MenuRecentFiles->setObjectName(QStringLiteral("MenuRecentFiles"));
    MenuRecentFiles->setToolTipsVisible(true);
    for (qsizetype i = 0; i < volmar::kRecentFilesMax; ++i) {
        QAction* entry = MenuRecentFiles->addAction(QString());
        entry->setObjectName(QStringLiteral("RecentFile%1").arg(i));
        connect(entry, &QAction::triggered, this, [this, entry] {
            const QString path = entry->data().toString();
            runGuarded([this, &path] { OpenRecentProject(path); });
        });
    }
    RebuildRecentMenu();
}

void TMainForm::RebuildRecentMenu() {
    const QList<QAction*> entries = MenuRecentFiles->actions();
    for (qsizetype i = 0; i < entries.size(); ++i) {
        QAction* entry = entries[i];
        const bool used = i < recentFiles_.size();
        const QString path = used ? recentFiles_[i] : QString();
        entry->setVisible(used);
        entry->setData(path);
        // "&" would mark a mnemonic in a menu entry.
        entry->setText(volmar::DisplayPath(MenuRecentFiles->font(), path)
                           .replace(QLatin1Char('&'), QLatin1String("&&")));
        entry->setToolTip(QDir::toNativeSeparators(path));
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
