#include "document/Cp932.h"

#include <gtest/gtest.h>

using volmar::FromCp932;
using volmar::ToCp932;

namespace {

QByteArray Bytes(std::initializer_list<int> values) {
    QByteArray out;
    for (int v : values)
        out.append(char(v));
    return out;
}

} // namespace

TEST(Cp932, EncodesJapaneseAndTheMultiplicationSign) {
    EXPECT_EQ(ToCp932(QStringLiteral("×")), Bytes({0x81, 0x7E}));
    EXPECT_EQ(ToCp932(QStringLiteral("ア")), Bytes({0x83, 0x41}));
    EXPECT_EQ(ToCp932(QStringLiteral("ｱ")), Bytes({0xB1}));
    EXPECT_EQ(ToCp932(QStringLiteral("a\\~")), QByteArray("a\\~"));
}

TEST(Cp932, RoundTripsText) {
    for (const QString& text : {QStringLiteral("ウインドウ名："), QStringLiteral("command"),
                                QStringLiteral("半角ｶﾀｶﾅ と ①②"), QString()}) {
        EXPECT_EQ(FromCp932(ToCp932(text)), text) << text.toStdString();
    }
}

TEST(Cp932, EveryUnmappableCharacterBecomesOneQuestionMark) {
    // Hangul, an emoji (a surrogate pair), a lone surrogate and an accented letter.
    const QString text = QStringLiteral("a한b") + QString::fromUcs4(U"\U0001F600") + u'c' +
                         QChar(0xD800) + u'd' + QStringLiteral("é");
    EXPECT_EQ(ToCp932(text), QByteArray("a?b?c?d?"));
}

TEST(Cp932, WritesFullWidthTwinsForWaveDashMinusAndYen) {
    EXPECT_EQ(ToCp932(QString(QChar(0x301C))), Bytes({0x81, 0x60}));
    EXPECT_EQ(ToCp932(QString(QChar(0x2212))), Bytes({0x81, 0x7C}));
    EXPECT_EQ(ToCp932(QString(QChar(0x00A5))), Bytes({0x81, 0x8F}));
    // They read back as the full-width forms, which then round-trip exactly.
    EXPECT_EQ(FromCp932(ToCp932(QString(QChar(0x301C)))), QString(QChar(0xFF5E)));
    EXPECT_EQ(FromCp932(ToCp932(QString(QChar(0x2212)))), QString(QChar(0xFF0D)));
    EXPECT_EQ(FromCp932(ToCp932(QString(QChar(0x00A5)))), QString(QChar(0xFFE5)));
    // The backslash stays a backslash both ways.
    EXPECT_EQ(FromCp932(QByteArray("\\")), QStringLiteral("\\"));
}

TEST(Cp932, InvalidBytesDecodeToReplacementCharacters) {
    const QChar bad(0xFFFD);
    // Bytes that are never CP932.
    EXPECT_EQ(FromCp932(Bytes({'a', 0x80, 0xA0, 0xFD, 0xFF, 'b'})),
              QString(u'a') + bad + bad + bad + bad + u'b');
    // A lead byte at the end, and one before a byte that cannot follow it.
    EXPECT_EQ(FromCp932(Bytes({'x', 0x82})), QString(u'x') + bad);
    EXPECT_EQ(FromCp932(Bytes({0x82, 'A' - 0x20, 'y'})), QString(bad) + u'!' + u'y');
    // Every byte value and pair decodes without trouble.
    QByteArray all;
    for (int lead = 0; lead < 256; ++lead)
        for (int trail = 0; trail < 256; ++trail)
            all.append(char(lead)).append(char(trail));
    EXPECT_GE(FromCp932(all).size(), 65536);
}
