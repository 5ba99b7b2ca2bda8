#include "document/IniStore.h"

#include "document/Cp932.h"
#include "document/IniText.h"

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
    sections_.push_back(Section{name, -1, -1, false, false});
    IndexSection(qsizetype(sections_.size()) - 1);
}

void IniStore::AppendLine(qsizetype section, const Line& line) {
    const auto index = qsizetype(lines_.size());
    lines_.push_back(line);
    Section& target = sections_[size_t(section)];
    target.Removed = false;
    if (target.LastLine < 0)
        target.FirstLine = index;
    else
        lines_[size_t(target.LastLine)].Next = index;
    target.LastLine = index;
}

qsizetype IniStore::SectionForWriting(QByteArrayView name) {
    const qsizetype found = FindSection(name);
    if (found >= 0)
        return found;
    AddSection(name);
    return qsizetype(sections_.size()) - 1;
}

qsizetype IniStore::FindLine(qsizetype section, QByteArrayView key) const {
    qsizetype counts = -1;
    for (qsizetype i = sections_[size_t(section)].FirstLine; i >= 0; i = lines_[size_t(i)].Next) {
        const Line& line = lines_[size_t(i)];
        if (line.IsKey && IniNamesEqual(View(line.Key), key))
            counts = i;
    }
    return counts;
}

QList<QByteArray> IniStore::SectionNames() const {
    QList<QByteArray> names;
    for (const Section& section : sections_)
        if (!section.Replaced && section.FirstLine >= 0)
            names.append(View(section.Name).toByteArray());
    return names;
}

std::optional<IniSection> IniStore::ExistingSection(QByteArrayView section) const {
    const qsizetype found = FindSection(section);
    if (found < 0 || sections_[size_t(found)].FirstLine < 0)
        return std::nullopt;
    return IniSection(*this, found);
}

std::optional<IniSection> IniStore::ExistingSection(QByteArrayView section,
                                                    const IniSection& previous) const {
    const auto next = size_t(previous.section_) + 1;
    if (previous.store_ == this && next < sections_.size()) {
        const Section& candidate = sections_[next];
        // A section that was not replaced is the one its name stands for.
        if (!candidate.Replaced && candidate.FirstLine >= 0 &&
            IniNamesEqual(View(candidate.Name), section))
            return IniSection(*this, qsizetype(next));
    }
    return ExistingSection(section);
}

bool IniStore::SectionExists(QByteArrayView section) const {
    return ExistingSection(section).has_value();
}

QList<QByteArray> IniStore::KeyNames(QByteArrayView section) const {
    QList<QByteArray> keys;
    const qsizetype found = FindSection(section);
    if (found < 0)
        return keys;
    for (qsizetype i = sections_[size_t(found)].FirstLine; i >= 0; i = lines_[size_t(i)].Next)
        if (lines_[size_t(i)].IsKey)
            keys.append(View(lines_[size_t(i)].Key).toByteArray());
    return keys;
}

std::optional<QByteArrayView> IniStore::Find(QByteArrayView section, QByteArrayView key) const {
    const auto found = ExistingSection(section);
    return found ? found->Find(key) : std::nullopt;
}

QByteArray IniStore::ReadBytes(QByteArrayView section, QByteArrayView key,
                               const QByteArray& fallback) const {
    const auto value = Find(section, key);
    return value ? value->toByteArray() : fallback;
}

QString IniStore::ReadString(QByteArrayView section, QByteArrayView key,
                             const QString& fallback) const {
    const auto found = ExistingSection(section);
    return found ? found->ReadString(key, fallback) : fallback;
}

qint32 IniStore::ReadInteger(QByteArrayView section, QByteArrayView key, qint32 fallback) const {
    const auto found = ExistingSection(section);
    return found ? found->ReadInteger(key, fallback) : fallback;
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
    const Line line{Store(key.toByteArray()), Store(value.toByteArray()), -1, true};
    AppendLine(SectionForWriting(name), line);
}

void IniStore::SetValue(QByteArrayView section, QByteArrayView key, QByteArrayView value) {
    const QByteArray name = section.toByteArray();
    const QByteArray keyBytes = key.toByteArray();
    const QByteArray valueBytes = value.toByteArray();
    const qsizetype found = FindSection(name);
    const qsizetype line = found >= 0 ? FindLine(found, keyBytes) : -1;
    if (line < 0)
        AddKey(name, keyBytes, valueBytes);
    else
        lines_[size_t(line)].Value = Store(valueBytes);
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

void IniStore::RemoveSection(QByteArrayView section) {
    for (Section& candidate : sections_) {
        if (IniNamesEqual(View(candidate.Name), section)) {
            candidate.Removed = true;
            candidate.FirstLine = -1;
            candidate.LastLine = -1;
        }
    }
}

} // namespace volmar
