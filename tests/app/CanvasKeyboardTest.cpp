// The arrow keys on the canvas and the shortcuts that must keep working.
#include "CanvasFixture.h"

#include <QAction>
#include <QComboBox>
#include <QMenu>
#include <QSignalSpy>

namespace volmar::test {
namespace {

using Edges4 = std::array<qint32, 4>;

class CanvasKeys : public CanvasTest {
protected:
    void Key(int key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(Window(), Qt::Key(key), modifiers);
    }
};

TEST_F(CanvasKeys, ArrowsMoveEachSelectedWindowByOnePixel) {
    TWindowItem* a = Add(QStringLiteral("a"), 10, 10, 100, 100);
    TWindowItem* b = Add(QStringLiteral("b"), 200, 10, 300, 100);
    Click(QPoint(250, 50));
    Click(QPoint(50, 50), Qt::ShiftModifier);
    Key(Qt::Key_Right);
    Key(Qt::Key_Down);
    Key(Qt::Key_Down);
    EXPECT_EQ(Edges(a), (Edges4{11, 12, 101, 102}));
    EXPECT_EQ(Edges(b), (Edges4{201, 12, 301, 102}));
    Key(Qt::Key_Left, Qt::ControlModifier);
    Key(Qt::Key_Up, Qt::AltModifier);
    EXPECT_EQ(Edges(a), (Edges4{10, 11, 100, 101}));
    for (TQxGrabSize* frame : form->frames())
        EXPECT_EQ(frame->Height(), 95);
}

TEST_F(CanvasKeys, ShiftArrowsResizeWithoutAMinimum) {
    TWindowItem* a = Add(QStringLiteral("a"), 10, 10, 11, 60);
    Select({a});
    form->WindowEditorBackPanel->setFocus();
    Key(Qt::Key_Left, Qt::ShiftModifier);
    EXPECT_EQ(Edges(a), (Edges4{10, 10, 10, 60}));
    Key(Qt::Key_Left, Qt::ShiftModifier);
    EXPECT_EQ(Edges(a), (Edges4{10, 10, 9, 60}));
    EXPECT_EQ(form->frames().at(0)->Width(), -1);
    Key(Qt::Key_Down, Qt::ShiftModifier);
    Key(Qt::Key_Up, Qt::ShiftModifier | Qt::ControlModifier);
    Key(Qt::Key_Up, Qt::ShiftModifier);
    EXPECT_EQ(Edges(a), (Edges4{10, 10, 9, 59}));
}

TEST_F(CanvasKeys, WithTheFocusElsewhereNothingMovesUntilTheCanvasIsPressed) {
    TWindowItem* a = Add(QStringLiteral("a"), 10, 10, 100, 100);
    Select({a});
    form->WindowSelector->setFocus();
    Key(Qt::Key_Right);
    EXPECT_EQ(Edges(a), (Edges4{10, 10, 100, 100}));
    Click(QPoint(50, 50)); // on the frame: it moves nothing and takes the focus
    EXPECT_EQ(QApplication::focusWidget(), form->WindowEditorBackPanel);
    Key(Qt::Key_Right);
    EXPECT_EQ(Edges(a), (Edges4{11, 10, 101, 100}));
}

// Presses on the rulers, on the white margin and right presses on a frame
// leave the keyboard focus where it was, wherever that is.
TEST_F(CanvasKeys, OnlyTheCanvasAndALeftPressOnAFrameTakeTheFocus) {
    TWindowItem* a = Add(QStringLiteral("a"), 10, 10, 100, 100);
    struct Case {
        const char* where;
        QPoint at;
        Qt::MouseButton button;
    };
    const Case cases[] = {
        {"horizontal ruler", {100, -10}, Qt::LeftButton},
        {"vertical ruler", {-10, 100}, Qt::LeftButton},
        {"white corner", {-10, -10}, Qt::LeftButton},
        {"white margin", {650, 50}, Qt::LeftButton},
        {"frame, right button", {50, 50}, Qt::RightButton},
    };
    for (QWidget* owner :
         {form->WindowEditorBackPanel, static_cast<QWidget*>(form->WindowSelector)})
        for (const Case& c : cases) {
            Select({a});
            owner->setFocus();
            Press(c.at, c.button);
            Release(c.at, c.button);
            form->WindowEditorPopup->close();
            EXPECT_EQ(QApplication::focusWidget(), owner)
                << c.where << " from " << owner->objectName().toStdString();
        }
    Select({a});
    form->WindowEditorBackPanel->setFocus();
    Click(QPoint(100, -10));
    Key(Qt::Key_Right);
    EXPECT_EQ(Edges(a), (Edges4{11, 10, 101, 100}));
}

TEST_F(CanvasKeys, WhileAnotherWindowIsActiveNothingMoves) {
    TWindowItem* a = Add(QStringLiteral("a"), 10, 10, 100, 100);
    Click(QPoint(50, 50));
    QWidget other;
    other.show();
    other.activateWindow();
    QCoreApplication::processEvents();
    ASSERT_EQ(QApplication::activeWindow(), &other);
    Key(Qt::Key_Right);
    EXPECT_EQ(Edges(a), (Edges4{10, 10, 100, 100}));
}

TEST_F(CanvasKeys, WithoutASelectionArrowsDoNothing) {
    TWindowItem* a = Add(QStringLiteral("a"), 10, 10, 100, 100);
    form->WindowEditorBackPanel->setFocus();
    Key(Qt::Key_Right);
    EXPECT_EQ(Edges(a), (Edges4{10, 10, 100, 100}));
}

TEST_F(CanvasKeys, ActionShortcutsStillWinOverTheCanvas) {
    Add(QStringLiteral("a"), 10, 10, 100, 100);
    Click(QPoint(50, 50));
    form->UpdateActions();
    QSignalSpy deleted(form->aacDelete, &QAction::triggered);
    QSignalSpy copied(form->aacCopy, &QAction::triggered);
    Key(Qt::Key_C, Qt::ControlModifier);
    Key(Qt::Key_Delete);
    EXPECT_EQ(copied.count(), 1);
    EXPECT_EQ(deleted.count(), 1);
}

} // namespace
} // namespace volmar::test
