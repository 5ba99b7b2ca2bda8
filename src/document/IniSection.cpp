#include "document/IniStore.h"

#include "document/Cp932.h"
#include "document/IniText.h"

namespace volmar {

std::optional<QByteArrayView> IniSection::Find(QByteArrayView key) const {
    const qsizetype line = store_->FindLine(section_, key);
    if (line < 0)
        return std::nullopt;
    return store_->View(store_->lines_[size_t(line)].Value);
}

QString IniSection::ReadString(QByteArrayView key, const QString& fallback) const {
    const auto value = Find(key);
    return value ? FromCp932(*value) : fallback;
}

qint32 IniSection::ReadInteger(QByteArrayView key, qint32 fallback) const {
    const auto value = Find(key);
    return value ? ParseInt32(*value).value_or(fallback) : fallback;
}

} // namespace volmar
