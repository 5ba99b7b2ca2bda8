// Undo and redo driven by real pointer and key events.
#include "CanvasFixture.h"

#include "document/FormText.h"
#include "document/ProjectFile.h"
#include "support/WindowItems.h"

#include <QAction>
#include <QTemporaryDir>

namespace volmar::test {
namespace {

using Edges4 = std::array<qint32, 4>;

class UndoCommandsTest : public CanvasTest {
protected:
    // The idle update runs first, as the event loop would run it.
    void Key(int key, Qt::KeyboardModifiers modifiers = {}) {
        form->UpdateActions();
        QTest::keyClick(Window(), Qt::Key(key), modifiers);
    }
    void Undo() { Key(Qt::Key_Z, Qt::ControlModifier); }
    void Redo() { Key(Qt::Key_Y, Qt::ControlModifier); }
    QString UndoCaption() {
        form->UpdateActions();
        return form->aacUndo->text();
    }
    QString RedoCaption() {
        form->UpdateActions();
        return form->aacRedo->text();
    }
};

TEST_F(UndoCommandsTest, AFrameDragIsOneStepAndUndoWaitsWhileItLasts) {
    TWindowItem* a = Add(QStringLiteral("a"), 100, 50, 300, 150);
    Select({a});
    EXPECT_EQ(UndoCaption(), QStringLiteral("元に戻す(&U)"));
    EXPECT_FALSE(form->aacUndo->isEnabled());
    MoveTo(QPoint(150, 80));
    Press(QPoint(150, 80));
    MoveTo(QPoint(170, 100));
    MoveTo(QPoint(193, 154));
    form->aacUndoExecute(); // mid-drag: nothing happens
    EXPECT_EQ(Edges(a), (Edges4{140, 120, 340, 220}));
    Release(QPoint(193, 154));
    EXPECT_EQ(form->undoStack().count(), 1);
    EXPECT_EQ(UndoCaption(), QStringLiteral("元に戻す(&U) 移動"));
    Undo();
    EXPECT_EQ(Edges(a), (Edges4{100, 50, 300, 150}));
    ASSERT_EQ(FrameCount(), 1u);
    EXPECT_EQ(form->frames()[0]->Left(), 100);
    QCoreApplication::processEvents(); // the rulers follow with no pointer move
    EXPECT_EQ(form->rulerXPaint->Buffer().pixel(100, 5), qRgb(255, 0, 0));
    EXPECT_NE(form->rulerXPaint->Buffer().pixel(140, 5), qRgb(255, 0, 0));
    EXPECT_EQ(RedoCaption(), QStringLiteral("やり直し(&R) 移動"));
    EXPECT_EQ(UndoCaption(), QStringLiteral("元に戻す(&U)"));
    Redo();
    EXPECT_EQ(Edges(a), (Edges4{140, 120, 340, 220}));
    // A press and release where the frame started makes no step.
    Click(QPoint(200, 150));
    EXPECT_EQ(form->undoStack().count(), 1);
}

TEST_F(UndoCommandsTest, AHandleDragIsAResize) {
    TWindowItem* a = Add(QStringLiteral("a"), 100, 50, 250, 150);
    Select({a});
    MoveTo(QPoint(247, 152));
    Press(QPoint(247, 152));
    MoveTo(QPoint(300, 155));
    Release(QPoint(300, 155));
    EXPECT_EQ(UndoCaption(), QStringLiteral("元に戻す(&U) サイズ変更"));
    Undo();
    EXPECT_EQ(Edges(a), (Edges4{100, 50, 250, 150}));
}

TEST_F(UndoCommandsTest, ArrowKeysOnOneSelectionMergeUntilSomethingElseHappens) {
    TWindowItem* a = Add(QStringLiteral("a"), 10, 10, 100, 100);
    TWindowItem* b = Add(QStringLiteral("b"), 200, 10, 300, 100);
    Click(QPoint(50, 50));
    Click(QPoint(250, 50), Qt::ShiftModifier);
    Key(Qt::Key_Right);
    Key(Qt::Key_Right);
    Key(Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(form->undoStack().count(), 1);
    EXPECT_EQ(UndoCaption(), QStringLiteral("元に戻す(&U) サイズ変更"));
    Click(QPoint(380, 300)); // empty canvas: the selection goes, the run ends
    Click(QPoint(50, 50));
    Click(QPoint(250, 50), Qt::ShiftModifier);
    Key(Qt::Key_Left);
    Key(Qt::Key_Left);
    EXPECT_EQ(form->undoStack().count(), 2);
    Key(Qt::Key_Right); // back where it began: the step goes away
    Key(Qt::Key_Right);
    EXPECT_EQ(form->undoStack().count(), 1);
    Undo();
    EXPECT_EQ(Edges(a), (Edges4{10, 10, 100, 100}));
    EXPECT_EQ(Edges(b), (Edges4{200, 10, 300, 100}));
    EXPECT_EQ(Selected(), (std::vector<const TWindowItem*>{a, b}));
    EXPECT_EQ(FrameCount(), 2u);
}

TEST_F(UndoCommandsTest, NewAndOpenAreUndoneWithTheProjectName) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("menu.rsform"));
    DesignDocument saved;
    saved.Append(MakeWindow(QStringLiteral("menu"), 0, 0, 160, 128));
    SaveProjectFile(saved, path);
    Add(QStringLiteral("mine"), 10, 10, 50, 50);
    const QByteArray mine = SerializeDefinitions(form->document(), false);

    dialogs.openPaths.push_back(path);
    Key(Qt::Key_O, Qt::ControlModifier);
    ASSERT_EQ(form->currentFileName(), path);
    const QString shownPath = Status(0);
    EXPECT_FALSE(shownPath.isEmpty());
    dialogs.confirms.push_back(true);
    Key(Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(form->document().Count(), 0);
    EXPECT_EQ(UndoCaption(), QStringLiteral("元に戻す(&U) 新規プロジェクト"));

    Undo();
    EXPECT_EQ(SerializeDefinitions(form->document(), false), SerializeDefinitions(saved, false));
    EXPECT_EQ(form->currentFileName(), path);
    EXPECT_EQ(Status(0), shownPath);
    EXPECT_EQ(form->WindowSelector->count(), 1);
    EXPECT_EQ(UndoCaption(), QStringLiteral("元に戻す(&U) プロジェクトを開く"));
    Undo();
    EXPECT_EQ(SerializeDefinitions(form->document(), false), mine);
    EXPECT_TRUE(form->currentFileName().isEmpty());
    EXPECT_TRUE(Status(0).isEmpty());
    Redo();
    Redo();
    EXPECT_EQ(form->document().Count(), 0);
    EXPECT_TRUE(form->currentFileName().isEmpty());

    // New on an empty, unnamed document changes nothing and makes no step.
    dialogs.confirms.push_back(true);
    Key(Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(form->undoStack().count(), 2);
}

} // namespace
} // namespace volmar::test
