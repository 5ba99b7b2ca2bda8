#pragma once

#include "document/CanvasRect.h"
#include "edit/EditStep.h"

#include <memory>
#include <vector>

namespace volmar {

// The edges of one definition before and after a change.
struct BoundsChange {
    TWindowItem* Item = nullptr;
    CanvasRect Before;
    CanvasRect After;
};

// The same by the definition's index in the list.
struct IndexedBoundsChange {
    int Index = 0;
    CanvasRect Before;
    CanvasRect After;
};

CanvasRect BoundsOf(const TWindowItem& item);
void SetBounds(TWindowItem& item, const CanvasRect& bounds);

// "サイズ変更" when some window changed its width or height, "移動" otherwise.
QString MoveOrResizeName(const std::vector<BoundsChange>& changes);

// The edges of several definitions changed in one step: a frame drag, a group
// move, an alignment. The step keeps, per definition, only the edges of the
// side that is not in the document, and swaps them in on undo and redo.
class BoundsStep : public EditStep {
public:
    // A step for changes already in the document; changes that leave the
    // edges as they were are dropped, and none is made when nothing is left.
    // The selection is the same on both sides.
    static std::unique_ptr<BoundsStep> FromApplied(DesignDocument& document, const QString& name,
                                                   const std::vector<BoundsChange>& changes,
                                                   Selection selection);

protected:
    struct Entry {
        TWindowItem* Item;
        CanvasRect Other;
    };
    BoundsStep(DesignDocument& document, const QString& name, std::vector<Entry> entries,
               Selection selection);
    static std::vector<Entry> ChangedEntries(const std::vector<BoundsChange>& changes);

    void Apply() override { SwapBounds(); }
    void Revert() override { SwapBounds(); }
    void SwapBounds();

    std::vector<Entry> entries_;
};

} // namespace volmar
