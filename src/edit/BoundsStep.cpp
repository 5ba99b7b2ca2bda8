#include "edit/BoundsStep.h"

#include "edit/StepNames.h"

#include <utility>

namespace volmar {

CanvasRect BoundsOf(const TWindowItem& item) {
    return CanvasRect{item.Left, item.Top, item.Right, item.Bottom};
}

void SetBounds(TWindowItem& item, const CanvasRect& bounds) {
    item.Left = bounds.Left;
    item.Top = bounds.Top;
    item.Right = bounds.Right;
    item.Bottom = bounds.Bottom;
}

namespace {

// Compared in 64 bits: edges may lie anywhere in the 32-bit range.
bool SameSize(const CanvasRect& a, const CanvasRect& b) {
    return qint64(a.Right) - a.Left == qint64(b.Right) - b.Left &&
           qint64(a.Bottom) - a.Top == qint64(b.Bottom) - b.Top;
}

} // namespace

QString MoveOrResizeName(const std::vector<BoundsChange>& changes) {
    for (const BoundsChange& change : changes)
        if (!SameSize(change.Before, change.After))
            return kStepResize.toString();
    return kStepMove.toString();
}

std::vector<BoundsStep::Entry>
BoundsStep::ChangedEntries(const std::vector<BoundsChange>& changes) {
    std::vector<Entry> entries;
    entries.reserve(changes.size());
    for (const BoundsChange& change : changes)
        if (change.Item && !(change.Before == change.After))
            entries.push_back(Entry{change.Item, change.Before});
    entries.shrink_to_fit();
    return entries;
}

std::unique_ptr<BoundsStep> BoundsStep::FromApplied(DesignDocument& document, const QString& name,
                                                    const std::vector<BoundsChange>& changes,
                                                    Selection selection) {
    std::vector<Entry> entries = ChangedEntries(changes);
    if (entries.empty())
        return nullptr;
    return std::unique_ptr<BoundsStep>(
        new BoundsStep(document, name, std::move(entries), std::move(selection)));
}

BoundsStep::BoundsStep(DesignDocument& document, const QString& name, std::vector<Entry> entries,
                       Selection selection)
    : EditStep(document, name, selection, selection, true), entries_(std::move(entries)) {}

void BoundsStep::SwapBounds() {
    for (Entry& entry : entries_) {
        const CanvasRect current = BoundsOf(*entry.Item);
        SetBounds(*entry.Item, entry.Other);
        entry.Other = current;
    }
    document_.Notify(DocumentChanges{.Bounds = true});
}

} // namespace volmar
