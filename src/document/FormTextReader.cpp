#include "document/FormText.h"

#include <charconv>

namespace volmar {

namespace {

TWindowItem DefinitionFromSection(const IniSection& section) {
    TWindowItem item;
    item.Name = section.ReadString("Name");
    item.Left = section.ReadInteger("X");
    item.Top = section.ReadInteger("Y");
    item.Right = section.ReadInteger("R");
    item.Bottom = section.ReadInteger("B");
    return item;
}

} // namespace

std::vector<TWindowItem> DefinitionsFromStore(const IniStore& store) {
    std::vector<TWindowItem> items;
    char name[24];
    std::optional<IniSection> section;
    for (qint64 number = 0;; ++number) {
        const auto end = std::to_chars(std::begin(name), std::end(name), number).ptr;
        const QByteArrayView wanted(name, end - name);
        section = section ? store.ExistingSection(wanted, *section) : store.ExistingSection(wanted);
        if (!section)
            break;
        items.push_back(DefinitionFromSection(*section));
    }
    return items;
}

std::vector<TWindowItem> ReadDefinitions(const QByteArray& formText) {
    return DefinitionsFromStore(IniStore::Read(formText));
}

} // namespace volmar
