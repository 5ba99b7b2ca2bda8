#include "document/DesignDocument.h"

#include <utility>

namespace volmar {

int DesignDocument::IndexOf(const TWindowItem* item) const {
    for (size_t i = 0; i < items_.size(); ++i)
        if (items_[i].get() == item)
            return static_cast<int>(i);
    return -1;
}

void DesignDocument::NotifyList() {
    notices_.Notify(DocumentChanges{.List = true});
}

void DesignDocument::NotifySelection() {
    notices_.Notify(DocumentChanges{.Selection = true});
}

TWindowItem* DesignDocument::Append(std::unique_ptr<TWindowItem> item) {
    items_.push_back(std::move(item));
    NotifyList();
    return items_.back().get();
}

TWindowItem* DesignDocument::Append(const TWindowItem& item) {
    return Append(std::make_unique<TWindowItem>(item));
}

void DesignDocument::RemoveAt(int index) {
    items_.erase(items_.begin() + index);
    NotifyList();
}

void DesignDocument::Clear() {
    items_.clear();
    notices_.Notify(DocumentChanges{.List = true, .Selection = true});
}

void DesignDocument::Swap(int i, int j) {
    std::swap(items_[static_cast<size_t>(i)], items_[static_cast<size_t>(j)]);
    NotifyList();
}

// Both walk the list once, so taking or giving back many definitions stays
// linear in the length of the list.
DesignDocument::Items DesignDocument::Take(const std::vector<int>& ascending) {
    Items taken;
    taken.reserve(ascending.size());
    Items kept;
    kept.reserve(items_.size() - ascending.size());
    size_t next = 0;
    for (size_t i = 0; i < items_.size(); ++i) {
        if (next < ascending.size() && size_t(ascending[next]) == i) {
            taken.push_back(std::move(items_[i]));
            ++next;
        } else {
            kept.push_back(std::move(items_[i]));
        }
    }
    items_.swap(kept);
    NotifyList();
    return taken;
}

void DesignDocument::Insert(const std::vector<int>& ascending, Items items) {
    Items merged;
    merged.reserve(items_.size() + items.size());
    size_t next = 0;
    size_t old = 0;
    while (old < items_.size() || next < items.size()) {
        if (next < items.size() && size_t(ascending[next]) == merged.size())
            merged.push_back(std::move(items[next++]));
        else if (old < items_.size())
            merged.push_back(std::move(items_[old++]));
        else // an index past the end: the rest go last, in their order
            merged.push_back(std::move(items[next++]));
    }
    items_.swap(merged);
    NotifyList();
}

int DesignDocument::CountSelected() const {
    int n = 0;
    for (const auto& item : items_)
        n += item->Selected ? 1 : 0;
    return n;
}

void DesignDocument::SetAllSelected(bool selected) {
    for (auto& item : items_)
        item->Selected = selected;
    NotifySelection();
}

void DesignDocument::SetSelected(TWindowItem* item, bool selected) {
    if (item->Selected == selected)
        return;
    item->Selected = selected;
    NotifySelection();
}

void DesignDocument::SetTarget(const RuntimeTarget& target) {
    if (target == target_)
        return;
    target_ = target;
    notices_.Notify(DocumentChanges{.Canvas = true});
}

TWindowItem* DesignDocument::DefinitionAt(qint32 x, qint32 y) const {
    for (auto it = items_.rbegin(); it != items_.rend(); ++it) {
        const TWindowItem& w = **it;
        if (w.Left < x && x < w.Right && w.Top < y && y < w.Bottom)
            return it->get();
    }
    return nullptr;
}

void DesignDocument::SelectInsideRect(const CanvasRect& r) {
    for (auto& item : items_)
        item->Selected = item->Left >= r.Left && item->Right <= r.Right && item->Top >= r.Top &&
                         item->Bottom <= r.Bottom;
    NotifySelection();
}

int DesignDocument::ZOrderStepPartner(int i, bool toFront) const {
    const int j = toFront ? i + 1 : i - 1;
    return j < 0 || j >= Count() ? i : j;
}

int DesignDocument::ZOrderEndPartner(int, bool toFront) const {
    return toFront ? Count() - 1 : 0;
}

void DesignDocument::ZOrderStep(TWindowItem* target, bool toFront) {
    const int i = IndexOf(target);
    if (i >= 0)
        Swap(i, ZOrderStepPartner(i, toFront));
}

void DesignDocument::ZOrderToEnd(TWindowItem* target, bool toFront) {
    const int i = IndexOf(target);
    if (i >= 0)
        Swap(i, ZOrderEndPartner(i, toFront));
}

bool IsLargeEnoughForWindow(const CanvasRect& r) {
    // Compared in 64 bits: a band may span more than the int32 range.
    const qint64 width = qint64(r.Right) - r.Left;
    const qint64 height = qint64(r.Bottom) - r.Top;
    return width >= kMinimumDrawnSide && height >= kMinimumDrawnSide;
}

} // namespace volmar
