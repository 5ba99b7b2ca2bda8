#include "CommandsFixture.h"

#include "document/VolmarError.h"
#include "support/FileSizeLimit.h"
#include "support/FileKinds.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>

namespace volmar::test {
namespace {

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void Write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

class ProjectCommands : public CommandsTest {
protected:
    QString Path(const QString& name) const { return dir.filePath(name); }
    QString StatusText() const { return form->StatusPanels[0]->text(); }

    QTemporaryDir dir;
};

TEST_F(ProjectCommands, SavingAnEmptyDocumentWritesZeroBytesAndNamesTheFile) {
    form->UpdateActions();
    EXPECT_FALSE(form->aacSaveAsProject->isEnabled());
    dialogs.savePaths.push_back(Path("empty.rsform"));
    Trigger(form->aacSaveProject);
    EXPECT_EQ(dialogs.asked, QStringList({"save"}));
    ASSERT_TRUE(QFile::exists(Path("empty.rsform")));
    EXPECT_EQ(QFileInfo(Path("empty.rsform")).size(), 0);
    EXPECT_EQ(form->currentFileName(), Path("empty.rsform"));
    EXPECT_EQ(StatusText(), QDir::toNativeSeparators(Path("empty.rsform")));
    form->UpdateActions();
    EXPECT_TRUE(form->aacSaveAsProject->isEnabled());
}

TEST_F(ProjectCommands, ReopeningKeepsOrderAndValuesAndSelectsNothing) {
    Add("back", -20, -30, 700, 500);
    TWindowItem* mid = Add(QStringLiteral(" 名前 "), 10, 20, 210, 120);
    Add("front", 2147483600, -2147483648, 0, 5);
    Select({mid});
    dialogs.savePaths.push_back(Path("p.rsform"));
    Trigger(form->aacSaveProject);

    dialogs.confirms.push_back(true);
    Trigger(form->aacNewProject);
    EXPECT_TRUE(form->document().IsEmpty());
    EXPECT_EQ(form->currentFileName(), "");

    dialogs.openPaths.push_back(Path("p.rsform"));
    Trigger(form->aacOpenProject);
    EXPECT_EQ(Document(), (std::vector<Edges>{{"back", -20, -30, 700, 500},
                                              {QStringLiteral("名前"), 10, 20, 210, 120},
                                              {"front", 2147483600, -2147483647 - 1, 0, 5}}));
    EXPECT_EQ(form->document().CountSelected(), 0);
    EXPECT_TRUE(form->frames().empty());
    EXPECT_EQ(form->WindowSelector->count(), 3);
    EXPECT_EQ(form->WindowSelector->currentIndex(), -1);
    EXPECT_EQ(form->currentFileName(), Path("p.rsform"));
    EXPECT_EQ(StatusText(), QDir::toNativeSeparators(Path("p.rsform")));
    form->UpdateActions();
    EXPECT_TRUE(form->aacSaveAsProject->isEnabled());
}

TEST_F(ProjectCommands, SaveWritesToTheCurrentFileWithoutAskingWhileItExists) {
    dialogs.savePaths.push_back(Path("a.rsform"));
    Trigger(form->aacSaveProject);
    Add("w", 0, 0, 40, 40);
    Trigger(form->aacSaveProject);
    EXPECT_EQ(dialogs.asked, QStringList({"save"}));
    EXPECT_EQ(Contents(Path("a.rsform")), "[0]\r\nName=w\r\nX=0\r\nY=0\r\nR=40\r\nB=40\r\n\r\n");

    // Once the file has gone, Save asks for a name again.
    QFile::remove(Path("a.rsform"));
    dialogs.savePaths.push_back(Path("b.rsform"));
    Trigger(form->aacSaveProject);
    EXPECT_EQ(dialogs.asked, QStringList({"save", "save"}));
    EXPECT_EQ(form->currentFileName(), Path("b.rsform"));
}

// The status bar shows the file that Ctrl+S now writes.
TEST_F(ProjectCommands, SaveAsNamesTheNewFileInTheStatusBar) {
    Write(Path("a.rsform"), "[0]\r\nName=w\r\n");
    dialogs.openPaths.push_back(Path("a.rsform"));
    Trigger(form->aacOpenProject);
    dialogs.savePaths.push_back(Path("b.rsform"));
    form->UpdateActions();
    QTest::mouseClick(form->MainToolBar->widgetForAction(form->aacSaveAsProject), Qt::LeftButton);
    EXPECT_EQ(form->currentFileName(), Path("b.rsform"));
    EXPECT_EQ(StatusText(), QDir::toNativeSeparators(Path("b.rsform")));
    EXPECT_EQ(Contents(Path("b.rsform")), "[0]\r\nName=w\r\nX=0\r\nY=0\r\nR=0\r\nB=0\r\n\r\n");

    dialogs.savePaths.push_back(std::nullopt);
    Trigger(form->aacSaveAsProject);
    EXPECT_EQ(form->currentFileName(), Path("b.rsform"));
    EXPECT_EQ(StatusText(), QDir::toNativeSeparators(Path("b.rsform")));
}

TEST_F(ProjectCommands, NewAsksEveryTimeAndClearsOnlyOnOk) {
    Write(Path("a.rsform"), "[0]\r\nName=w\r\n");
    dialogs.openPaths.push_back(Path("a.rsform"));
    Trigger(form->aacOpenProject);
    TWindowItem* w = form->document().At(0);
    Select({w});

    dialogs.confirms.push_back(false);
    Trigger(form->aacNewProject);
    EXPECT_EQ(Names(), QStringList({"w"}));
    EXPECT_EQ(form->frames().size(), 1u);
    EXPECT_EQ(form->currentFileName(), Path("a.rsform"));

    dialogs.confirms.push_back(true);
    Trigger(form->aacNewProject);
    EXPECT_TRUE(form->document().IsEmpty());
    EXPECT_TRUE(form->frames().empty());
    EXPECT_EQ(form->WindowSelector->count(), 0);
    EXPECT_EQ(form->currentFileName(), "");
    EXPECT_EQ(StatusText(), "");
    form->UpdateActions();
    EXPECT_FALSE(form->aacSaveAsProject->isEnabled());

    dialogs.confirms.push_back(false);
    Trigger(form->aacNewProject);
    EXPECT_EQ(dialogs.asked,
              QStringList({"open", "新規プロジェクト", "新規プロジェクト", "新規プロジェクト"}));
}

// Records the text of each confirmation as well as its caption.
class RecordingDialogs : public ScriptedDialogs {
public:
    QStringList texts;
    bool Confirm(QWidget* parent, const QString& caption, const QString& text) override {
        texts << text;
        return ScriptedDialogs::Confirm(parent, caption, text);
    }
};

TEST(ProjectCommandsNew, AsksWithTheTwoLinesOfItsQuestion) {
    RecordingDialogs recording;
    TMainForm form(recording);
    form.aacNewProjectExecute();
    EXPECT_EQ(recording.asked, QStringList({"新規プロジェクト"}));
    EXPECT_EQ(recording.texts,
              QStringList({"プロジェクトを初期化します。\r\n"
                           "現在のプロジェクトは破棄されますが本当によろしいですか？"}));
}

TEST_F(ProjectCommands, OpeningAPathThatDoesNotExistDoesNothing) {
    Add("w", 0, 0, 40, 40);
    dialogs.openPaths.push_back(Path("missing.rsform"));
    Trigger(form->aacOpenProject);
    dialogs.openPaths.push_back(std::nullopt);
    Trigger(form->aacOpenProject);
    EXPECT_EQ(Names(), QStringList({"w"}));
    EXPECT_EQ(form->currentFileName(), "");
    EXPECT_TRUE(dialogs.errors.isEmpty());
}

TEST_F(ProjectCommands, OpeningWhatCannotBeReadLeavesAnEmptyDocumentAndReports) {
    Write(Path("a.rsform"), "[0]\r\nName=w\r\n");
    dialogs.openPaths.push_back(Path("a.rsform"));
    Trigger(form->aacOpenProject);
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.rsform"));
    dialogs.openPaths.push_back(Path("folder.rsform"));
    Trigger(form->aacOpenProject);
    EXPECT_TRUE(form->document().IsEmpty());
    EXPECT_EQ(form->currentFileName(), "");
    EXPECT_EQ(StatusText(), "");
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_TRUE(
        dialogs.errors[0].startsWith(QStringLiteral("ファイル \"%1\" は開けません。")
                                         .arg(QDir::toNativeSeparators(Path("folder.rsform")))))
        << dialogs.errors[0].toStdString();
}

TEST_F(ProjectCommands, OpeningTextThatIsNotAFormGivesAnEmptyDocumentWithThatFile) {
    Write(Path("junk.rsform"), "\x89PNG\r\n\x1a\n[1]\r\nName=x\r\n");
    Add("w", 0, 0, 40, 40);
    dialogs.openPaths.push_back(Path("junk.rsform"));
    Trigger(form->aacOpenProject);
    EXPECT_TRUE(form->document().IsEmpty());
    EXPECT_EQ(form->currentFileName(), Path("junk.rsform"));
}

TEST_F(ProjectCommands, TheStatusBarShowsALongPathShortenedToFit) {
    QString folder = dir.path();
    for (const char* name :
         {"aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa", "bbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbb",
          "cccccccccccccccccccccccccccccccccccccccc", "dddd"}) {
        ASSERT_TRUE(QDir(folder).mkdir(QLatin1String(name)));
        folder += u'/' + QLatin1String(name);
    }
    const QString path = folder + QStringLiteral("/name.rsform");
    Write(path, "");
    dialogs.openPaths.push_back(path);
    Trigger(form->aacOpenProject);
    const QString shown = StatusText();
    EXPECT_NE(shown, path);
    EXPECT_TRUE(shown.endsWith(QDir::toNativeSeparators("/dddd/name.rsform")))
        << shown.toStdString();
    EXPECT_TRUE(shown.contains(QDir::toNativeSeparators(".../"))) << shown.toStdString();
    EXPECT_LE(QFontMetrics(form->StatusPanels[0]->font()).horizontalAdvance(shown), 430);
    EXPECT_EQ(form->currentFileName(), path);
}

TEST_F(ProjectCommands, SavingWhereNoFileCanBeMadeReportsAndKeepsTheCurrentName) {
    Write(Path("a.rsform"), "[0]\r\nName=w\r\n");
    dialogs.openPaths.push_back(Path("a.rsform"));
    Trigger(form->aacOpenProject);
    Write(Path("plain"), "a file, not a folder");
    const QString impossible = Path("plain/b.rsform");
    dialogs.savePaths.push_back(impossible);
    Trigger(form->aacSaveAsProject);
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_TRUE(dialogs.errors[0].startsWith(QStringLiteral("ファイル \"%1\" を作成できません。")
                                                 .arg(QDir::toNativeSeparators(impossible))))
        << dialogs.errors[0].toStdString();
    EXPECT_EQ(form->currentFileName(), Path("a.rsform"));
    EXPECT_EQ(Names(), QStringList({"w"}));
}

TEST_F(ProjectCommands, SavingIntoAFolderThatCannotBeWrittenKeepsTheOldFile) {
    if (!PermissionsBindThisUser())
        GTEST_SKIP() << "folder permissions do not bind the superuser, nor anyone on Windows";
    const QString folder = Path("locked");
    ASSERT_TRUE(QDir(dir.path()).mkdir("locked"));
    const QString path = folder + QStringLiteral("/p.rsform");
    Write(path, "old bytes");
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
    Add("w", 0, 0, 40, 40);
    dialogs.savePaths.push_back(path);
    Trigger(form->aacSaveProject);
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_TRUE(dialogs.errors[0].contains(QStringLiteral("を作成できません")));
    EXPECT_EQ(Contents(path), "old bytes");
    EXPECT_EQ(form->currentFileName(), "");
}

TEST_F(ProjectCommands, AFailedSaveLeavesThePreviousFileByteForByte) {
    if (!FileSizeLimit::Works())
        GTEST_SKIP() << kNoFileSizeLimit;
    const QByteArray old = "[0]\r\nName=old\r\nX=1\r\nY=2\r\nR=3\r\nB=4\r\n\r\n";
    Write(Path("p.rsform"), old);
    dialogs.openPaths.push_back(Path("p.rsform"));
    Trigger(form->aacOpenProject);
    for (int i = 0; i < 20; ++i)
        Add(QStringLiteral("window%1").arg(i), i, i, i + 40, i + 40);
    {
        const FileSizeLimit limit(16);
        Trigger(form->aacSaveProject);
    }
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_TRUE(dialogs.errors[0].contains(QStringLiteral("を作成できません")))
        << dialogs.errors[0].toStdString();
    EXPECT_EQ(Contents(Path("p.rsform")), old);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({"p.rsform"}));
    EXPECT_EQ(form->currentFileName(), Path("p.rsform"));
}

// The same file over an edited document brings the file back in one step;
// undo returns to the edit.
TEST_F(ProjectCommands, ReopeningTheOpenProjectAfterAnEditIsAStep) {
    Write(Path("a.rsform"), "[0]\r\nName=w\r\nX=0\r\nY=0\r\nR=40\r\nB=40\r\n");
    dialogs.openPaths.push_back(Path("a.rsform"));
    Trigger(form->aacOpenProject);
    Select({form->document().At(0)});
    form->MoveSelectedBy(1, 0);
    const int steps = form->undoStack().count();
    dialogs.openPaths.push_back(Path("a.rsform"));
    Trigger(form->aacOpenProject);
    EXPECT_EQ(Document(), (std::vector<Edges>{{"w", 0, 0, 40, 40}}));
    EXPECT_EQ(form->undoStack().count(), steps + 1);
    Trigger(form->aacUndo);
    EXPECT_EQ(Document(), (std::vector<Edges>{{"w", 1, 0, 41, 40}}));
}

} // namespace
} // namespace volmar::test
