#pragma once

#include <QObject>
#include <QPointer>

#include <functional>
#include <vector>

class TQxGrabSize;

namespace volmar {

// Frames that left the canvas, kept to stand for the next selection: making
// and showing a frame widget costs far more than placing a kept one, and
// Select All on thousands of windows needs thousands.
//
// A frame given back stays as it is (hidden, its window still tagged, its
// events wired) until control returns to the event loop it was given back
// in, as a frame deleted late would; only then is it recycled and offered
// again, so a frame whose own event handler is still running is never handed
// out. A frame given back while a mouse button is down is deleted late
// instead: Qt keeps sending the rest of a press to the widget that took it.
class FramePool : public QObject {
    Q_OBJECT

public:
    using MakeFrame = std::function<TQxGrabSize*()>;

    // Kept frames beyond this many are deleted: a few kilobytes each, enough
    // for Select All on 10,000 windows.
    static constexpr std::size_t kMostKept = 10000;

    // The frames are their parent's children and die with it; the pool must
    // go before that parent does.
    explicit FramePool(MakeFrame make, std::size_t mostKept = kMostKept);

    // A recycled hidden frame, or a new one from the maker.
    TQxGrabSize* Take();
    // Frames the caller has hidden and no longer lists.
    void GiveBack(std::vector<TQxGrabSize*> frames);

private:
    void Ripen();
    void SortByStacking();
    void DropExtra();

    MakeFrame make_;
    std::size_t mostKept_;
    // The lowest in the stacking order last.
    std::vector<TQxGrabSize*> ready_;
    std::vector<TQxGrabSize*> cooling_;
    // Deleted late; its end ripens the cooling frames.
    QPointer<QObject> ripening_;
};

} // namespace volmar
