#include "document/FormText.h"

#include <charconv>

namespace volmar {

namespace {

TWindowItem DefinitionFromSection(const IniStore& store, QByteArrayView section) {
    TWindowItem item;
    item.Name = store.ReadString(section, "Name");
    item.Left = store.ReadInteger(section, "X");
    item.Top = store.ReadInteger(section, "Y");
    item.Right = store.ReadInteger(section, "R");
    item.Bottom = store.ReadInteger(section, "B");
    return item;
}

} // namespace

std::vector<TWindowItem> DefinitionsFromStore(const IniStore& store) {
    std::vector<TWindowItem> items;
    char name[24];
    for (qint64 number = 0;; ++number) {
        const auto end = std::to_chars(std::begin(name), std::end(name), number).ptr;
        const QByteArrayView section(name, end - name);
        if (!store.SectionExists(section))
            break;
        items.push_back(DefinitionFromSection(store, section));
    }
    return items;
}

std::vector<TWindowItem> ReadDefinitions(const QByteArray& formText) {
    return DefinitionsFromStore(IniStore::Read(formText));
}

} // namespace volmar
