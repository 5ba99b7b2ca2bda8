#include "document/ArrangeSelection.h"

#include "document/Arrange.h"
#include "document/DesignDocument.h"

#include <cstddef>

namespace volmar {

namespace {

std::vector<CanvasRect> Arranged(const std::vector<CanvasRect>& rects, std::size_t reference,
                                 ArrangeCommand command) {
    switch (command) {
    case ArrangeCommand::AlignLeft:
        return AlignRects(rects, reference, AlignLine::Left);
    case ArrangeCommand::AlignRight:
        return AlignRects(rects, reference, AlignLine::Right);
    case ArrangeCommand::AlignTop:
        return AlignRects(rects, reference, AlignLine::Top);
    case ArrangeCommand::AlignBottom:
        return AlignRects(rects, reference, AlignLine::Bottom);
    case ArrangeCommand::AlignHorizontalCentre:
        return AlignRects(rects, reference, AlignLine::HorizontalCentre);
    case ArrangeCommand::AlignVerticalCentre:
        return AlignRects(rects, reference, AlignLine::VerticalCentre);
    case ArrangeCommand::SameWidth:
        return MatchSizes(rects, reference, Axis::Horizontal);
    case ArrangeCommand::SameHeight:
        return MatchSizes(rects, reference, Axis::Vertical);
    case ArrangeCommand::SpaceHorizontally:
        return SpaceEvenly(rects, Axis::Horizontal);
    case ArrangeCommand::SpaceVertically:
        return SpaceEvenly(rects, Axis::Vertical);
    }
    return rects;
}

CanvasRect EdgesOf(const TWindowItem& item) {
    return CanvasRect{item.Left, item.Top, item.Right, item.Bottom};
}

} // namespace

int MinimumSelectionFor(ArrangeCommand command) {
    const bool spacing =
        command == ArrangeCommand::SpaceHorizontally || command == ArrangeCommand::SpaceVertically;
    return spacing ? 3 : 2;
}

const TWindowItem* ArrangeReference(const DesignDocument& document, const TWindowItem* preferred) {
    if (preferred && document.IndexOf(preferred) >= 0 && preferred->Selected)
        return preferred;
    for (int i = document.Count() - 1; i >= 0; --i)
        if (document.At(i)->Selected)
            return document.At(i);
    return nullptr;
}

std::vector<ArrangeChange> ArrangeSelection(const DesignDocument& document,
                                            const TWindowItem* preferredReference,
                                            ArrangeCommand command) {
    const TWindowItem* reference = ArrangeReference(document, preferredReference);
    std::vector<int> indices;
    std::vector<CanvasRect> rects;
    std::size_t referenceAt = 0;
    for (int i = 0; i < document.Count(); ++i) {
        const TWindowItem* item = document.At(i);
        if (!item->Selected)
            continue;
        if (item == reference)
            referenceAt = rects.size();
        indices.push_back(i);
        rects.push_back(EdgesOf(*item));
    }
    if (static_cast<int>(rects.size()) < MinimumSelectionFor(command))
        return {};

    const std::vector<CanvasRect> after = Arranged(rects, referenceAt, command);
    std::vector<ArrangeChange> changes;
    for (std::size_t k = 0; k < rects.size(); ++k)
        if (after[k] != rects[k])
            changes.push_back(ArrangeChange{indices[k], rects[k], after[k]});
    return changes;
}

} // namespace volmar
