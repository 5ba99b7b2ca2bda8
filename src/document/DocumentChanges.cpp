#include "document/DocumentChanges.h"

#include <utility>

namespace volmar {

void DocumentChanges::Merge(const DocumentChanges& other) {
    List = List || other.List;
    Bounds = Bounds || other.Bounds;
    Names = Names || other.Names;
    Selection = Selection || other.Selection;
    LiveBounds = LiveBounds || other.LiveBounds;
    Canvas = Canvas || other.Canvas;
}

void ChangeNotifier::Notify(const DocumentChanges& changes) {
    if (!changes.Any())
        return;
    if (openBatches_ > 0) {
        pending_.Merge(changes);
        return;
    }
    if (listener_)
        listener_(changes);
}

ChangeNotifier::Batch::Batch(ChangeNotifier& notifier) : notifier_(notifier) {
    ++notifier_.openBatches_;
}

// The listener may open a batch of its own: the gathered notice is taken
// out before it is delivered.
ChangeNotifier::Batch::~Batch() {
    if (--notifier_.openBatches_ > 0)
        return;
    notifier_.Notify(std::exchange(notifier_.pending_, DocumentChanges{}));
}

} // namespace volmar
