#include "document/IniStore.h"

#include "document/IniText.h"

namespace volmar {

namespace {

constexpr size_t kFirstIndexSize = 16;

} // namespace

// Linear probing over a power-of-two table kept at most half full.
size_t IniStore::SlotFor(QByteArrayView name, quint64 hash) const {
    const size_t mask = slots_.size() - 1;
    for (size_t i = size_t(hash) & mask;; i = (i + 1) & mask) {
        const Slot& slot = slots_[i];
        if (slot.Section < 0)
            return i;
        if (slot.Hash == hash && IniNamesEqual(View(sections_[size_t(slot.Section)].Name), name))
            return i;
    }
}

qsizetype IniStore::FindSection(QByteArrayView name) const {
    if (slots_.empty())
        return -1;
    return slots_[SlotFor(name, HashIniName(name))].Section;
}

void IniStore::IndexSection(qsizetype section) {
    if ((sections_.size() + 1) * 2 > slots_.size())
        GrowIndex();
    const QByteArrayView name = View(sections_[size_t(section)].Name);
    const quint64 hash = HashIniName(name);
    Slot& slot = slots_[SlotFor(name, hash)];
    if (slot.Section >= 0)
        sections_[size_t(slot.Section)].Replaced = true;
    slot = Slot{hash, section};
}

void IniStore::GrowIndex() {
    std::vector<Slot> old = std::move(slots_);
    slots_.assign(std::max(kFirstIndexSize, old.size() * 2), Slot{});
    const size_t mask = slots_.size() - 1;
    for (const Slot& slot : old) {
        if (slot.Section < 0)
            continue;
        size_t i = size_t(slot.Hash) & mask;
        while (slots_[i].Section >= 0)
            i = (i + 1) & mask;
        slots_[i] = slot;
    }
}

} // namespace volmar
