#include "CommandsFixture.h"

#include "canvas/QxGrabSize.h"

#include <QAction>
#include <QApplication>
#include <QTest>

namespace volmar::test {
namespace {

const char* const kCopied = "[0]\r\nName=menu\r\nX=10\r\nY=20\r\nR=210\r\nB=120\r\n\r\n"
                            "[1]\r\nName=help\r\nX=0\r\nY=416\r\nR=640\r\nB=480\r\n\r\n";

using ClipboardCommands = CommandsTest;

TEST_F(ClipboardCommands, CopyPutsTheSelectedDefinitionsOnTheClipboard) {
    TWindowItem* a = Add("a", 1, 1, 50, 50);
    TWindowItem* menu = Add("menu", 10, 20, 210, 120);
    Add("c", 3, 3, 60, 60);
    TWindowItem* help = Add("help", 0, 416, 640, 480);
    Select({help, menu});
    Trigger(form->aacCopy);
    EXPECT_EQ(Clipboard(), kCopied);
    EXPECT_EQ(SelectedNames(), QStringList({"menu", "help"}));
    EXPECT_EQ(form->frames().size(), 2u);
    EXPECT_EQ(Names(), QStringList({"a", "menu", "c", "help"}));
    EXPECT_FALSE(a->Selected);
}

TEST_F(ClipboardCommands, CopyCutAndDeleteNeedASelection) {
    TWindowItem* a = Add("a", 0, 0, 40, 40);
    form->UpdateActions();
    for (QAction* action : {form->aacCopy, form->aacCut, form->aacDelete})
        EXPECT_FALSE(action->isEnabled()) << action->objectName().toStdString();
    EXPECT_TRUE(form->aacPaste->isEnabled());
    EXPECT_TRUE(form->aacSelectAll->isEnabled());
    Select({a});
    form->UpdateActions();
    for (QAction* action : {form->aacCopy, form->aacCut, form->aacDelete})
        EXPECT_TRUE(action->isEnabled()) << action->objectName().toStdString();
}

TEST_F(ClipboardCommands, PasteAppendsMovedWindowsSelectsTheLastAndRewritesTheClipboard) {
    TWindowItem* first = Add("first", 0, 0, 100, 100);
    Select({first});
    SetClipboard(kCopied);
    Trigger(form->aacPaste);
    EXPECT_EQ(Document(), (std::vector<Edges>{{"first", 0, 0, 100, 100},
                                              {"menu", 15, 25, 215, 125},
                                              {"help", 5, 421, 645, 485}}));
    EXPECT_EQ(SelectedNames(), QStringList({"help"}));
    ASSERT_EQ(form->frames().size(), 1u);
    EXPECT_EQ(TMainForm::FrameItem(form->frames()[0]), form->document().At(2));
    EXPECT_EQ(form->WindowSelector->currentIndex(), 2);
    EXPECT_EQ(Clipboard(), "[0]\r\nName=menu\r\nX=15\r\nY=25\r\nR=215\r\nB=125\r\n\r\n"
                           "[1]\r\nName=help\r\nX=5\r\nY=421\r\nR=645\r\nB=485\r\n\r\n");

    Trigger(form->aacPaste);
    EXPECT_EQ(Document(), (std::vector<Edges>{{"first", 0, 0, 100, 100},
                                              {"menu", 15, 25, 215, 125},
                                              {"help", 5, 421, 645, 485},
                                              {"menu", 20, 30, 220, 130},
                                              {"help", 10, 426, 650, 490}}));
    EXPECT_EQ(form->WindowSelector->count(), 5);
    EXPECT_EQ(form->WindowSelector->currentIndex(), 4);
    EXPECT_EQ(form->document().CountSelected(), 1);
    EXPECT_TRUE(form->document().At(4)->Selected);
}

TEST_F(ClipboardCommands, CopiedWindowsPasteOffsetByFiveThenTen) {
    TWindowItem* w = Add("w", 10, 20, 110, 70);
    Select({w});
    Trigger(form->aacCopy);
    Trigger(form->aacPaste);
    Trigger(form->aacPaste);
    EXPECT_EQ(Document(),
              (std::vector<Edges>{
                  {"w", 10, 20, 110, 70}, {"w", 15, 25, 115, 75}, {"w", 20, 30, 120, 80}}));
}

TEST_F(ClipboardCommands, PasteOfGarbageIntoAnEmptyDocumentAddsNothing) {
    SetClipboard(QStringLiteral("not form text at all\r\n"));
    Trigger(form->aacPaste);
    EXPECT_TRUE(form->document().IsEmpty());
    EXPECT_TRUE(form->frames().empty());
    EXPECT_EQ(form->WindowSelector->count(), 0);
    EXPECT_EQ(form->WindowSelector->currentIndex(), -1);
    EXPECT_EQ(Clipboard(), "not form text at all\r\n");
}

// Ctrl+V of text without a section 0 keeps the clipboard and the selection.
TEST_F(ClipboardCommands, PasteOfTextWithoutAWindowKeepsClipboardAndSelection) {
    QApplication::setActiveWindow(form.get());
    TWindowItem* a = Add("a", 0, 0, 40, 40);
    Add("b", 50, 50, 90, 90);
    Select({a});
    SetClipboard(QStringLiteral("[1]\r\nName=gap\r\n"));
    QTest::keyClick(form->windowHandle(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Clipboard(), "[1]\r\nName=gap\r\n");
    EXPECT_EQ(Names(), QStringList({"a", "b"}));
    EXPECT_EQ(SelectedNames(), QStringList({"a"}));
}

TEST_F(ClipboardCommands, CutOfTwoCopiesBothAndKeepsTheRestInOrder) {
    TWindowItem* a = Add("a", 0, 0, 40, 40);
    TWindowItem* menu = Add("menu", 10, 20, 210, 120);
    Add("c", 3, 3, 60, 60);
    TWindowItem* help = Add("help", 0, 416, 640, 480);
    Add("e", 5, 5, 70, 70);
    Select({menu, help});
    Trigger(form->aacCut);
    EXPECT_EQ(Clipboard(), kCopied);
    EXPECT_EQ(Names(), QStringList({"a", "c", "e"}));
    EXPECT_EQ(form->document().At(0), a);
    EXPECT_TRUE(form->frames().empty());
    EXPECT_EQ(form->WindowSelector->count(), 3);
    EXPECT_EQ(form->WindowSelector->currentIndex(), -1);
}

TEST_F(ClipboardCommands, DeleteRemovesTheSelectedAndTheirFrames) {
    TWindowItem* a = Add("a", 0, 0, 40, 40);
    TWindowItem* b = Add("b", 50, 0, 90, 40);
    Add("c", 100, 0, 140, 40);
    TWindowItem* d = Add("d", 150, 0, 190, 40);
    Select({a, b, d});
    SetClipboard(QStringLiteral("kept"));
    Trigger(form->aacDelete);
    EXPECT_EQ(Names(), QStringList({"c"}));
    EXPECT_TRUE(form->frames().empty());
    EXPECT_EQ(form->document().CountSelected(), 0);
    EXPECT_EQ(form->WindowSelector->count(), 1);
    EXPECT_EQ(form->WindowSelector->itemText(0), "c");
    EXPECT_EQ(form->WindowSelector->currentIndex(), -1);
    EXPECT_EQ(Clipboard(), "kept");
    // The dropped frames are hidden and, once the event loop gets to them,
    // stand for no window.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (const TQxGrabSize* kept : form->WindowEditorBackPanel->findChildren<TQxGrabSize*>()) {
        EXPECT_TRUE(kept->isHidden());
        EXPECT_EQ(kept->Tag(), nullptr);
    }
}

TEST_F(ClipboardCommands, SelectAllGivesEveryDefinitionAFrameAndTheCanvasTheFocus) {
    QApplication::setActiveWindow(form.get());
    TWindowItem* a = Add("a", 0, 0, 40, 40);
    Add("b", 50, 0, 90, 40);
    Add("c", 100, 0, 140, 40);
    Select({a});
    ASSERT_EQ(form->WindowSelector->currentIndex(), 0);
    Trigger(form->aacSelectAll);
    EXPECT_EQ(form->document().CountSelected(), 3);
    ASSERT_EQ(form->frames().size(), 3u);
    for (TQxGrabSize* frame : form->frames())
        EXPECT_EQ(frame->DrawMode(), QxGGMultiSelect);
    EXPECT_EQ(form->WindowSelector->currentIndex(), 0);
    EXPECT_EQ(QApplication::focusWidget(), form->WindowEditorBackPanel);
}

TEST_F(ClipboardCommands, SelectAllOfOneOrNone) {
    Trigger(form->aacSelectAll);
    EXPECT_TRUE(form->frames().empty());
    Add("only", 0, 0, 40, 40);
    Trigger(form->aacSelectAll);
    ASSERT_EQ(form->frames().size(), 1u);
    EXPECT_EQ(form->frames()[0]->DrawMode(), QxGGNormal);
}

} // namespace
} // namespace volmar::test
