// The "最近使ったプロジェクト" submenu of the file menu and its list in setting.ini.
#include "CommandsFixture.h"

#include "document/IniStore.h"
#include "settings/SettingsFolder.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QTemporaryDir>

namespace volmar::test {
namespace {

QByteArray SettingsFile() {
    QFile file(SettingsFilePath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class RecentProjects : public CommandsTest {
protected:
    QString Project(const QString& name) {
        const QString path = QDir(dir.path()).filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("[0]\r\nName=" + QFileInfo(path).fileName().toLatin1() + "\r\n");
        return path;
    }

    void OpenByDialog(const QString& path) {
        dialogs.openPaths.push_back(path);
        Trigger(form->aacOpenProject);
    }

    QList<QAction*> Shown() const {
        QList<QAction*> shown;
        for (QAction* entry : form->MenuRecentFiles->actions())
            if (entry->isVisible())
                shown << entry;
        return shown;
    }

    QStringList ToolTips() const {
        QStringList tips;
        for (const QAction* entry : Shown())
            tips << QDir::fromNativeSeparators(entry->toolTip());
        return tips;
    }

    QTemporaryDir dir;
};

TEST_F(RecentProjects, NewestFirstWithoutRepeatsAndAtMostEight) {
    EXPECT_FALSE(form->MenuRecentFiles->isEnabled());
    EXPECT_TRUE(form->MenuRecentFiles->toolTipsVisible());
    QStringList paths;
    for (int i = 0; i < 10; ++i)
        paths << Project(QStringLiteral("p%1.rsform").arg(i));
    for (const QString& path : paths)
        OpenByDialog(path);
    OpenByDialog(paths[4]);
    const QStringList expected{paths[4], paths[9], paths[8], paths[7],
                               paths[6], paths[5], paths[3], paths[2]};
    EXPECT_EQ(form->recentFiles(), expected);
    EXPECT_EQ(ToolTips(), expected);
    EXPECT_TRUE(form->MenuRecentFiles->isEnabled());

    // Save As puts its file first too.
    dialogs.savePaths.push_back(dir.filePath("saved.rsform"));
    Trigger(form->aacSaveAsProject);
    EXPECT_EQ(form->recentFiles().first(), dir.filePath("saved.rsform"));
    EXPECT_EQ(form->recentFiles().size(), 8);
}

TEST_F(RecentProjects, EntriesShowTheShortenedPathAndOpenTheProject) {
    const QString deep = QDir(dir.path())
                             .filePath(QStringLiteral("a very long folder name/%1/&more/")
                                           .arg(QString(60, QLatin1Char('x'))));
    ASSERT_TRUE(QDir().mkpath(deep));
    const QString path = Project(deep + QStringLiteral("q&a.rsform"));
    OpenByDialog(path);
    const QString status = form->StatusPanels[0]->text();
    EXPECT_NE(status, path);
    EXPECT_TRUE(status.endsWith(QStringLiteral("q&a.rsform")));
    ASSERT_EQ(Shown().size(), 1);
    // The menu's font may differ from the status bar's; the rule is the same.
    EXPECT_TRUE(Shown()[0]->text().endsWith(QDir::toNativeSeparators("/q&&a.rsform")));
    EXPECT_TRUE(Shown()[0]->text().contains(QDir::toNativeSeparators(".../")))
        << Shown()[0]->text().toStdString();

    dialogs.confirms.push_back(true);
    Trigger(form->aacNewProject);
    Shown()[0]->trigger();
    EXPECT_EQ(Names(), QStringList{"q&a.rsform"});
    EXPECT_EQ(form->currentFileName(), path);
    EXPECT_TRUE(dialogs.errors.isEmpty());
}

TEST_F(RecentProjects, AProjectThatIsGoneIsReportedAndLeavesTheList) {
    const QString kept = Project("kept.rsform");
    const QString gone = Project("gone.rsform");
    OpenByDialog(kept);
    OpenByDialog(gone);
    // The submenu holds no hidden entries for assistive technology to read.
    EXPECT_EQ(form->MenuRecentFiles->actions(), Shown());
    ASSERT_TRUE(QFile::remove(gone));
    Add("work in hand", 0, 0, 40, 40);

    Shown()[0]->trigger();
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_TRUE(dialogs.errors[0].startsWith(
        QStringLiteral("ファイル \"%1\" は開けません。").arg(QDir::toNativeSeparators(gone))));
    EXPECT_EQ(form->recentFiles(), QStringList{kept});
    EXPECT_EQ(ToolTips(), QStringList{kept});
    EXPECT_EQ(form->MenuRecentFiles->actions().size(), 1);
    EXPECT_EQ(Names(), (QStringList{"gone.rsform", "work in hand"}));
    EXPECT_TRUE(SettingsFile().contains("File0=" + kept.toLatin1()));
    EXPECT_FALSE(SettingsFile().contains("gone"));

    ASSERT_TRUE(QFile::remove(kept));
    Shown()[0]->trigger();
    EXPECT_TRUE(form->recentFiles().isEmpty());
    EXPECT_FALSE(form->MenuRecentFiles->isEnabled());
    EXPECT_FALSE(IniStore::Read(SettingsFile()).SectionExists("RecentFiles"));
}

TEST_F(RecentProjects, StoredInASectionOfItsOwnKeepingTheOthers) {
    QFile file(SettingsFilePath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[Setting]\r\nGridX=20\r\nShowRuler=0\r\n\r\n[Mine]\r\nkey=value\r\n\r\n"
               "[RecentFiles]\r\nFile0=/old/one.rsform\r\n\r\n");
    file.close();
    form.reset();
    SetUp();
    EXPECT_EQ(form->recentFiles(), QStringList{"/old/one.rsform"});

    const QString a = Project("a.rsform");
    OpenByDialog(a);
    EXPECT_EQ(SettingsFile(), "[Setting]\r\nGridX=20\r\nShowRuler=0\r\n\r\n"
                              "[Mine]\r\nkey=value\r\n\r\n"
                              "[RecentFiles]\r\nFile0=" +
                                  a.toLatin1() + "\r\nFile1=/old/one.rsform\r\n\r\n");
}

} // namespace
} // namespace volmar::test
