#include "document/FormText.h"

#include "document/Cp932.h"

#include <charconv>

namespace volmar {

namespace {

void AppendNumber(QByteArray& out, qint64 value) {
    char digits[24];
    const auto result = std::to_chars(std::begin(digits), std::end(digits), value);
    out.append(digits, result.ptr - digits);
}

void AppendKey(QByteArray& out, const char* key, qint32 value) {
    out.append(key);
    AppendNumber(out, value);
    out.append("\r\n");
}

void AppendDefinition(QByteArray& out, qint64 number, const TWindowItem& item) {
    out.append('[');
    AppendNumber(out, number);
    out.append("]\r\nName=");
    AppendCp932(out, item.Name);
    out.append("\r\n");
    AppendKey(out, "X=", item.Left);
    AppendKey(out, "Y=", item.Top);
    AppendKey(out, "R=", item.Right);
    AppendKey(out, "B=", item.Bottom);
    out.append("\r\n");
}

} // namespace

QByteArray SerializeDefinitions(const DesignDocument& document, bool selectedOnly) {
    constexpr qsizetype kTypicalSectionSize = 64;
    QByteArray out;
    out.reserve(document.Count() * kTypicalSectionSize);
    qint64 number = 0;
    for (const auto& item : document) {
        if (selectedOnly && !item->Selected)
            continue;
        AppendDefinition(out, number++, *item);
    }
    return out;
}

} // namespace volmar
