#pragma once

#include "document/DesignDocument.h"

#include <QUndoCommand>

#include <vector>

namespace volmar {

// The selected definitions on one side of a step, in list order.
using Selection = std::vector<TWindowItem*>;

// The definitions whose selected flag is set, in list order.
Selection SelectedDefinitions(const DesignDocument& document);

// Whether two definitions have the same name and edges.
bool SameDefinition(const TWindowItem& a, const TWindowItem& b);

// Exactly the given definitions become selected.
void ApplySelection(DesignDocument& document, const Selection& selection);

// One step of the undo history. Undo takes the change back and selects what
// was selected before it; redo makes the change again and selects what was
// selected after it. A step built from a change already made (a frame drag,
// a keyboard nudge) skips the redo that pushing it runs.
// Steps refer to definitions by address: a step that takes definitions out
// of the list keeps them alive, so the steps around it stay valid.
class EditStep : public QUndoCommand {
public:
    void undo() final;
    void redo() final;

protected:
    EditStep(DesignDocument& document, const QString& name, Selection before, Selection after,
             bool applied);
    virtual void Apply() = 0;
    virtual void Revert() = 0;

    DesignDocument& document_;

private:
    Selection before_;
    Selection after_; // empty when the same as before_
    bool sameSelection_;
    bool skipRedo_;
};

} // namespace volmar
