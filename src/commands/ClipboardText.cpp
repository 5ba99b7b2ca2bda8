#include "commands/ClipboardText.h"

#include "document/BoundedRead.h"
#include "document/CommandFailure.h"
#include "document/Cp932.h"
#include "document/FormText.h"
#include "document/IniStore.h"

#include <QByteArray>

#include <limits>

namespace volmar {

namespace {

void ShiftDefinition(TWindowItem& item) {
    item.Left = ShiftedEdge(item.Left);
    item.Top = ShiftedEdge(item.Top);
    item.Right = ShiftedEdge(item.Right);
    item.Bottom = ShiftedEdge(item.Bottom);
}

// Replaces the edge values of the section, or adds the keys where missing.
void WriteEdges(IniStore& store, const QByteArray& section, const TWindowItem& item) {
    store.SetInteger(section, "X", item.Left);
    store.SetInteger(section, "Y", item.Top);
    store.SetInteger(section, "R", item.Right);
    store.SetInteger(section, "B", item.Bottom);
}

} // namespace

QString CopiedText(const DesignDocument& document) {
    return FromCp932(SerializeDefinitions(document, true));
}

PastedText ReadPastedText(const QString& clipboardText) {
    // No character takes less than one byte in CP932: a text within the
    // bound in characters stands for a file within it in bytes.
    if (clipboardText.size() > kMaxTextBytes)
        ThrowOutOfResources();
    // A byte order mark some programs put in front of the text is no part of it.
    QStringView text(clipboardText);
    if (text.startsWith(QChar(0xFEFF)))
        text = text.sliced(1);
    QByteArray bytes;
    bytes.reserve(text.size());
    AppendCp932(bytes, text);
    IniStore store = IniStore::Read(bytes);
    PastedText pasted;
    pasted.Definitions = DefinitionsFromStore(store);
    for (size_t i = 0; i < pasted.Definitions.size(); ++i) {
        TWindowItem& item = pasted.Definitions[i];
        ShiftDefinition(item);
        WriteEdges(store, QByteArray::number(qulonglong(i)), item);
    }
    pasted.NextClipboardText = FromCp932(store.Write());
    return pasted;
}

qint32 ShiftedEdge(qint32 edge) {
    const qint64 moved = qint64(edge) + kPasteOffset;
    return moved > std::numeric_limits<qint32>::max() ? std::numeric_limits<qint32>::max()
                                                      : qint32(moved);
}

} // namespace volmar
