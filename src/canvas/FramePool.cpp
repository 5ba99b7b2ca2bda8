#include "canvas/FramePool.h"

#include "canvas/QxGrabSize.h"

#include <QGuiApplication>

#include <algorithm>
#include <unordered_map>
#include <utility>

namespace volmar {

FramePool::FramePool(MakeFrame make, std::size_t mostKept)
    : make_(std::move(make)), mostKept_(mostKept) {}

TQxGrabSize* FramePool::Take() {
    if (ready_.empty())
        return make_();
    TQxGrabSize* frame = ready_.back();
    ready_.pop_back();
    return frame;
}

void FramePool::GiveBack(std::vector<TQxGrabSize*> frames) {
    if (frames.empty())
        return;
    if (QGuiApplication::mouseButtons() != Qt::NoButton) {
        for (TQxGrabSize* frame : frames)
            frame->deleteLater();
        return;
    }
    cooling_.insert(cooling_.end(), frames.begin(), frames.end());
    if (!ripening_) {
        ripening_ = new QObject;
        connect(ripening_, &QObject::destroyed, this, &FramePool::Ripen);
        ripening_->deleteLater();
    }
}

void FramePool::Ripen() {
    for (TQxGrabSize* frame : cooling_)
        frame->Recycle();
    ready_.insert(ready_.end(), cooling_.begin(), cooling_.end());
    cooling_.clear();
    SortByStacking();
    DropExtra();
}

// The highest lie first and go first.
void FramePool::DropExtra() {
    if (ready_.size() <= mostKept_)
        return;
    const auto extra = ready_.begin() + std::ptrdiff_t(ready_.size() - mostKept_);
    for (auto it = ready_.begin(); it != extra; ++it)
        delete *it;
    ready_.erase(ready_.begin(), extra);
}

// Frames are handed out from the lowest up, and new ones are made on top, so
// the frames of one selection lie stacked in the order they were taken, as
// new ones would: where frames overlap, the pointer finds the one taken last.
void FramePool::SortByStacking() {
    if (ready_.empty())
        return;
    std::unordered_map<const QObject*, qsizetype> place;
    const QObjectList& siblings = ready_.front()->parent()->children();
    for (qsizetype i = 0; i < siblings.size(); ++i)
        place.emplace(siblings[i], i);
    std::sort(ready_.begin(), ready_.end(),
              [&place](const TQxGrabSize* a, const TQxGrabSize* b) { return place[a] > place[b]; });
}

} // namespace volmar
