#include "CommandsFixture.h"

#include "canvas/QxGrabSize.h"
#include "commands/FormCode.h"
#include "commands/FormProperty.h"
#include "settings/SettingsFolder.h"

#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

namespace volmar::test {
namespace {

struct Shown {
    int x = -1, y = -1, width = -1, height = -1;
    QString name;
};

using PropertyCommand = CommandsTest;

// Answers the property dialog: records what it shows, lets edit change the
// fields, then presses the button.
void AnswerProperty(ScriptedDialogs& dialogs, Shown& shown,
                    std::function<void(TPropertyForm&)> edit, bool ok) {
    dialogs.forms.push_back([&shown, edit, ok](QDialog& dialog) {
        auto& form = dynamic_cast<TPropertyForm&>(dialog);
        form.show();
        shown = {form.EditX->value(), form.EditY->value(), form.EditWidth->value(),
                 form.EditHeight->value(), form.EditWindowName->text()};
        if (edit)
            edit(form);
        QTest::mouseClick(ok ? form.Button2 : form.Button1, Qt::LeftButton);
        return form.result();
    });
}

TEST_F(PropertyCommand, OpensWithTheSizeAndPositionOfTheSelectedWindow) {
    TWindowItem* menu = Add("menu", 10, 20, 210, 120);
    Select({menu});
    Shown shown;
    AnswerProperty(dialogs, shown, nullptr, false);
    Trigger(form->aacSelectProperty);
    EXPECT_EQ(dialogs.asked, QStringList({"TPropertyForm"}));
    EXPECT_EQ(shown.x, 10);
    EXPECT_EQ(shown.y, 20);
    EXPECT_EQ(shown.width, 200);
    EXPECT_EQ(shown.height, 100);
    EXPECT_EQ(shown.name, "menu");
}

TEST_F(PropertyCommand, ConfirmingWritesTheFieldsAndSetsTheFrameFiveTaller) {
    TWindowItem* w = Add("w", 100, 50, 300, 150);
    Select({w});
    Shown shown;
    AnswerProperty(
        dialogs, shown,
        [](TPropertyForm& f) {
            f.EditWidth->setValue(-30);
            f.EditHeight->setValue(40);
            f.EditY->setValue(7);
            f.EditWindowName->setText(QStringLiteral("renamed"));
        },
        true);
    Trigger(form->aacSelectProperty);
    EXPECT_EQ(Document(), (std::vector<Edges>{{"renamed", 100, 7, 70, 47}}));
    ASSERT_EQ(form->frames().size(), 1u);
    const TQxGrabSize* frame = form->frames()[0];
    EXPECT_EQ(frame->Left(), 100);
    EXPECT_EQ(frame->Top(), 7);
    EXPECT_EQ(frame->Width(), -30);
    EXPECT_EQ(frame->Height(), 45);
    EXPECT_TRUE(w->Selected);
    EXPECT_EQ(form->WindowSelector->currentIndex(), 0);
    EXPECT_EQ(form->WindowSelector->currentText(), "renamed");
}

// A field confirmed as it was shown leaves that value of the window alone,
// even one the field cannot hold; a changed field sets its value.
TEST_F(PropertyCommand, ConfirmingKeepsWhatNoFieldChanged) {
    const QString snowman = QStringLiteral("雪\u2603"); // shown as "雪?"
    const std::vector<std::tuple<Edges, int, Edges>> cases = {
        // before, X typed (-1: none), after
        {{"wide", -40, -10, 1500, 1200}, -1, {"wide", -40, -10, 1500, 1200}},
        {{"far", -2147483647 - 1, 481, 2147483647, 1482}, 1, {"far", 1, 481, 2147483647, 1482}},
        {{snowman, 1, 2, 3, 4}, -1, {snowman, 1, 2, 3, 4}}};
    for (const auto& [before, x, after] : cases) {
        Select({Add(before.name, before.left, before.top, before.right, before.bottom)});
        Shown shown;
        AnswerProperty(
            dialogs, shown,
            [v = x](TPropertyForm& f) { f.EditX->setValue(v < 0 ? f.EditX->value() : v); }, true);
        Trigger(form->aacSelectProperty);
        EXPECT_EQ(Document(), std::vector<Edges>{after});
        Trigger(form->aacDelete);
    }
}

TEST_F(PropertyCommand, CancelAfterEditingEveryFieldChangesNothing) {
    TWindowItem* w = Add("w", 10, 20, 210, 120);
    Select({w});
    Shown shown;
    AnswerProperty(
        dialogs, shown,
        [](TPropertyForm& f) {
            f.EditX->setValue(1);
            f.EditY->setValue(2);
            f.EditWidth->setValue(3);
            f.EditHeight->setValue(4);
            f.EditWindowName->setText(QStringLiteral("x"));
        },
        false);
    Trigger(form->aacSelectProperty);
    EXPECT_EQ(Document(), (std::vector<Edges>{{"w", 10, 20, 210, 120}}));
    EXPECT_EQ(form->frames()[0]->Height(), 105);
    EXPECT_EQ(form->WindowSelector->currentText(), "w");
}

TEST_F(PropertyCommand, DoesNothingUnlessExactlyOneWindowIsSelected) {
    TWindowItem* a = Add("a", 0, 0, 40, 40);
    TWindowItem* b = Add("b", 50, 0, 90, 40);
    form->UpdateActions();
    EXPECT_FALSE(form->aacSelectProperty->isEnabled());
    form->aacSelectPropertyExecute();
    Select({a, b});
    form->UpdateActions();
    EXPECT_FALSE(form->aacSelectProperty->isEnabled());
    form->aacSelectPropertyExecute();
    EXPECT_TRUE(dialogs.asked.isEmpty());
}

TEST_F(PropertyCommand, DoubleClickOnTheFrameOpensTheDialog) {
    TWindowItem* w = Add("w", 10, 20, 210, 120);
    Select({w});
    form->UpdateActions();
    Shown shown;
    AnswerProperty(dialogs, shown, nullptr, false);
    ASSERT_EQ(form->frames().size(), 1u);
    TQxGrabSize* frame = form->frames()[0];
    QTest::mouseDClick(frame, Qt::LeftButton, {}, QPoint(frame->width() / 2, frame->height() / 2));
    EXPECT_EQ(dialogs.asked, QStringList({"TPropertyForm"}));
    EXPECT_EQ(shown.width, 200);
}

using CodeGenCommand = CommandsTest;

// Answers the code dialog by closing it, keeping the text it showed.
void CaptureCode(ScriptedDialogs& dialogs, QString& code) {
    dialogs.forms.push_back([&code](QDialog& dialog) {
        code = dynamic_cast<TCodeForm&>(dialog).CodeMemo->toPlainText();
        return int(QDialog::Rejected);
    });
}

TEST_F(CodeGenCommand, ShowsTheStatementsOfTheWholeDocument) {
    TWindowItem* menu = Add("menu", 10, 20, 210, 120);
    Add("help", 0, 416, 640, 480);
    Select({menu});
    QString code = QStringLiteral("<not shown>");
    CaptureCode(dialogs, code);
    Trigger(form->aacCodeGen);
    EXPECT_EQ(dialogs.asked, QStringList({"TCodeForm"}));
    EXPECT_EQ(code, "@menu  = Window.new\n@menu.x = 10\n@menu.y = 20\n@menu.width = 200\n"
                    "@menu.height = 100\n@menu.contents = Bitmap.new(168,68)\n\n"
                    "@help  = Window.new\n@help.x = 0\n@help.y = 416\n@help.width = 640\n"
                    "@help.height = 64\n@help.contents = Bitmap.new(608,32)\n\n");
    EXPECT_EQ(Names(), QStringList({"menu", "help"}));
}

TEST_F(CodeGenCommand, IsAlwaysEnabledAndShowsAnEmptyDocumentAsEmptyText) {
    QString code = QStringLiteral("<not shown>");
    CaptureCode(dialogs, code);
    Trigger(form->aacCodeGen);
    EXPECT_TRUE(form->aacCodeGen->isEnabled());
    EXPECT_EQ(code, "");
}

// The form picked in "コードの形式" shows in the code dialog, goes into
// setting.ini beside what is there, and is in force at the next start.
TEST_F(CodeGenCommand, ShowsAndStoresTheFormPickedInTheMenu) {
    QFile file(SettingsFilePath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[Setting]\r\nGridX=20\r\n\r\n[Editor]\r\nSnapToWindows=1\r\nCodeDispose=0\r\n\r\n");
    file.close();
    EXPECT_TRUE(Find<QAction>("CodeStyleWindow")->isChecked());
    Add("menu", 10, 20, 210, 120);
    Find<QAction>("CodeStyleBase")->trigger();
    Find<QAction>("CodeStyleDispose")->trigger();
    EXPECT_FALSE(Find<QAction>("CodeStyleWindow")->isChecked());

    QString code;
    CaptureCode(dialogs, code);
    Trigger(form->aacCodeGen);
    EXPECT_EQ(code, "@menu = Window_Base.new(10, 20, 200, 100)\n@menu.contents = Bitmap.new(168,68)"
                    "\n\n@menu.dispose\n\n");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "[Setting]\r\nGridX=20\r\n\r\n[Editor]\r\nSnapToWindows=1\r\n"
                              "CodeDispose=1\r\nCodeStyle=base\r\nCodeWindowskin=0\r\n\r\n");
    TMainForm next(dialogs);
    EXPECT_TRUE(next.findChild<QAction*>("CodeStyleBase")->isChecked());
    EXPECT_TRUE(next.findChild<QAction*>("CodeStyleDispose")->isChecked());
    EXPECT_FALSE(next.findChild<QAction*>("CodeStyleWindowskin")->isChecked());
}

} // namespace
} // namespace volmar::test
