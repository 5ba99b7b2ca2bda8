// Creation, closing and destruction of the main window.
#include "app/MainForm.h"

#include "app/PaintBox.h"
#include "canvas/BandTool.h"
#include "canvas/FrameDragTool.h"
#include "canvas/FramePool.h"

#include "dialogs/Dialogs.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QCursor>
#include <QMouseEvent>
#include <QScrollArea>
#include <QWheelEvent>

TMainForm::TMainForm(volmar::Dialogs& dialogs, QWidget* parent)
    : QMainWindow(parent), dialogs_(dialogs), pointerSource_([] { return QCursor::pos(); }) {
    setAcceptDrops(true);
    BuildLayout();
    CreateCommands();
    BuildMainMenu();
    BuildPopupMenu();
    BuildToolBar();
    WirePaintBoxes();
    WireCanvasInteraction();
    WireUndoHistory();
    document_.Notices().SetListener(
        [this](const volmar::DocumentChanges& changes) { DocumentChanged(changes); });
    connect(WindowSelector, &QComboBox::activated, this,
            [this] { runGuarded([this] { WindowSelectorChange(); }); });
    PlaceOnScreen();
    FormCreate();
    UpdateActions();
}

TMainForm::~TMainForm() {
    FormDestroy();
    document_.Notices().SetListener(nullptr);
}

void TMainForm::FormCreate() {
    document_.Clear();
    skin_ = QImage();
    view_ = volmar::EditorDisplayState{};
    // The rulers and the canvas compose every repaint off-screen (PaintBox).
    PrepareHelp();
    ApplySettings();
    ApplyViewOptions();
    LoadRecentFiles();
}

bool TMainForm::FormCloseQuery() {
    return dialogs_.Confirm(this, QStringLiteral("終了"),
                            QStringLiteral("VOLMARを終了しようとしています。\r\n"
                                           "本当によろしいですか？"));
}

void TMainForm::FormDestroy() {
    undoStack_.clear();
    ClearDocument();
    skin_ = QImage();
    background_ = volmar::BackgroundPicture();
    ReleaseHelp();
}

void TMainForm::closeEvent(QCloseEvent* event) {
    if (!FormCloseQuery()) {
        event->ignore();
        return;
    }
    // A failure to store the view toggles is shown, but does not keep the
    // program from ending.
    runGuarded([this] { FormClose(); });
    event->accept();
}

void TMainForm::MenuEndClick() {
    close();
}

void TMainForm::ScrollBoxClick() {
    SetAllSelected(false);
}

// A click on the white margin around the canvas: the scroll area, its
// content or PanelBack itself (not the rulers or the canvas, which take
// their own pointer events).
bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == WindowEditor)
        return event->type() == QEvent::Wheel && ZoomByWheel(static_cast<QWheelEvent*>(event));
    if (event->type() == QEvent::MouseButtonRelease) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        auto* widget = qobject_cast<QWidget*>(watched);
        if (mouse->button() == Qt::LeftButton && widget &&
            widget->rect().contains(mouse->position().toPoint())) {
            runGuarded([this] { ScrollBoxClick(); });
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}
