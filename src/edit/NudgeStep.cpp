#include "edit/NudgeStep.h"

#include <utility>

namespace volmar {

namespace {

constexpr int kNudgeStepId = 1;

} // namespace

std::unique_ptr<NudgeStep> NudgeStep::FromApplied(DesignDocument& document,
                                                  const std::vector<BoundsChange>& changes,
                                                  quint64 chain) {
    std::vector<Entry> entries = ChangedEntries(changes);
    if (entries.empty())
        return nullptr;
    Selection selection;
    selection.reserve(entries.size());
    for (const Entry& entry : entries)
        selection.push_back(entry.Item);
    return std::unique_ptr<NudgeStep>(new NudgeStep(
        document, MoveOrResizeName(changes), std::move(entries), std::move(selection), chain));
}

NudgeStep::NudgeStep(DesignDocument& document, const QString& name, std::vector<Entry> entries,
                     Selection selection, quint64 chain)
    : BoundsStep(document, name, std::move(entries), std::move(selection)), chain_(chain) {}

int NudgeStep::id() const {
    return kNudgeStepId;
}

// This step keeps the edges from before its first nudge; the later nudge
// adds nothing to keep. The name follows what the whole run did.
bool NudgeStep::mergeWith(const QUndoCommand* other) {
    const auto* next = static_cast<const NudgeStep*>(other);
    if (next->chain_ != chain_ || next->entries_.size() != entries_.size())
        return false;
    for (size_t i = 0; i < entries_.size(); ++i)
        if (next->entries_[i].Item != entries_[i].Item)
            return false;
    std::vector<BoundsChange> run;
    run.reserve(entries_.size());
    bool changed = false;
    for (const Entry& entry : entries_) {
        const CanvasRect now = BoundsOf(*entry.Item);
        run.push_back(BoundsChange{entry.Item, entry.Other, now});
        changed = changed || !(entry.Other == now);
    }
    setText(MoveOrResizeName(run));
    setObsolete(!changed);
    return true;
}

} // namespace volmar
