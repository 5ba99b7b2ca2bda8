// The undo history under random sequences of every command that changes the
// document, run through the same entry points as the menus and the canvas.
#include "CommandsFixture.h"

#include "canvas/FrameBinding.h"
#include "canvas/QxGrabSize.h"
#include "commands/FormProperty.h"
#include "document/FormText.h"
#include "document/ProjectFile.h"
#include "edit/EditStep.h"
#include "support/WindowItems.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSpinBox>
#include <QTemporaryDir>

#include <random>

namespace volmar::test {
namespace {

// What undo and redo must give back: the form text, the project name and
// the status bar's path.
struct DocumentState {
    QByteArray text;
    QString fileName;
    QString statusText;
    bool operator==(const DocumentState&) const = default;
};

class UndoHistoryTest : public CommandsTest {
protected:
    DocumentState State() const {
        return {SerializeDefinitions(form->document(), false), form->currentFileName(),
                form->StatusPanels[0]->text()};
    }
    std::vector<int> Selection() const {
        std::vector<int> selected;
        for (int i = 0; i < form->document().Count(); ++i)
            if (form->document().At(i)->Selected)
                selected.push_back(i);
        return selected;
    }
    int Random(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng); }
    QString RandomName() { return QStringLiteral("w%1").arg(Random(0, 9)); }

    void RandomDocument() {
        for (int i = Random(0, 6); i > 0; --i) {
            const int x = Random(-20, 600), y = Random(-20, 440);
            Add(RandomName(), x, y, x + Random(0, 120), y + Random(0, 120));
        }
        form->setCurrentFileName(Random(0, 1) ? QString() : QStringLiteral("/start.rsform"));
        form->setStatusText(0, form->currentFileName());
        RandomSelection();
    }
    void RandomSelection() {
        form->SetAllSelected(false);
        for (const auto& item : form->document())
            item->Selected = Random(0, 2) == 0;
        form->RebuildFrames();
        form->RebuildWindowSelector();
    }
    QString RandomProjectFile() {
        DesignDocument doc;
        for (int i = Random(0, 3); i > 0; --i)
            doc.Append(MakeWindow(RandomName(), Random(0, 300), Random(0, 300), 400, 400));
        const QString path = dir.filePath(QStringLiteral("p%1.rsform").arg(Random(0, 2)));
        SaveProjectFile(doc, path);
        return path;
    }
    void SendMouse(TQxGrabSize* frame, QEvent::Type type, QPoint local) {
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        const Qt::MouseButtons held =
            type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, QPointF(local), QPointF(frame->mapToGlobal(local)), button, held,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(frame, &event);
    }
    void DragAFrame() {
        const auto& frames = form->frames();
        if (frames.empty())
            return;
        TQxGrabSize* frame = frames[size_t(Random(0, int(frames.size()) - 1))];
        const QPoint from(Random(0, std::max(0, frame->width() - 1)),
                          Random(0, std::max(0, frame->height() - 1)));
        SendMouse(frame, QEvent::MouseButtonPress, from);
        SendMouse(frame, QEvent::MouseMove, from + QPoint(Random(-30, 30), Random(-30, 30)));
        SendMouse(frame, QEvent::MouseButtonRelease, from);
    }
    void EditProperties() {
        const int x = Random(0, 640), width = Random(-5, 200);
        const bool change = Random(0, 1);
        const QString name = RandomName();
        dialogs.forms.push_back([=](QDialog& dialog) {
            auto& form = static_cast<TPropertyForm&>(dialog);
            if (change) {
                form.EditX->setValue(x);
                form.EditWidth->setValue(width);
                form.EditWindowName->setText(name);
            }
            return QDialog::Accepted;
        });
        mustChange =
            change && form->CountSelected() == 1 && form->FindSelectedFrame()->Tag()->Name != name;
        Trigger(form->aacSelectProperty);
        dialogs.forms.clear();
    }
    void ShiftSome() {
        std::vector<IndexedBoundsChange> changes;
        for (int i = 0; i < form->document().Count(); ++i) {
            const TWindowItem& item = *form->document().At(i);
            const CanvasRect before{item.Left, item.Top, item.Right, item.Bottom};
            const CanvasRect after{item.Left + Random(0, 1), item.Top, item.Right, item.Bottom};
            if (Random(0, 1)) {
                changes.push_back({i, before, after});
                mustChange = mustChange || after != before;
            }
        }
        form->PushBoundsChange(QStringLiteral("整列"), changes);
    }

    // Whether a z-order command moves the one selected window past another
    // definition.
    bool ReorderChanges(int which) const {
        const DesignDocument& document = form->document();
        if (document.CountSelected() != 1)
            return false;
        const int i = document.IndexOf(form->FindSelectedFrame()->Tag());
        const bool toFront = which % 2 == 1;
        const int j = which < 2 ? document.ZOrderStepPartner(i, toFront)
                                : document.ZOrderEndPartner(i, toFront);
        return j != i && !SameDefinition(*document.At(i), *document.At(j));
    }

    enum class Kind { Edit, Nudge, Undo, Redo };

    // Runs one random command; mustChange tells whether, in the state it
    // found, the command has to change the document.
    Kind RunOne() {
        mustChange = false;
        const bool selected = form->CountSelected() > 0;
        const bool named = !(State() == DocumentState{});
        switch (Random(0, 15)) {
        case 0: {
            const QString name = Random(0, 3) ? RandomName() : QString();
            mustChange = !name.isEmpty();
            dialogs.names.push_back(name);
            form->AddWindowDefinition({Random(0, 300), Random(0, 300), 340, 340});
            dialogs.names.clear();
            break;
        }
        case 1:
            mustChange = selected;
            Trigger(form->aacDelete);
            break;
        case 2:
            mustChange = selected;
            Trigger(form->aacCut);
            break;
        case 3:
            if (Random(0, 1)) {
                mustChange = selected;
                Trigger(form->aacCopy);
            }
            Trigger(form->aacPaste);
            break;
        case 4: {
            const int which = Random(0, 3);
            mustChange = ReorderChanges(which);
            Trigger(std::array{form->aacZBack, form->aacZTop, form->aacZFullBack,
                               form->aacZFullTop}[size_t(which)]);
            break;
        }
        case 5:
            EditProperties();
            break;
        case 6: {
            QPoint moved;
            for (int n = Random(1, 3); n > 0; --n) {
                const QPoint by(Random(-1, 1), Random(-1, 1));
                form->MoveSelectedBy(by.x(), by.y());
                moved += by;
            }
            mustChange = selected && !moved.isNull();
            return Kind::Nudge;
        }
        case 7: {
            const QPoint by(Random(-1, 1), Random(-1, 1));
            mustChange = selected && !by.isNull();
            form->ResizeSelectedBy(by.x(), by.y());
            return Kind::Nudge;
        }
        case 8:
            DragAFrame();
            break;
        case 9:
            RandomSelection();
            break;
        case 10:
            dialogs.confirms.push_back(Random(0, 3) != 0);
            mustChange = dialogs.confirms.back() && named;
            Trigger(form->aacNewProject);
            dialogs.confirms.clear();
            break;
        case 11: {
            // Now and then a folder: it exists but cannot be read.
            const QString path = Random(0, 4) ? RandomProjectFile() : dir.path();
            QFile file(path);
            mustChange = file.open(QIODevice::ReadOnly)
                             ? file.readAll() != State().text || path != form->currentFileName()
                             : named;
            dialogs.openPaths.push_back(path);
            Trigger(form->aacOpenProject);
            dialogs.openPaths.clear();
            break;
        }
        case 12:
            ShiftSome();
            break;
        case 13:
        case 14:
            mustChange = form->undoStack().canUndo();
            Trigger(form->aacUndo);
            return Kind::Undo;
        default:
            mustChange = form->undoStack().canRedo();
            Trigger(form->aacRedo);
            return Kind::Redo;
        }
        return Kind::Edit;
    }

    // The frames stand exactly over the selected windows; the selector lists
    // the windows by name.
    void ExpectFramesMatchSelection() {
        ASSERT_EQ(form->WindowSelector->count(), form->document().Count());
        for (int i = 0; i < form->document().Count(); ++i)
            EXPECT_EQ(form->WindowSelector->itemText(i), form->document().At(i)->Name);
        std::vector<TWindowItem*> framed;
        for (TQxGrabSize* frame : form->frames()) {
            framed.push_back(frame->Tag());
            const FrameBounds b = FrameBoundsForItem(*frame->Tag());
            EXPECT_EQ(frame->Bounds(), b);
        }
        EXPECT_EQ(int(framed.size()), form->CountSelected());
    }

    std::mt19937 rng;
    QTemporaryDir dir;
    bool mustChange = false;
};

// Every state the history can reach again is recorded by its index: the
// document there, the selection an undo to it restores and the selection a
// redo to it restores. A command that makes no step must change nothing, and
// a command that must change the document in the state it found must do so.
TEST_F(UndoHistoryTest, UndoAndRedoWalkBackAndForthThroughRandomEdits) {
    for (unsigned seed = 1; seed <= 30; ++seed) {
        SCOPED_TRACE(seed);
        rng.seed(seed);
        form->undoStack().clear();
        RandomDocument();
        QUndoStack& stack = form->undoStack();
        std::vector<DocumentState> states{State()}; // by index in the history
        std::vector<std::vector<int>> undoSelection(1), redoSelection(1);
        for (int step = 0; step < 60; ++step) {
            SCOPED_TRACE(step);
            const size_t before = size_t(stack.index());
            const std::vector<int> selectionBefore = Selection();
            const DocumentState stateBefore = State();
            const Kind kind = RunOne();
            if (mustChange) {
                ASSERT_NE(State(), stateBefore) << "a command that did nothing";
            }
            const size_t after = size_t(stack.index());
            if (kind == Kind::Undo && after + 1 == before) {
                ASSERT_EQ(Selection(), undoSelection[after]);
            } else if (kind == Kind::Redo && after == before + 1) {
                ASSERT_EQ(Selection(), redoSelection[after]);
            } else if (after == before + 1) { // a new step; the redo side is gone
                ASSERT_TRUE(kind == Kind::Edit || kind == Kind::Nudge);
                states.resize(after + 1);
                undoSelection.resize(after + 1);
                redoSelection.resize(after + 1);
                states[after] = State();
                undoSelection[before] = selectionBefore;
                redoSelection[after] = Selection();
                EXPECT_NE(states[after], states[before]) << "a step that changes nothing";
            } else if (kind == Kind::Nudge && after == before && after > 0) {
                states[after] = State(); // merged into the step on top
            } else if (kind == Kind::Nudge && after + 1 == before) {
                states.resize(after + 1); // a run of nudges that undid itself left no step
            } else {
                ASSERT_EQ(after, before);
            }
            ASSERT_EQ(State(), states[after]) << "a change without a step";
            ExpectFramesMatchSelection();
        }
        const DocumentState end = states[size_t(stack.count())];
        while (stack.canUndo()) {
            const size_t index = size_t(stack.index() - 1);
            Trigger(form->aacUndo);
            ASSERT_EQ(State(), states[index]);
            ASSERT_EQ(Selection(), undoSelection[index]);
            ExpectFramesMatchSelection();
        }
        while (stack.canRedo()) {
            const size_t index = size_t(stack.index() + 1);
            Trigger(form->aacRedo);
            ASSERT_EQ(State(), states[index]);
            ASSERT_EQ(Selection(), redoSelection[index]);
        }
        EXPECT_EQ(State(), end);
        form->undoStack().clear();
        form->ClearDocument();
    }
}

} // namespace
} // namespace volmar::test
