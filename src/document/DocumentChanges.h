#pragma once

#include <functional>

namespace volmar {

// What one change of the design document touched. A notice carries the
// union of everything changed since the last one.
struct DocumentChanges {
    bool List = false;       // definitions added, removed or reordered
    bool Bounds = false;     // edges changed by a command or an undo step
    bool Names = false;      // names changed
    bool Selection = false;  // selected flags changed
    bool LiveBounds = false; // edges changed by the frames that show them
    bool Canvas = false;     // the canvas size changed

    bool Any() const { return List || Bounds || Names || Selection || LiveBounds || Canvas; }
    void Merge(const DocumentChanges& other);
};

// Hands notices of changes to one listener, at once or, while a batch is
// open, once when the outermost batch closes.
class ChangeNotifier {
public:
    using Listener = std::function<void(const DocumentChanges&)>;

    void SetListener(Listener listener) { listener_ = std::move(listener); }
    void Notify(const DocumentChanges& changes);

    // While one lives, notices are gathered instead of delivered.
    class Batch {
    public:
        explicit Batch(ChangeNotifier& notifier);
        ~Batch();
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;

    private:
        ChangeNotifier& notifier_;
    };

private:
    Listener listener_;
    int openBatches_ = 0;
    DocumentChanges pending_;
};

} // namespace volmar
