#include "settings/FormSetting.h"

#include "SettingsTestSupport.h"
#include "document/VolmarError.h"
#include "settings/ColorPicker.h"
#include "settings/ColorValues.h"
#include "settings/SettingsApply.h"
#include "support/ScriptedDialogs.h"

#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

using volmar::ColorPicker;
using volmar::test::CrLfLines;
using volmar::test::ScriptedDialogs;
using volmar::test::SettingsFixtureFolder;

namespace {

template <typename T> T* Find(const QWidget& form, const char* name) {
    T* widget = form.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

void ClickOk(TSettingForm& form) {
    QTest::mouseClick(Find<QPushButton>(form, "SettingSaveButton"), Qt::LeftButton);
}

} // namespace

TEST(TSettingForm, HasTheLayoutOfItsTable) {
    SettingsFixtureFolder folder;
    ScriptedDialogs dialogs;
    TSettingForm form(dialogs, folder.Path());
    EXPECT_EQ(form.objectName(), QStringLiteral("TSettingForm"));
    EXPECT_EQ(form.windowTitle(), QStringLiteral("設定"));
    EXPECT_EQ(form.size(), QSize(454, 382));
    EXPECT_EQ(form.minimumSize(), form.maximumSize());
    EXPECT_EQ(form.font().family(), QStringLiteral("Tahoma"));
    EXPECT_EQ(form.font().pointSize(), 8);

    struct Expected {
        const char* name;
        QRect geometry;
    };
    for (const Expected& e :
         {Expected{"GroupBox1", {24, 21, 403, 292}}, Expected{"LabeledEdit1", {12, 36, 166, 21}},
          Expected{"UpDownGridX", {178, 36, 16, 21}}, Expected{"LabeledEdit2", {210, 36, 166, 21}},
          Expected{"UpDownGridY", {376, 36, 16, 21}}, Expected{"EditSkinPath", {12, 81, 351, 21}},
          Expected{"Button1", {369, 81, 22, 21}}, Expected{"ColorFormColor", {12, 124, 379, 22}},
          Expected{"ColorGridColor", {12, 169, 379, 22}},
          Expected{"ColorHandleColor", {12, 214, 379, 22}},
          Expected{"ColorMHandleColor", {12, 262, 379, 22}},
          Expected{"SettingSaveButton", {260, 333, 75, 25}},
          Expected{"Button2", {341, 333, 75, 25}}}) {
        if (QWidget* w = Find<QWidget>(form, e.name)) {
            EXPECT_EQ(w->geometry(), e.geometry) << e.name;
        }
    }
    EXPECT_EQ(Find<QGroupBox>(form, "GroupBox1")->title(), QStringLiteral("編集オプション"));
    EXPECT_EQ(Find<QLabel>(form, "LabeledEdit1Label")->text(), QStringLiteral("グリッド幅(X)"));
    EXPECT_EQ(Find<QLabel>(form, "LabeledEdit2Label")->text(), QStringLiteral("グリッド幅(Y)"));
    EXPECT_EQ(Find<QLabel>(form, "EditSkinPathLabel")->text(),
              QStringLiteral("起動時にセットするウインドウスキンのフルパス"));
    EXPECT_EQ(Find<QLabel>(form, "Label1")->pos(), QPoint(12, 108));
    EXPECT_EQ(Find<QLabel>(form, "Label4")->text(), QStringLiteral("複数選択時のハンドルの色"));
    EXPECT_EQ(Find<QPushButton>(form, "Button1")->text(), QStringLiteral("…"));
    EXPECT_TRUE(Find<QPushButton>(form, "SettingSaveButton")->isDefault());
    EXPECT_EQ(Find<QPushButton>(form, "SettingSaveButton")->text(), QStringLiteral("OK(&O)"));
    EXPECT_EQ(Find<QPushButton>(form, "Button2")->text(), QStringLiteral("キャンセル"));
    EXPECT_EQ(Find<QSpinBox>(form, "LabeledEdit1")->maximum(), 640);
    EXPECT_EQ(Find<QSpinBox>(form, "LabeledEdit2")->maximum(), 480);
    EXPECT_EQ(Find<QSpinBox>(form, "LabeledEdit2")->minimum(), 5);
}

TEST(TSettingForm, FirstRunFillsDefaultsAndCancelLeavesAnEmptyFile) {
    SettingsFixtureFolder folder;
    ScriptedDialogs dialogs;
    {
        TSettingForm form(dialogs, folder.Path());
        EXPECT_EQ(Find<QSpinBox>(form, "LabeledEdit1")->value(), 10);
        EXPECT_EQ(Find<QSpinBox>(form, "LabeledEdit2")->value(), 10);
        EXPECT_EQ(Find<QLineEdit>(form, "EditSkinPath")->text(), QString());
        EXPECT_EQ(Find<ColorPicker>(form, "ColorFormColor")->Selected(), 0u);
        EXPECT_EQ(Find<ColorPicker>(form, "ColorGridColor")->Selected(), 0xFFFFFFu);
        EXPECT_EQ(Find<ColorPicker>(form, "ColorHandleColor")->currentText(), QStringLiteral("赤"));
        EXPECT_EQ(Find<ColorPicker>(form, "ColorMHandleColor")->Selected(), 0xFFFFFFu);
        QTest::mouseClick(Find<QPushButton>(form, "Button2"), Qt::LeftButton);
        EXPECT_EQ(form.result(), QDialog::Rejected);
    }
    EXPECT_TRUE(folder.Exists());
    EXPECT_EQ(folder.Read(), QByteArray());
}

TEST(TSettingForm, OkThenCloseWritesTheTwelveLineFile) {
    SettingsFixtureFolder folder;
    ScriptedDialogs dialogs;
    TSettingForm form(dialogs, folder.Path());
    ClickOk(form);
    EXPECT_EQ(form.result(), QDialog::Accepted);
    volmar::SaveViewToggles(folder.Path(), true, true, true);
    EXPECT_EQ(folder.Read(),
              CrLfLines({"[Setting]", "GridX=10", "GridY=10", "PicturePath=", "ColorFormColor=0",
                         "ColorGridColor=16777215", "ColorHandleColor=255",
                         "FormEditorColor=16777215", "Snap=1", "ShowGrid=1", "ShowRuler=1", ""}));
}

// Sections that do not count (empty, or replaced by a later one of the same
// name) and a byte order mark in front: every section survives OK.
TEST(TSettingForm, OkKeepsEverySectionOfTheFile) {
    const QByteArray sections = CrLfLines({"[Empty]", "[Setting]", "GridX=12", "[Dup]", "a=1",
                                           "[dup]", "b=2", "[RecentFiles]", "File0=a.rsform"});
    for (const QByteArray& start : {QByteArray(), QByteArray("\xEF\xBB\xBF")}) {
        SettingsFixtureFolder folder;
        folder.Write(start + sections);
        ScriptedDialogs dialogs;
        TSettingForm form(dialogs, folder.Path());
        EXPECT_EQ(Find<QSpinBox>(form, "LabeledEdit1")->value(), 12);
        ClickOk(form);
        EXPECT_EQ(folder.Read(), CrLfLines({"[Empty]",
                                            "",
                                            "[Setting]",
                                            "GridX=12",
                                            "GridY=10",
                                            "PicturePath=",
                                            "ColorFormColor=0",
                                            "ColorGridColor=16777215",
                                            "ColorHandleColor=255",
                                            "FormEditorColor=16777215",
                                            "",
                                            "[Dup]",
                                            "a=1",
                                            "",
                                            "[dup]",
                                            "b=2",
                                            "",
                                            "[RecentFiles]",
                                            "File0=a.rsform",
                                            ""}));
    }
}

TEST(TSettingForm, OutOfRangeSpacingShowsAndSavesTheNearestBound) {
    SettingsFixtureFolder folder;
    folder.Write(CrLfLines({"[Setting]", "GridX=700", "GridY=-3", "Extra=kept", ""}));
    ScriptedDialogs dialogs;
    TSettingForm form(dialogs, folder.Path());
    EXPECT_EQ(Find<QSpinBox>(form, "LabeledEdit1")->value(), 640);
    EXPECT_EQ(Find<QSpinBox>(form, "LabeledEdit2")->value(), 5);
    EXPECT_EQ(folder.Read(), CrLfLines({"[Setting]", "GridX=700", "GridY=-3", "Extra=kept", ""}));
    ClickOk(form);
    EXPECT_TRUE(folder.Read().startsWith(
        CrLfLines({"[Setting]", "GridX=640", "GridY=5", "Extra=kept", "PicturePath="})));
}

TEST(TSettingForm, ArrowsStepTheSpinFieldWithinItsRange) {
    SettingsFixtureFolder folder;
    folder.Write(CrLfLines({"[Setting]", "GridX=639"}));
    ScriptedDialogs dialogs;
    TSettingForm form(dialogs, folder.Path());
    auto* up = Find<QWidget>(form, "UpDownGridX")->findChild<QToolButton*>(QStringLiteral("Up"));
    QTest::mouseClick(up, Qt::LeftButton);
    QTest::mouseClick(up, Qt::LeftButton);
    EXPECT_EQ(Find<QSpinBox>(form, "LabeledEdit1")->value(), 640);
    auto* down =
        Find<QWidget>(form, "UpDownGridY")->findChild<QToolButton*>(QStringLiteral("Down"));
    QTest::mouseClick(down, Qt::LeftButton);
    EXPECT_EQ(Find<QSpinBox>(form, "LabeledEdit2")->value(), 9);
}

TEST(TSettingForm, BrowseFillsThePathOnlyWhenAFileIsPicked) {
    SettingsFixtureFolder folder;
    folder.Write(CrLfLines({"[Setting]", "PicturePath=/skins/a.png"}));
    ScriptedDialogs dialogs;
    TSettingForm form(dialogs, folder.Path());
    auto* browse = Find<QPushButton>(form, "Button1");
    QTest::mouseClick(browse, Qt::LeftButton); // the picture dialog is cancelled
    EXPECT_EQ(Find<QLineEdit>(form, "EditSkinPath")->text(), QStringLiteral("/skins/a.png"));
    dialogs.picturePaths.push_back(QStringLiteral("/skins/b.png"));
    QTest::mouseClick(browse, Qt::LeftButton);
    EXPECT_EQ(Find<QLineEdit>(form, "EditSkinPath")->text(), QStringLiteral("/skins/b.png"));
    EXPECT_EQ(dialogs.asked, QStringList({"picture", "picture"}));
    form.reject();
    EXPECT_EQ(folder.Read(), CrLfLines({"[Setting]", "PicturePath=/skins/a.png", ""}));
}

TEST(TSettingForm, PickedColoursAreSavedAndReservedValuesSurviveUnchanged) {
    SettingsFixtureFolder folder;
    folder.Write(CrLfLines({"[Setting]", "ColorFormColor=-2147483633", "ColorGridColor=536870911",
                            "ColorHandleColor=0x123456"}));
    ScriptedDialogs dialogs;
    TSettingForm form(dialogs, folder.Path());
    auto* handle = Find<ColorPicker>(form, "ColorHandleColor");
    EXPECT_EQ(handle->currentIndex(), ColorPicker::kCustomIndex);
    EXPECT_EQ(Find<ColorPicker>(form, "ColorFormColor")->currentText(),
              QStringLiteral("ボタンの表面"));
    EXPECT_EQ(Find<ColorPicker>(form, "ColorGridColor")->currentText(), QStringLiteral("なし"));
    Find<ColorPicker>(form, "ColorMHandleColor")->SetSelected(volmar::kColorDefault);
    ClickOk(form);
    EXPECT_EQ(folder.Read(),
              CrLfLines({"[Setting]", "ColorFormColor=-2147483633", "ColorGridColor=536870911",
                         "ColorHandleColor=1193046", "GridX=10", "GridY=10",
                         "PicturePath=", "FormEditorColor=536870912", ""}));
}

TEST(TSettingForm, FolderInPlaceOfTheFileSurfacesAsAnErrorOfTheCommand) {
    SettingsFixtureFolder folder;
    QDir().mkpath(folder.Path());
    ScriptedDialogs dialogs;
    volmar::RunGuarded(dialogs, nullptr, [&] {
        TSettingForm form(dialogs, folder.Path());
        dialogs.Exec(form);
    });
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_TRUE(dialogs.errors[0].contains(QStringLiteral("を作成できません")));
    EXPECT_TRUE(dialogs.asked.isEmpty()) << "the dialog must not be shown";
}

TEST(ColorPicker, CustomEntryAsksTheChooserAndCancelKeepsThePreviousColour) {
    ScriptedDialogs dialogs;
    ColorPicker picker(dialogs, 0x0000FF);
    EXPECT_EQ(picker.currentText(), QStringLiteral("赤"));
    EXPECT_EQ(picker.itemText(picker.count() - 2), QStringLiteral("なし"));
    EXPECT_EQ(picker.itemText(picker.count() - 1), QStringLiteral("既定"));
    picker.setCurrentIndex(ColorPicker::kCustomIndex);
    picker.activated(ColorPicker::kCustomIndex); // chooser cancelled
    EXPECT_EQ(picker.Selected(), 0x0000FFu);
    EXPECT_EQ(picker.currentText(), QStringLiteral("赤"));
    dialogs.colors.push_back(QColor(0x12, 0x34, 0x56));
    picker.setCurrentIndex(ColorPicker::kCustomIndex);
    picker.activated(ColorPicker::kCustomIndex);
    EXPECT_EQ(picker.Selected(), 0x563412u);
    EXPECT_EQ(dialogs.asked, QStringList({"color", "color"}));
}
