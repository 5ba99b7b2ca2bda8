#include "document/VolmarError.h"

#include <gtest/gtest.h>

namespace volmar {
namespace {

TEST(StandardErrorTextTest, AddsAFullStopAfterCharactersThatSortAfterIt) {
    EXPECT_EQ(StandardErrorText(QStringLiteral("invalid pieces of data (crc error)")),
              QStringLiteral("invalid pieces of data (crc error)."));
    EXPECT_EQ(StandardErrorText(QStringLiteral("拡張子 .txt の画像形式は処理できません")),
              QStringLiteral("拡張子 .txt の画像形式は処理できません."));
    EXPECT_EQ(StandardErrorText(QStringLiteral("stream error (-2)")),
              QStringLiteral("stream error (-2)."));
    EXPECT_EQ(StandardErrorText(QStringLiteral("try obtaining it again.")),
              QStringLiteral("try obtaining it again."));
    EXPECT_EQ(StandardErrorText(QStringLiteral("Description: ")), QStringLiteral("Description: "));
    EXPECT_EQ(StandardErrorText(QString()), QString());
}

} // namespace
} // namespace volmar
