#include "document/IniStore.h"

#include "document/Cp932.h"
#include "document/IniText.h"

#include <utility>

namespace volmar {

QByteArrayView IniStore::View(Span span) const {
    return QByteArrayView(buffer_).sliced(span.Offset, span.Length);
}

IniStore::Span IniStore::Store(QByteArrayView bytes) {
    const Span span{buffer_.size(), bytes.size()};
    buffer_.append(bytes);
    return span;
}

void IniStore::OpenSection(Span name) {
    auto [it, added] = index_.try_emplace(FoldIniName(View(name)), sections_.size());
    if (!added) {
        sections_[it->second].Replaced = true;
        it->second = sections_.size();
    }
    sections_.push_back(Section{name, {}, false});
}

const IniStore::Section* IniStore::FindSection(QByteArrayView name) const {
    const auto it = index_.find(FoldIniName(name));
    return it == index_.end() ? nullptr : &sections_[it->second];
}

IniStore::Section* IniStore::FindSection(QByteArrayView name) {
    return const_cast<Section*>(std::as_const(*this).FindSection(name));
}

IniStore::Section& IniStore::SectionForWriting(QByteArrayView name) {
    if (Section* section = FindSection(name))
        return *section;
    AddSection(name);
    return sections_.back();
}

qsizetype IniStore::FindLine(const Section& section, QByteArrayView key) const {
    for (qsizetype i = qsizetype(section.Lines.size()) - 1; i >= 0; --i) {
        const Line& line = section.Lines[size_t(i)];
        if (line.IsKey && IniNamesEqual(View(line.Key), key))
            return i;
    }
    return -1;
}

QList<QByteArray> IniStore::SectionNames() const {
    QList<QByteArray> names;
    for (const Section& section : sections_)
        if (!section.Replaced && !section.Lines.empty())
            names.append(View(section.Name).toByteArray());
    return names;
}

bool IniStore::SectionExists(QByteArrayView section) const {
    const Section* found = FindSection(section);
    return found && !found->Lines.empty();
}

QList<QByteArray> IniStore::KeyNames(QByteArrayView section) const {
    QList<QByteArray> keys;
    if (const Section* found = FindSection(section))
        for (const Line& line : found->Lines)
            if (line.IsKey)
                keys.append(View(line.Key).toByteArray());
    return keys;
}

std::optional<QByteArrayView> IniStore::Find(QByteArrayView section, QByteArrayView key) const {
    const Section* found = FindSection(section);
    if (!found)
        return std::nullopt;
    const qsizetype line = FindLine(*found, key);
    if (line < 0)
        return std::nullopt;
    return View(found->Lines[size_t(line)].Value);
}

QByteArray IniStore::ReadBytes(QByteArrayView section, QByteArrayView key,
                               const QByteArray& fallback) const {
    const auto value = Find(section, key);
    return value ? value->toByteArray() : fallback;
}

QString IniStore::ReadString(QByteArrayView section, QByteArrayView key,
                             const QString& fallback) const {
    const auto value = Find(section, key);
    return value ? FromCp932(*value) : fallback;
}

qint32 IniStore::ReadInteger(QByteArrayView section, QByteArrayView key, qint32 fallback) const {
    const auto value = Find(section, key);
    if (!value)
        return fallback;
    return ParseInt32(*value).value_or(fallback);
}

bool IniStore::ReadBool(QByteArrayView section, QByteArrayView key, bool fallback) const {
    return ReadInteger(section, key, fallback ? 1 : 0) != 0;
}

// The changing functions copy their arguments first: a view handed out by
// the store itself dies when the buffer grows.

void IniStore::AddSection(QByteArrayView section) {
    const QByteArray name = section.toByteArray();
    OpenSection(Store(name));
}

void IniStore::AddKey(QByteArrayView section, QByteArrayView key, QByteArrayView value) {
    const QByteArray name = section.toByteArray();
    const Line line{Store(key.toByteArray()), Store(value.toByteArray()), true};
    SectionForWriting(name).Lines.push_back(line);
}

void IniStore::SetValue(QByteArrayView section, QByteArrayView key, QByteArrayView value) {
    const QByteArray name = section.toByteArray();
    const QByteArray keyBytes = key.toByteArray();
    const QByteArray valueBytes = value.toByteArray();
    Section* found = FindSection(name);
    const qsizetype line = found ? FindLine(*found, keyBytes) : -1;
    if (line < 0)
        AddKey(name, keyBytes, valueBytes);
    else
        found->Lines[size_t(line)].Value = Store(valueBytes);
}

void IniStore::SetString(QByteArrayView section, QByteArrayView key, const QString& value) {
    SetValue(section, key, ToCp932(value));
}

void IniStore::SetInteger(QByteArrayView section, QByteArrayView key, qint32 value) {
    SetValue(section, key, QByteArray::number(value));
}

void IniStore::SetBool(QByteArrayView section, QByteArrayView key, bool value) {
    SetValue(section, key, value ? "1" : "0");
}

} // namespace volmar
