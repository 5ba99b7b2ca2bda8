#include "app/MainFormFixture.h"

#include "settings/HelpFile.h"
#include "settings/HelpWindow.h"
#include "settings/SettingsFolder.h"
#include "settings/SettingsTestSupport.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>

namespace volmar::test {
namespace {

// A main window started over a given setting.ini (or none).
class MainFormSettingsTest : public MainFormTest {
protected:
    void SetUp() override {}

    void Start(const QByteArray* file = nullptr) {
        if (file != nullptr)
            WriteSettings(*file);
        MainFormTest::SetUp();
    }

    static void WriteSettings(const QByteArray& bytes) {
        QFile out(SettingsFilePath());
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(bytes);
    }

    static QByteArray ReadSettings() {
        QFile in(SettingsFilePath());
        return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray("<missing>");
    }

    // Closes the window, answering the confirmation with OK.
    void CloseWindow() {
        dialogs.confirms.push_back(true);
        EXPECT_TRUE(form->close());
    }

    void AnswerSettingsDialogWithOk() {
        dialogs.forms.push_back([](QDialog& dialog) {
            dialog.findChild<QPushButton*>(QStringLiteral("SettingSaveButton"))->click();
            return dialog.result();
        });
    }
};

TEST_F(MainFormSettingsTest, FirstRunStartsWithTheDefaultsAndWritesNothing) {
    Start();
    const EditorDisplayState& view = form->displayState();
    EXPECT_EQ(view.GridX, 10);
    EXPECT_EQ(view.GridY, 10);
    EXPECT_TRUE(view.Snap);
    EXPECT_TRUE(view.GridVisible);
    EXPECT_EQ(view.FormColor, 0x000000u);
    EXPECT_EQ(view.GridColor, 0xFFFFFFu);
    EXPECT_EQ(view.HandleColor, 0x0000FFu);
    EXPECT_EQ(view.MultiSelectColor, 0xFFFFFFu);
    EXPECT_TRUE(form->rulersVisible());
    EXPECT_EQ(form->skinImage().size(), QSize(192, 128));
    EXPECT_TRUE(dialogs.errors.isEmpty());
    EXPECT_EQ(ReadSettings(), QByteArray("<missing>"));
}

TEST_F(MainFormSettingsTest, StoredValuesReachTheEditorAtStartUp) {
    const QByteArray file =
        CrLfLines({"[Setting]", "GridX=700", "GridY=0", "ColorHandleColor=0xFF",
                   "ColorFormColor=16711680", "Snap=0", "ShowGrid=0", "ShowRuler=0"});
    Start(&file);
    const EditorDisplayState& view = form->displayState();
    EXPECT_EQ(view.GridX, 700);
    EXPECT_EQ(view.GridY, 10) << "a spacing below 1 is unreadable";
    EXPECT_EQ(view.HandleColor, 255u);
    EXPECT_EQ(view.FormColor, 0xFF0000u);
    EXPECT_FALSE(view.Snap);
    EXPECT_FALSE(view.GridVisible);
    EXPECT_FALSE(form->rulersVisible());
    EXPECT_TRUE(form->rulerYPanel->isHidden());
}

TEST_F(MainFormSettingsTest, UnreadableSkinIsReportedAndStopsTheSettingsAfterIt) {
    QTemporaryDir dir;
    const QString notes = dir.filePath(QStringLiteral("notes.txt"));
    QFile(notes).open(QIODevice::WriteOnly);
    const QByteArray file =
        CrLfLines({"[Setting]", "GridX=20", "ColorGridColor=255",
                   qPrintable(QStringLiteral("PicturePath=") + notes), "ShowGrid=0"});
    Start(&file);
    EXPECT_EQ(dialogs.errors,
              QStringList({QStringLiteral("拡張子 .txt の画像形式は処理できません")}));
    EXPECT_EQ(form->displayState().GridX, 20);
    EXPECT_EQ(form->displayState().GridColor, 0xFFFFFFu);
    EXPECT_TRUE(form->displayState().GridVisible);
    EXPECT_TRUE(form->skinImage().isNull());
}

TEST_F(MainFormSettingsTest, CloseWithoutTheDialogWritesOnlyTheViewToggles) {
    Start();
    form->aacViewruler->trigger();
    CloseWindow();
    EXPECT_EQ(ReadSettings(), CrLfLines({"[Setting]", "Snap=1", "ShowGrid=1", "ShowRuler=0", ""}));
}

TEST_F(MainFormSettingsTest, CancelledDialogLeavesAnEmptyFileAndAppliesNothing) {
    Start();
    form->aacViewGridLine->trigger();
    form->aacOption->trigger();
    EXPECT_EQ(dialogs.asked, QStringList({"TSettingForm"}));
    EXPECT_EQ(ReadSettings(), QByteArray());
    EXPECT_FALSE(form->displayState().GridVisible);
}

TEST_F(MainFormSettingsTest, ConfirmedDialogAppliesTheWholeFileAgain) {
    const QByteArray file = CrLfLines({"[Setting]", "ShowGrid=1", "GridX=700"});
    Start(&file);
    form->aacViewGridLine->trigger();
    ASSERT_FALSE(form->displayState().GridVisible);
    AnswerSettingsDialogWithOk();
    form->aacOption->trigger();
    EXPECT_TRUE(form->displayState().GridVisible) << "the stored toggle comes back";
    EXPECT_EQ(form->displayState().GridX, 640) << "the dialog held 700 to its maximum";
    EXPECT_TRUE(dialogs.errors.isEmpty());
}

TEST_F(MainFormSettingsTest, ConfirmedFirstRunThenCloseWritesTheTwelveLineFile) {
    Start();
    AnswerSettingsDialogWithOk();
    form->aacOption->trigger();
    CloseWindow();
    EXPECT_EQ(ReadSettings(),
              CrLfLines({"[Setting]", "GridX=10", "GridY=10", "PicturePath=", "ColorFormColor=0",
                         "ColorGridColor=16777215", "ColorHandleColor=255",
                         "FormEditorColor=16777215", "Snap=1", "ShowGrid=1", "ShowRuler=1", ""}));
}

TEST_F(MainFormSettingsTest, HelpCommandFollowsTheFileBesideTheExecutable) {
    Start();
    const QString help = HelpFilePath();
    const QString aside = help + QStringLiteral(".aside");
    const bool present = QFile::exists(help);
    // Leave the file as it was found, whatever happens below.
    struct Restore {
        QString help, aside;
        bool present;
        ~Restore() {
            QFile::remove(help);
            if (present)
                QFile::rename(aside, help);
        }
    } restore{help, aside, present};
    if (present) {
        ASSERT_TRUE(QFile::rename(help, aside));
    }

    form->UpdateActions();
    EXPECT_FALSE(form->aacHelp->isEnabled());
    form->aacHelp->trigger();
    EXPECT_EQ(form->findChild<HelpWindow*>(), nullptr);

    ASSERT_TRUE(QFile::copy(QStringLiteral(VOLMAR_SOURCE_DIR "/help/VOLMAR.html"), help));
    form->UpdateActions();
    EXPECT_TRUE(form->aacHelp->isEnabled());
    form->aacHelp->trigger();
    auto* window = form->findChild<HelpWindow*>();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(window->isModal());
}

TEST_F(MainFormSettingsTest, VersionMenuShowsTheAboutBox) {
    Start();
    form->MenuVersion->trigger();
    EXPECT_EQ(dialogs.asked, QStringList({"TVersionForm"}));
}

} // namespace
} // namespace volmar::test
