#include "app/MainFormFixture.h"

#include "canvas/QxGrabSize.h"

#include "app/PaintBox.h"

#include <QAction>
#include <QLabel>
#include <QTest>

namespace volmar::test {
namespace {

class DocumentTest : public MainFormTest {
protected:
    void SetUp() override {
        MainFormTest::SetUp();
        a = Add(QStringLiteral("A"), 0, 0, 100, 100);
        b = Add(QStringLiteral("B"), 10, 10, 110, 110);
        c = Add(QStringLiteral("C"), 20, 20, 120, 120);
        d = Add(QStringLiteral("D"), 30, 30, 130, 130);
    }

    void ExpectOnlySelected(TWindowItem* item) {
        EXPECT_EQ(form->CountSelected(), 1);
        EXPECT_TRUE(item->Selected);
        ASSERT_EQ(form->frames().size(), 1u);
        EXPECT_EQ(form->frames().front()->Tag(), item);
        EXPECT_EQ(form->frames().front()->DrawMode(), QxGGNormal);
        EXPECT_EQ(form->WindowSelector->currentText(), item->Name);
    }

    TWindowItem* a = nullptr;
    TWindowItem* b = nullptr;
    TWindowItem* c = nullptr;
    TWindowItem* d = nullptr;
};

TEST_F(DocumentTest, ZOrderCommandsSwapEntries) {
    struct Case {
        QAction* TMainForm::*command;
        const char* order;
    };
    const Case cases[] = {
        {&TMainForm::aacZBack, "A C B D"},
        {&TMainForm::aacZTop, "A B D C"},
        {&TMainForm::aacZFullBack, "C B A D"},
        {&TMainForm::aacZFullTop, "A B D C"},
    };
    for (const Case& test : cases) {
        form->ClearDocument();
        a = Add(QStringLiteral("A"), 0, 0, 100, 100);
        b = Add(QStringLiteral("B"), 10, 10, 110, 110);
        c = Add(QStringLiteral("C"), 20, 20, 120, 120);
        d = Add(QStringLiteral("D"), 30, 30, 130, 130);
        Select({c});
        form->UpdateActions();
        (form.get()->*test.command)->trigger();
        EXPECT_EQ(Names().join(QLatin1Char(' ')), QLatin1String(test.order));
        ExpectOnlySelected(c);
        EXPECT_EQ(form->WindowSelector->currentIndex(), form->document().IndexOf(c));
    }
}

TEST_F(DocumentTest, ZOrderAtTheEndMovesNothingAndKeepsTheSelection) {
    Select({d});
    form->UpdateActions();
    form->aacZFullTop->trigger();
    form->aacZTop->trigger();
    EXPECT_EQ(Names().join(QLatin1Char(' ')), QStringLiteral("A B C D"));
    ExpectOnlySelected(d);

    Select({});
    form->ZOrderToEnd(false);
    EXPECT_EQ(Names().join(QLatin1Char(' ')), QStringLiteral("A B C D"));
    EXPECT_TRUE(form->frames().empty());
}

TEST_F(DocumentTest, FramesMatchTheSelection) {
    Select({b});
    ASSERT_EQ(form->frames().size(), 1u);
    TQxGrabSize* frame = form->frames().front();
    EXPECT_EQ(frame->parentWidget(), form->WindowEditorBackPanel);
    EXPECT_EQ(frame->Bounds(), (FrameBounds{10, 10, 100, 105}));
    EXPECT_EQ(frame->PopupMenu(), form->WindowEditorPopup);
    EXPECT_EQ(form->FindSelectedFrame(), frame);

    Select({d, b});
    ASSERT_EQ(form->frames().size(), 2u);
    EXPECT_EQ(form->frames()[0]->Tag(), b) << "frames follow list order";
    EXPECT_EQ(form->frames()[1]->Tag(), d);
    EXPECT_EQ(form->FindSelectedFrame(), form->frames()[1]) << "the newest frame is found first";
    for (TQxGrabSize* f : form->frames())
        EXPECT_EQ(f->DrawMode(), QxGGMultiSelect);
    EXPECT_EQ(form->WindowSelector->currentIndex(), -1);
    EXPECT_TRUE(form->WindowSelector->currentText().isEmpty());

    // The old frames are gone from the list at once and hidden, but stay as
    // they were until the event loop gets to them; then they are cleared
    // and stand for the next selection.
    QPointer<TQxGrabSize> old = form->frames()[0];
    Select({});
    EXPECT_TRUE(form->frames().empty());
    ASSERT_TRUE(old);
    EXPECT_TRUE(old->isHidden());
    EXPECT_EQ(old->Tag(), b);
    Select({c});
    EXPECT_NE(form->frames()[0], old) << "not reused while its event may still run";
    Select({});
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_TRUE(old);
    EXPECT_EQ(old->Tag(), nullptr);
    EXPECT_EQ(old->DrawMode(), QxGGNormal);
    Select({c, d});
    EXPECT_TRUE(form->frames()[0] == old || form->frames()[1] == old);
    EXPECT_FALSE(old->isHidden());
}

TEST_F(DocumentTest, FrameBoundsAreWrittenBackFiveHigher) {
    Select({b});
    TQxGrabSize* frame = form->frames().front();
    frame->SetLeft(40);
    frame->SetHeight(57);
    EXPECT_EQ(b->Left, 40);
    EXPECT_EQ(b->Right, 140);
    EXPECT_EQ(b->Top, 10);
    EXPECT_EQ(b->Bottom, 62);
    frame->SetWidth(-3);
    EXPECT_EQ(b->Right, 37) << "negative sizes are passed on as they are";
}

TEST_F(DocumentTest, GroupMoveListsEveryOtherFrameNewestFirst) {
    Select({a, b, c});
    const auto& frames = form->frames();
    TQxGrabSizeControlList list;
    ASSERT_TRUE(frames[1]->OnMultiResize);
    frames[1]->OnMultiResize(frames[1], list);
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0], frames[2]);
    EXPECT_EQ(list[1], frames[0]);
    EXPECT_EQ(list[0]->MultiResizerTempLeft(), 20);
    EXPECT_EQ(list[0]->MultiResizerTempTop(), 20);

    Select({a});
    list.clear();
    form->frames()[0]->OnMultiResize(form->frames()[0], list);
    EXPECT_TRUE(list.empty()) << "a single frame moves alone";
}

TEST_F(DocumentTest, SelectorPicksByDefinitionNotByName) {
    form->ClearDocument();
    TWindowItem* first = Add(QStringLiteral("same"), 0, 0, 50, 50);
    TWindowItem* second = Add(QStringLiteral("same"), 60, 0, 110, 50);
    ASSERT_EQ(form->WindowSelector->count(), 2);

    form->WindowSelector->setCurrentIndex(1);
    EXPECT_EQ(form->CountSelected(), 0) << "a change by the program is no pick";
    Q_EMIT form->WindowSelector->activated(1);
    EXPECT_FALSE(first->Selected);
    EXPECT_TRUE(second->Selected);
    ASSERT_EQ(form->frames().size(), 1u);
    EXPECT_EQ(form->frames().front()->Tag(), second);

    // Picking the one already selected leaves exactly one frame.
    Q_EMIT form->WindowSelector->activated(1);
    ASSERT_EQ(form->frames().size(), 1u);
    EXPECT_EQ(form->frames().front()->Tag(), second);
}

TEST_F(DocumentTest, SelectorPickedWithTheKeyboard) {
    form->WindowSelector->setFocus();
    QTest::keyClick(form->WindowSelector, Qt::Key_Down);
    EXPECT_TRUE(a->Selected);
    QTest::keyClick(form->WindowSelector, Qt::Key_Down);
    EXPECT_FALSE(a->Selected);
    EXPECT_TRUE(b->Selected);
    EXPECT_EQ(form->frames().size(), 1u);
}

TEST_F(DocumentTest, AddWindowDefinitionAsksForTheName) {
    Select({a});
    dialogs.names = {QStringLiteral("menu")};
    form->AddWindowDefinition(CanvasRect{20, 40, 52, 72});
    ASSERT_EQ(form->document().Count(), 5);
    TWindowItem* added = form->document().At(4);
    EXPECT_EQ(added->Name, QStringLiteral("menu"));
    EXPECT_EQ((CanvasRect{added->Left, added->Top, added->Right, added->Bottom}),
              (CanvasRect{20, 40, 52, 72}));
    EXPECT_FALSE(added->Selected);
    EXPECT_TRUE(a->Selected) << "the selection stays as it was";
    EXPECT_EQ(form->frames().size(), 1u);
    EXPECT_EQ(form->WindowSelector->itemText(4), QStringLiteral("menu"));

    // Cancel adds nothing and changes nothing.
    form->AddWindowDefinition(CanvasRect{20, 40, 52, 72});
    EXPECT_EQ(form->document().Count(), 5);
    EXPECT_TRUE(a->Selected);

    // Too small: no question, and the selection is cleared.
    form->AddWindowDefinition(CanvasRect{20, 40, 51, 72});
    EXPECT_EQ(form->document().Count(), 5);
    EXPECT_EQ(dialogs.asked, QStringList({QStringLiteral("name"), QStringLiteral("name")}));
    EXPECT_EQ(form->CountSelected(), 0);
    EXPECT_TRUE(form->frames().empty());
}

TEST_F(DocumentTest, ClearDocumentEmptiesEverything) {
    Select({a, c});
    form->setCurrentFileName(QStringLiteral("/tmp/x.rsform"));
    form->setStatusText(0, QStringLiteral("/tmp/x.rsform"));
    form->ClearDocument();
    EXPECT_EQ(form->document().Count(), 0);
    EXPECT_TRUE(form->frames().empty());
    EXPECT_EQ(form->WindowSelector->count(), 0);
    EXPECT_TRUE(form->currentFileName().isEmpty());
    EXPECT_TRUE(form->StatusPanels[0]->text().isEmpty());
}

TEST_F(DocumentTest, ClickBesideTheCanvasClearsTheSelection) {
    Select({a, b});
    QTest::mouseClick(form->PanelBack, Qt::LeftButton, {}, QPoint(670, 520));
    EXPECT_EQ(form->CountSelected(), 0);
    EXPECT_TRUE(form->frames().empty());

    // The rulers take their own clicks.
    Select({a});
    QTest::mouseClick(form->rulerXPaint, Qt::LeftButton, {}, QPoint(100, 10));
    QTest::mouseClick(form->rulerYPaint, Qt::LeftButton, {}, QPoint(10, 100));
    EXPECT_EQ(form->CountSelected(), 1);

    // A hidden ruler leaves white margin, which is PanelBack's.
    form->setRulersVisible(false);
    QTest::mouseClick(form->PanelBack, Qt::LeftButton, {}, QPoint(100, 10));
    EXPECT_EQ(form->CountSelected(), 0);
    EXPECT_EQ(form->WindowSelector->currentIndex(), -1);
}

TEST_F(DocumentTest, SettersReachLiveFrames) {
    Select({a});
    TQxGrabSize* frame = form->frames().front();
    form->setSnap(false);
    form->setGridSpacingX(7);
    form->setGridSpacingY(0);
    form->setGridSpacingX(-1);
    form->setHandleColor(0x00FF00);
    form->setMultiSelectColor(0x123456);
    EXPECT_FALSE(frame->SnapGrid());
    EXPECT_EQ(frame->SnapGridX(), 7);
    EXPECT_EQ(frame->SnapGridY(), 10) << "a spacing below 1 is refused";
    EXPECT_EQ(form->displayState().GridX, 7);
    EXPECT_EQ(form->displayState().GridY, 10);
    EXPECT_EQ(frame->Color(), 0x00FF00u);
    EXPECT_EQ(frame->MultiSelectColor(), 0x123456u);

    // New frames take the current values.
    form->aacSnapViewGrid->trigger();
    Select({b});
    EXPECT_TRUE(form->frames().front()->SnapGrid());
    EXPECT_EQ(form->frames().front()->Color(), 0x00FF00u);
}

TEST_F(DocumentTest, ClosingAlwaysAsksAndCancelKeepsTheWindow) {
    dialogs.confirms = {false};
    EXPECT_FALSE(form->close());
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->document().Count(), 4);
    EXPECT_EQ(dialogs.asked, QStringList{QStringLiteral("終了")});

    dialogs.confirms = {true};
    form->MenuEnd->trigger();
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(dialogs.asked.size(), 2);
}

} // namespace
} // namespace volmar::test
