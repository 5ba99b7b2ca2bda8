#include "document/IniText.h"

#include "document/Cp932Tables.h"

namespace volmar {

namespace {

bool IsBlankOrControl(char c) {
    const auto b = static_cast<unsigned char>(c);
    return b <= 0x20 || b == 0x7F;
}

char FoldAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
}

bool IsLead(char c) {
    return cp932::IsLeadByte(static_cast<unsigned char>(c));
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Digits in the given base up to a magnitude limit; no value for an empty
// text, a stray character or a magnitude beyond the limit.
std::optional<quint64> ParseMagnitude(QByteArrayView digits, int base, quint64 limit) {
    if (digits.isEmpty())
        return std::nullopt;
    quint64 value = 0;
    for (char c : digits) {
        const int d = HexDigit(c);
        if (d < 0 || d >= base)
            return std::nullopt;
        value = value * quint64(base) + quint64(d);
        if (value > limit)
            return std::nullopt;
    }
    return value;
}

std::optional<QByteArrayView> HexDigitsAfterPrefix(QByteArrayView text) {
    if (text.startsWith('$'))
        return text.sliced(1);
    if (text.startsWith("0x") || text.startsWith("0X"))
        return text.sliced(2);
    return std::nullopt;
}

} // namespace

QByteArrayView TrimIni(QByteArrayView text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && IsBlankOrControl(text[begin]))
        ++begin;
    while (end > begin && IsBlankOrControl(text[end - 1]))
        --end;
    return text.sliced(begin, end - begin);
}

quint64 HashIniName(QByteArrayView name) {
    // FNV-1a over the folded bytes.
    quint64 hash = 14695981039346656037ull;
    const auto mix = [&hash](char c) {
        hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    };
    for (qsizetype i = 0; i < name.size(); ++i) {
        if (IsLead(name[i]) && i + 1 < name.size()) {
            mix(name[i]);
            mix(name[++i]);
        } else {
            mix(FoldAscii(name[i]));
        }
    }
    // Spread the bits, so that short names that differ only at the end do not
    // crowd into neighbouring slots of a power-of-two table.
    hash ^= hash >> 33;
    hash *= 0xff51afd7ed558ccdull;
    hash ^= hash >> 33;
    return hash;
}

bool IniNamesEqual(QByteArrayView a, QByteArrayView b) {
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (IsLead(a[i]) && i + 1 < a.size()) {
            if (a[i] != b[i] || a[i + 1] != b[i + 1])
                return false;
            ++i;
        } else if (FoldAscii(a[i]) != FoldAscii(b[i])) {
            return false;
        }
    }
    return true;
}

std::optional<qint32> ParseInt32(QByteArrayView text) {
    const bool negative = text.startsWith('-');
    if (negative || text.startsWith('+'))
        text = text.sliced(1);

    if (const auto hex = HexDigitsAfterPrefix(text)) {
        const auto pattern = ParseMagnitude(*hex, 16, 0xFFFFFFFFull);
        if (!pattern)
            return std::nullopt;
        const auto bits = static_cast<quint32>(*pattern);
        return static_cast<qint32>(negative ? 0u - bits : bits);
    }

    const quint64 limit = negative ? 0x80000000ull : 0x7FFFFFFFull;
    const auto magnitude = ParseMagnitude(text, 10, limit);
    if (!magnitude)
        return std::nullopt;
    return static_cast<qint32>(negative ? 0 - qint64(*magnitude) : qint64(*magnitude));
}

} // namespace volmar
