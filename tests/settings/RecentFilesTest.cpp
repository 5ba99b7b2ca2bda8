#include "settings/RecentFiles.h"

#include "SettingsTestSupport.h"
#include "document/Cp932.h"

#include <gtest/gtest.h>

namespace volmar::test {
namespace {

TEST(RecentFiles, HandEditedSectionReadsInKeyOrderWithoutGapsOrRepeats) {
    SettingsFixtureFolder folder;
    EXPECT_TRUE(ReadRecentFiles(folder.Path()).isEmpty());
    folder.Write(CrLfLines({"[recentfiles]", "file3=/d.rsform", "File0=/a.rsform",
                            "File1=", "File2=/a.rsform", "File5= /b.rsform ",
                            "File8=/beyond.rsform", "[Setting]", "File4=/not-here.rsform"}));
    EXPECT_EQ(ReadRecentFiles(folder.Path()), (QStringList{"/a.rsform", "/d.rsform", "/b.rsform"}));
}

TEST(RecentFiles, PathsThatWouldNotReadBackAreNotStored) {
    SettingsFixtureFolder folder;
    folder.Write(CrLfLines({"[Setting]", "GridX=20"}));
    const QString japanese = QStringLiteral("/プロジェクト/窓.rsform");
    SaveRecentFiles(folder.Path(), {QStringLiteral("/caf\u00e9.rsform"), japanese, " /x.rsform",
                                    "/a\nb.rsform", "/a\rb.rsform", "/plain.rsform"});
    EXPECT_EQ(folder.Read(), "[Setting]\r\nGridX=20\r\n\r\n[RecentFiles]\r\nFile0=" +
                                 ToCp932(japanese) + "\r\nFile1=/plain.rsform\r\n\r\n");
    EXPECT_EQ(ReadRecentFiles(folder.Path()), (QStringList{japanese, "/plain.rsform"}));
}

} // namespace
} // namespace volmar::test
