#pragma once

#include "canvas/GrabHandleLayout.h"
#include "document/DesignDocument.h"
#include "document/GuideSnap.h"
#include "edit/BoundsStep.h"
#include "render/DisplayState.h"

#include <QPoint>
#include <QUndoStack>

#include <functional>
#include <optional>
#include <vector>

namespace volmar {

// A drag of the grab-handle frames: the selected windows move, or one is
// resized. The frames write every change into their windows as it happens;
// the tool keeps the edges from the press, so that the drag becomes one step
// of the history, and snaps the frames' steps to the other windows' guides.
class FrameDragTool {
public:
    using ShowLines = std::function<void(const GuideLines&)>;

    FrameDragTool(DesignDocument& document, const EditorDisplayState& view, QUndoStack& history,
                  ShowLines show);

    // A press on a frame: the selected windows' edges as they are now, and
    // for the left button the top-left corner of the frame held.
    void Press(std::vector<BoundsChange> baseline, std::optional<CanvasPoint> heldCorner);
    // Records what the drag changed so far as a step, and goes on from there.
    void Flush();
    // The windows' edges as they are now become the drag's starting point.
    void Rebase();
    // The release: the step, and the guides gone.
    void Finish();
    // Undo or redo took the windows elsewhere: the drag records nothing more.
    void Forget() { baseline_.clear(); }

    void MoveSnap(QPoint raw, QPoint& corner);
    void SizeSnap(GrabDragStep step, QPoint& point);
    void EndGuides();

    // The screen position of the last pointer press or move on a frame: the
    // frames' events carry none.
    QPoint Pointer;

private:
    DesignDocument& document_;
    const EditorDisplayState& view_;
    QUndoStack& history_;
    ShowLines show_;
    // The selected windows' edges at the press; empty between drags.
    std::vector<BoundsChange> baseline_;
    // The guides of the drag under way (none without snapping to windows)
    // and what the drag moves.
    std::optional<GuideTargets> targets_;
    DragGroup group_;
};

} // namespace volmar
