// Form text as it arrives from a project file or the clipboard: the reader,
// the section walk, and writing back what was read.
#include "document/FormText.h"
#include "document/IniStore.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray text(reinterpret_cast<const char*>(data), qsizetype(size));
    const std::vector<TWindowItem> items = volmar::ReadDefinitions(text);
    volmar::DesignDocument document;
    for (const TWindowItem& item : items)
        document.Append(item);
    const QByteArray written = volmar::SerializeDefinitions(document, false);
    // What the writer produced reads back as the same definitions.
    if (volmar::ReadDefinitions(written).size() != items.size())
        __builtin_trap();
    const volmar::IniStore store = volmar::IniStore::Read(text);
    (void)volmar::IniStore::Read(store.Write());
    return 0;
}
