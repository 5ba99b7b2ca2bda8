#pragma once

#include "document/DesignDocument.h"
#include "document/WindowItem.h"

#include <QString>

#include <vector>

// The text the copy, cut and paste commands exchange with the clipboard: the
// form text of window definitions, held as Unicode text that has passed
// through CP932, so a name character CP932 cannot hold arrives as "?", as it
// would in a file. No widget is involved; the main window moves the text.
namespace volmar {

// A pasted window lands this many pixels right of and below its source.
inline constexpr qint32 kPasteOffset = 5;

// The form text of the selected definitions, numbered from 0 in list order.
QString CopiedText(const DesignDocument& document);

struct PastedText {
    // The definitions of the sections "0", "1", ... up to the first missing
    // number, each moved by the paste offset, unselected.
    std::vector<TWindowItem> Definitions;
    // Every section of the text as read, the pasted ones holding their moved
    // edges, written out again: what the clipboard holds after the paste, so
    // that the next paste lands another offset further.
    QString NextClipboardText;
};

// Reads clipboard text of any content; what is not form text adds nothing.
// A text longer than kMaxTextBytes characters raises the out-of-resources
// message.
PastedText ReadPastedText(const QString& clipboardText);

// An edge moved by the paste offset. The sum is held at the largest 32-bit
// value rather than wrapping round to the far negative side.
qint32 ShiftedEdge(qint32 edge);

} // namespace volmar
