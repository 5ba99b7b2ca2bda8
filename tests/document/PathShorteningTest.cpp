#include "document/PathShortening.h"

#include <QStringList>

#include <gtest/gtest.h>

using volmar::ShortenPath;

namespace {

// One unit per character, and a record of every text measured.
struct CountingWidth {
    QStringList* seen;
    int operator()(const QString& text) const {
        seen->append(text);
        return int(text.size());
    }
};

QStringList Steps(const QString& path) {
    QStringList seen;
    ShortenPath(path, 0, CountingWidth{&seen});
    return seen;
}

} // namespace

TEST(PathShortening, CutsWindowsFoldersOneAtATime) {
    EXPECT_EQ(Steps(QStringLiteral("C:\\a\\b\\c\\name.rsform")),
              (QStringList{"C:\\a\\b\\c\\name.rsform", "C:\\...\\b\\c\\name.rsform",
                           "C:\\...\\c\\name.rsform", "C:\\...\\name.rsform", "...\\name.rsform",
                           "name.rsform"}));
}

TEST(PathShortening, StopsAtTheFirstTextThatFits) {
    QStringList seen;
    const QString path = QStringLiteral("C:\\a\\b\\c\\name.rsform");
    EXPECT_EQ(ShortenPath(path, 18, CountingWidth{&seen}), QStringLiteral("C:\\...\\name.rsform"));
    EXPECT_EQ(ShortenPath(path, 1000, CountingWidth{&seen}), path);
}

TEST(PathShortening, CutsLinuxFoldersAtSlashes) {
    EXPECT_EQ(Steps(QStringLiteral("/home/user/name.rsform")),
              (QStringList{"/home/user/name.rsform", "/.../user/name.rsform", "/.../name.rsform",
                           ".../name.rsform", "name.rsform"}));
}

TEST(PathShortening, EndsEvenWhenOnlyTheRootFolderIsLeft) {
    EXPECT_EQ(Steps(QStringLiteral("/name.rsform")), (QStringList{"/name.rsform", "name.rsform"}));
    EXPECT_EQ(Steps(QStringLiteral("C:\\name.rsform")),
              (QStringList{"C:\\name.rsform", "name.rsform"}));
    EXPECT_EQ(Steps(QStringLiteral("C:name.rsform")),
              (QStringList{"C:name.rsform", "name.rsform"}));
    EXPECT_EQ(Steps(QStringLiteral("name")), QStringList{"name"});
    EXPECT_EQ(Steps(QStringLiteral("rel\\dir\\")),
              (QStringList{"rel\\dir\\", "...\\dir\\", "...\\", ""}));
}
