#include "document/Cp932.h"

#include "document/Cp932Tables.h"

namespace volmar {

namespace {

constexpr char kReplacementByte = '?';

bool IsHighSurrogate(char16_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}

bool IsLowSurrogate(char16_t c) {
    return c >= 0xDC00 && c <= 0xDFFF;
}

void AppendEncoded(QByteArray& out, char16_t c) {
    const quint16 code = cp932::EncodeBmp(c);
    if (code > 0xFF)
        out.append(char(code >> 8));
    out.append(char(code & 0xFF));
}

qsizetype FirstNonAscii(QByteArrayView bytes) {
    for (qsizetype i = 0; i < bytes.size(); ++i)
        if (static_cast<unsigned char>(bytes[i]) >= 0x80)
            return i;
    return bytes.size();
}

} // namespace

QByteArray ToCp932(const QString& text) {
    QByteArray out;
    out.reserve(text.size());
    AppendCp932(out, text);
    return out;
}

void AppendCp932(QByteArray& out, QStringView text) {
    const char16_t* p = text.utf16();
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = p[i];
        if (c < 0x80) {
            out.append(char(c));
        } else if (IsHighSurrogate(c) || IsLowSurrogate(c)) {
            // Nothing outside the BMP is in CP932; a pair is one character.
            if (IsHighSurrogate(c) && i + 1 < n && IsLowSurrogate(p[i + 1]))
                ++i;
            out.append(kReplacementByte);
        } else {
            AppendEncoded(out, c);
        }
    }
}

QString FromCp932(QByteArrayView bytes) {
    const qsizetype asciiEnd = FirstNonAscii(bytes);
    if (asciiEnd == bytes.size())
        return QString::fromLatin1(bytes);

    QString out;
    out.reserve(bytes.size());
    out.append(QLatin1StringView(bytes.first(asciiEnd)));
    for (qsizetype i = asciiEnd; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (b < 0x80) {
            out.append(QChar(b));
        } else if (cp932::IsLeadByte(b) && i + 1 < bytes.size() &&
                   cp932::IsTrailByte(static_cast<unsigned char>(bytes[i + 1]))) {
            out.append(QChar(cp932::DecodePair(b, static_cast<unsigned char>(bytes[i + 1]))));
            ++i;
        } else {
            out.append(QChar(cp932::DecodeSingle(b)));
        }
    }
    return out;
}

QString FromCp932(const QByteArray& bytes) {
    return FromCp932(QByteArrayView(bytes));
}

} // namespace volmar
