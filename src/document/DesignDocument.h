#pragma once

#include "document/CanvasRect.h"
#include "document/DocumentChanges.h"
#include "document/RuntimeTarget.h"
#include "document/WindowItem.h"

#include <memory>
#include <vector>

namespace volmar {

// The ordered list of window definitions. List order is z-order: index 0 is
// painted first and lies furthest back, the last entry lies in front.
// The document owns its definitions; their addresses stay valid until they
// are removed, so frames and selector items may refer to them.
//
// The list and the selection announce their own changes through Notices();
// whoever changes a definition's edges or name announces that change.
class DesignDocument {
public:
    using Items = std::vector<std::unique_ptr<TWindowItem>>;

    int Count() const { return static_cast<int>(items_.size()); }
    bool IsEmpty() const { return items_.empty(); }
    TWindowItem* At(int index) const { return items_[static_cast<size_t>(index)].get(); }
    int IndexOf(const TWindowItem* item) const;

    // Appends at the end, in front of all others; returns the definition.
    TWindowItem* Append(std::unique_ptr<TWindowItem> item);
    TWindowItem* Append(const TWindowItem& item);
    void RemoveAt(int index);
    void Clear();
    void Swap(int i, int j);

    // Takes the definitions at the given ascending indices out of the list,
    // the others keeping their order, and hands them over in that order.
    Items Take(const std::vector<int>& ascending);
    // Puts definitions back so that each lands at its given index; the
    // indices ascend and name places in the list as it is afterwards.
    void Insert(const std::vector<int>& ascending, Items items);
    // Exchanges the whole list with items.
    void SwapItems(Items& items) {
        items_.swap(items);
        NotifyList();
    }

    int CountSelected() const;
    void SetAllSelected(bool selected);
    void SetSelected(TWindowItem* item, bool selected);

    // The canvas the windows are laid out on: the screen of the target.
    const CanvasSize& Canvas() const { return target_.Screen; }

    ChangeNotifier& Notices() { return notices_; }
    void Notify(const DocumentChanges& changes) { notices_.Notify(changes); }

    // The front-most definition whose interior strictly contains (x, y).
    TWindowItem* DefinitionAt(qint32 x, qint32 y) const;
    // Selects exactly the definitions lying inside r, edges included.
    void SelectInsideRect(const CanvasRect& r);

    // The index the z-order moves swap index i with: one step or the end
    // towards the front or the back; i itself when it is at that end already.
    int ZOrderStepPartner(int i, bool toFront) const;
    int ZOrderEndPartner(int i, bool toFront) const;

    // Z-order moves of one definition; each is a swap of two entries.
    void ZOrderStep(TWindowItem* target, bool toFront);
    void ZOrderToEnd(TWindowItem* target, bool toFront);

    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }

    // The runtime and screen the project is made for; clearing the list
    // keeps it. A change is announced as a change of the canvas.
    RuntimeTarget Target() const { return target_; }
    void SetTarget(const RuntimeTarget& target);

private:
    void NotifyList();
    void NotifySelection();

    Items items_;
    RuntimeTarget target_;
    ChangeNotifier notices_;
};

// The smallest side a drawn window may have.
inline constexpr qint32 kMinimumDrawnSide = 32;

// Whether a dragged, normalised rectangle is large enough to become a window.
bool IsLargeEnoughForWindow(const CanvasRect& r);

} // namespace volmar
