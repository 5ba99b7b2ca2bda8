#include "CommandsFixture.h"

#include "canvas/QxGrabSize.h"
#include "commands/FormCheck.h"

#include <QAction>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace volmar::test {
namespace {

using CheckCodeCommand = CommandsTest;

struct Seen {
    QString title;
    QStringList lines;
    int chosen = -2;
};

// Answers the check dialog: records it, then double-clicks line `row`, or
// presses "閉じる" when row is negative.
void AnswerCheck(ScriptedDialogs& dialogs, Seen& seen, int row) {
    dialogs.forms.push_back([&seen, row](QDialog& dialog) {
        auto& form = dynamic_cast<TCheckForm&>(dialog);
        form.show();
        seen.title = form.windowTitle();
        for (int i = 0; i < form.ProblemList->count(); ++i)
            seen.lines << form.ProblemList->item(i)->text();
        if (row < 0) {
            QTest::mouseClick(form.CloseButton, Qt::LeftButton);
        } else {
            QWidget* viewport = form.ProblemList->viewport();
            const QPoint at =
                form.ProblemList->visualItemRect(form.ProblemList->item(row)).center();
            QTest::mouseClick(viewport, Qt::LeftButton, {}, at);
            QTest::mouseDClick(viewport, Qt::LeftButton, {}, at);
        }
        seen.chosen = form.ChosenIndex();
        return form.result();
    });
}

TEST_F(CheckCodeCommand, ACleanDocumentGetsAMessageBox) {
    for (const bool empty : {true, false}) {
        if (!empty)
            Add("menu", 0, 0, 33, 33);
        dialogs.asked.clear();
        Trigger(form->aacCheckCode);
        EXPECT_TRUE(form->aacCheckCode->isEnabled());
        EXPECT_EQ(dialogs.asked, QStringList({"inform"}));
    }
    EXPECT_EQ(dialogs.informed, QStringList(2, QStringLiteral("問題は見つかりませんでした。")));
}

TEST_F(CheckCodeCommand, ListsTheProblemsAndDoubleClickSelectsTheirWindow) {
    TWindowItem* gold = Add("gold", 0, 0, 100, 100);
    Add("menu", 200, 0, 300, 100);
    TWindowItem* again = Add("gold", 400, 0, 500, 20);
    Select({gold});
    Seen seen;
    AnswerCheck(dialogs, seen, 1);
    Trigger(form->aacCheckCode);

    EXPECT_EQ(dialogs.asked, QStringList({"TCheckForm"}));
    EXPECT_EQ(seen.title, QStringLiteral("コードの確認"));
    EXPECT_EQ(seen.lines,
              (QStringList{"ウインドウ 2「gold」: ウインドウ 0 と同じ名前です。"
                           "後の文がそのウインドウを上書きします。",
                           "ウインドウ 2「gold」: 高さ 20 では内容のビットマップの高さが -12 "
                           "になります (33 以上が必要です)。"}));
    EXPECT_EQ(seen.chosen, 2);
    EXPECT_EQ(SelectedNames(), QStringList({"gold"}));
    EXPECT_TRUE(again->Selected);
    EXPECT_FALSE(gold->Selected);
    ASSERT_EQ(form->frames().size(), 1u);
    EXPECT_EQ(form->frames()[0]->Tag(), again);
    EXPECT_EQ(form->WindowSelector->currentIndex(), 2);
}

TEST_F(CheckCodeCommand, ClosingTheDialogLeavesTheSelection) {
    TWindowItem* a = Add("a b", 0, 0, 100, 100);
    TWindowItem* b = Add("b", 200, 0, 300, 100);
    Select({a, b});
    Seen seen;
    AnswerCheck(dialogs, seen, -1);
    Trigger(form->aacCheckCode);
    EXPECT_EQ(seen.lines.size(), 1);
    EXPECT_EQ(seen.chosen, -1);
    EXPECT_EQ(SelectedNames(), QStringList({"a b", "b"}));
    EXPECT_EQ(form->frames().size(), 2u);
}

} // namespace
} // namespace volmar::test
