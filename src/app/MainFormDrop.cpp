// Files dropped onto the main window: a project opens as Open opens it, a
// PNG file becomes the skin as the skin-change command makes it; anything
// else is refused, so the pointer shows that it cannot be dropped.
#include "app/DroppedFile.h"
#include "app/MainForm.h"

#include <QDragEnterEvent>
#include <QDropEvent>

namespace {

void AcceptOrRefuse(QDropEvent* event) {
    if (volmar::DroppedFileOf(event->mimeData()).kind != volmar::DroppedFile::Kind::Refused)
        event->acceptProposedAction();
    else
        event->ignore();
}

} // namespace

void TMainForm::dragEnterEvent(QDragEnterEvent* event) {
    AcceptOrRefuse(event);
}

void TMainForm::dragMoveEvent(QDragMoveEvent* event) {
    AcceptOrRefuse(event);
}

// The file is taken once the drop has finished: an error box shown inside
// the drop would keep the file manager waiting for its answer.
void TMainForm::dropEvent(QDropEvent* event) {
    const volmar::DroppedFile dropped = volmar::DroppedFileOf(event->mimeData());
    if (dropped.kind == volmar::DroppedFile::Kind::Refused) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    QMetaObject::invokeMethod(
        this,
        [this, dropped] {
            runGuarded([this, &dropped] {
                if (dropped.kind == volmar::DroppedFile::Kind::Project)
                    OpenProject(dropped.path);
                else
                    ChangeSkin(dropped.path);
            });
        },
        Qt::QueuedConnection);
}
