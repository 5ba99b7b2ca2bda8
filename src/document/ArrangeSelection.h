#pragma once

#include "document/CanvasRect.h"

#include <vector>

class TWindowItem;

namespace volmar {

class DesignDocument;

// The commands of the "整列" menu.
enum class ArrangeCommand {
    AlignLeft,
    AlignRight,
    AlignTop,
    AlignBottom,
    AlignHorizontalCentre,
    AlignVerticalCentre,
    SameWidth,
    SameHeight,
    SpaceHorizontally,
    SpaceVertically,
};

// How many windows must be selected for the command to make sense: two to
// align or match sizes, three to space evenly.
int MinimumSelectionFor(ArrangeCommand command);

// One definition whose edges a command changes.
struct ArrangeChange {
    int Index = 0; // in the document
    CanvasRect Before;
    CanvasRect After;
};

// The window the align and size commands measure against: the preferred one
// while it is still selected in the document, otherwise the front-most
// selected window; none without a selection.
const TWindowItem* ArrangeReference(const DesignDocument& document, const TWindowItem* preferred);

// The changes the command makes to the selected windows, in document order,
// leaving out the windows it does not move. Empty when fewer windows are
// selected than the command needs.
std::vector<ArrangeChange> ArrangeSelection(const DesignDocument& document,
                                            const TWindowItem* preferredReference,
                                            ArrangeCommand command);

} // namespace volmar
