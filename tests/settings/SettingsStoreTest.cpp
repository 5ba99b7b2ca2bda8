#include "settings/SettingsStore.h"

#include "SettingsTestSupport.h"
#include "document/CommandFailure.h"
#include "document/VolmarError.h"
#include "settings/SettingKeys.h"
#include "settings/SettingsApply.h"
#include "settings/SettingsFolder.h"
#include "support/FileSizeLimit.h"
#include "support/FileKinds.h"

#include <QDir>
#include <QRandomGenerator>

#include <gtest/gtest.h>

using volmar::SettingsStore;
using volmar::test::CrLfLines;
using volmar::test::SettingsFixtureFolder;
namespace setting = volmar::setting;

TEST(SettingsFolder, IsKestrelVolmarInTheConfigFolderAndIsCreatedEveryTime) {
    QTemporaryDir home;
    const QByteArray oldHome = qgetenv("HOME");
    const QByteArray oldAppData = qgetenv("APPDATA"); // Windows' user configuration folder
    qputenv("HOME", home.path().toLocal8Bit());
    qputenv("APPDATA", home.path().toLocal8Bit());
    const QString folder = volmar::SettingsFolder();
    EXPECT_TRUE(folder.startsWith(home.path())) << folder.toStdString();
    EXPECT_TRUE(folder.endsWith(QStringLiteral("/kestrel/volmar")));
    EXPECT_TRUE(QDir(folder).exists());
    QDir(folder + QStringLiteral("/..")).removeRecursively();
    EXPECT_EQ(volmar::SettingsFilePath(), folder + QStringLiteral("/setting.ini"));
    EXPECT_TRUE(QDir(folder).exists());
    qputenv("HOME", oldHome);
    qputenv("APPDATA", oldAppData);
}

TEST(SettingsStore, MissingFileReadsEveryDefault) {
    SettingsFixtureFolder folder;
    const SettingsStore store = SettingsStore::Load(folder.Path());
    EXPECT_EQ(store.ReadInteger(setting::kGridX, 10), 10);
    EXPECT_EQ(store.ReadText(setting::kPicturePath, QString()), QString());
    EXPECT_EQ(store.ReadColor(setting::kColorHandleColor, 255), 255u);
    EXPECT_TRUE(store.ReadBool(setting::kSnap, true));
    EXPECT_FALSE(folder.Exists());
}

TEST(SettingsStore, TypedReadsAcceptHexAndFallBackOnGarbage) {
    SettingsFixtureFolder folder;
    folder.Write(CrLfLines({"[setting]", "gridx=0x20", "GridY=$1F", "ColorHandleColor=0xFF",
                            "ColorGridColor=-2147483633", "Snap=2", "ShowGrid=0", "ShowRuler=yes",
                            "PicturePath= C:\\skins\\blue.png ", "ColorFormColor=abc"}));
    const SettingsStore store = SettingsStore::Load(folder.Path());
    EXPECT_EQ(store.ReadInteger(setting::kGridX, 10), 32);
    EXPECT_EQ(store.ReadInteger(setting::kGridY, 10), 31);
    EXPECT_EQ(store.ReadColor(setting::kColorHandleColor, 0), 255u);
    EXPECT_EQ(store.ReadColor(setting::kColorGridColor, 0), 0x8000000Fu);
    EXPECT_EQ(store.ReadColor(setting::kColorFormColor, 7), 7u);
    EXPECT_TRUE(store.ReadBool(setting::kSnap, false));
    EXPECT_FALSE(store.ReadBool(setting::kShowGrid, true));
    EXPECT_FALSE(store.ReadBool(setting::kShowRuler, false));
    EXPECT_EQ(store.ReadText(setting::kPicturePath, QString()),
              QStringLiteral("C:\\skins\\blue.png"));
}

TEST(SettingsStore, CloseOnlyFileIsExactlyFiveLines) {
    SettingsFixtureFolder folder;
    volmar::SaveViewToggles(folder.Path(), true, true, true);
    EXPECT_EQ(folder.Read(), CrLfLines({"[Setting]", "Snap=1", "ShowGrid=1", "ShowRuler=1", ""}));
    volmar::SaveViewToggles(folder.Path(), false, true, false);
    EXPECT_EQ(folder.Read(), CrLfLines({"[Setting]", "Snap=0", "ShowGrid=1", "ShowRuler=0", ""}));
}

TEST(SettingsStore, UnknownKeysAndSectionsSurviveAndCommentsDoNot) {
    SettingsFixtureFolder folder;
    folder.Write("stray line\n; note\n[Other]\nA = 1\n\n\n[Setting]\nMine=x\nSnap=0\n[Last]\nB=2");
    volmar::SaveViewToggles(folder.Path(), true, false, true);
    EXPECT_EQ(folder.Read(), CrLfLines({"[Other]", "A=1", "", "[Setting]", "Mine=x", "Snap=1",
                                        "ShowGrid=0", "ShowRuler=1", "", "[Last]", "B=2", ""}));
}

TEST(SettingsStore, ColoursAreWrittenAsSigned32BitDecimals) {
    SettingsFixtureFolder folder;
    SettingsStore store;
    store.WriteColor(setting::kColorFormColor, 0x8000000F);
    store.WriteColor(setting::kColorGridColor, 0x1FFFFFFF);
    store.WriteColor(setting::kColorHandleColor, 255);
    store.Save(folder.Path());
    EXPECT_EQ(folder.Read(), CrLfLines({"[Setting]", "ColorFormColor=-2147483633",
                                        "ColorGridColor=536870911", "ColorHandleColor=255", ""}));
    EXPECT_EQ(SettingsStore::Load(folder.Path()).ReadColor(setting::kColorFormColor, 0),
              0x8000000Fu);
}

TEST(SettingsStore, DamagedFilesGiveDefaultsWithoutCrashing) {
    QRandomGenerator random(7);
    QByteArray binary(4096, '\0');
    for (char& byte : binary)
        byte = char(random.bounded(256));
    const QByteArray cases[] = {
        binary,
        QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16),
        QByteArray("[Setting\nGridX\n=\n[]\n]=[\n\x81\n\xff\xfe[Setting]\nGridX=\x82"),
        QByteArray("[Setting]\nGridX=99999999999\nGridY=12\0GridY=50\n", 44),
    };
    for (const QByteArray& bytes : cases) {
        SettingsFixtureFolder folder;
        folder.Write(bytes);
        const SettingsStore store = SettingsStore::Load(folder.Path());
        EXPECT_EQ(store.ReadInteger(setting::kGridX, 10), 10);
        EXPECT_NO_THROW(store.Save(folder.Path()));
    }
}

TEST(SettingsStore, AFileBeyondTheBoundIsRefused) {
    SettingsFixtureFolder folder;
    if (!volmar::test::LinkToEndlessFile(folder.Path()))
        GTEST_SKIP() << volmar::test::kNoSpecialFiles;
    try {
        SettingsStore::Load(folder.Path());
        ADD_FAILURE() << "an endless file was read";
    } catch (const volmar::VolmarError& error) {
        EXPECT_EQ(error.message(), volmar::OutOfResourcesMessage());
    }
}

TEST(SettingsStore, FolderInPlaceOfTheFileReadsEmptyAndRefusesToSave) {
    SettingsFixtureFolder folder;
    QDir().mkpath(folder.Path());
    const SettingsStore store = SettingsStore::Load(folder.Path());
    EXPECT_EQ(store.ReadInteger(setting::kGridX, 10), 10);
    try {
        store.Save(folder.Path());
        ADD_FAILURE() << "saving over a folder succeeded";
    } catch (const volmar::VolmarError& error) {
        EXPECT_TRUE(error.message().startsWith(QStringLiteral("ファイル \"")));
    }
    EXPECT_TRUE(QFileInfo(folder.Path()).isDir());
}

TEST(SettingsStore, SaveCutShortKeepsTheOldFileWhole) {
    if (!volmar::test::FileSizeLimit::Works())
        GTEST_SKIP() << volmar::test::kNoFileSizeLimit;
    SettingsFixtureFolder folder;
    const QByteArray old = "[Setting]\r\nGridX=12\r\n";
    folder.Write(old);
    SettingsStore store = SettingsStore::Load(folder.Path());
    store.WriteText(setting::kPicturePath, QString(6000, QLatin1Char('p')));
    bool refused = false;
    {
        volmar::test::FileSizeLimit limit(4096); // the new content is larger: the write fails
        try {
            store.Save(folder.Path());
        } catch (const volmar::VolmarError&) {
            refused = true;
        }
    }
    EXPECT_TRUE(refused);
    EXPECT_EQ(folder.Read(), old);
    EXPECT_EQ(QDir(QFileInfo(folder.Path()).path()).entryList(QDir::Files),
              QStringList{QStringLiteral("setting.ini")});
}
