// The view options of section "[Editor]": read at start-up, written at close
// beside every other key, and the background picture's start-up rules.
#include "app/MainFormFixture.h"

#include "settings/SettingsFolder.h"

#include <QAction>
#include <QFile>
#include <QTemporaryDir>

namespace volmar::test {
namespace {

class ViewOptionsTest : public MainFormTest {
protected:
    void SetUp() override {}

    void Start(const QByteArray& settings) {
        QFile out(SettingsFilePath());
        ASSERT_TRUE(out.open(QIODevice::WriteOnly) && out.write(settings) == settings.size());
        out.close();
        MainFormTest::SetUp();
    }

    void CloseAndStop() {
        dialogs.confirms.push_back(true);
        EXPECT_TRUE(form->close());
        MainFormTest::TearDown();
    }

    static QByteArray Stored() {
        QFile in(SettingsFilePath());
        return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
    }

    QTemporaryDir dir;
};

TEST_F(ViewOptionsTest, TheOptionsAreStoredInTheirOwnKeysAndEveryOtherKeyStays) {
    Start("[Setting]\r\nSnap=0\r\n\r\n[Editor]\r\nCodeStyle=2\r\nShowWindowNames=0\r\n\r\n"
          "[RecentFiles]\r\nFile0=x\r\n\r\n");
    EXPECT_FALSE(form->displayState().ShowWindowNames);
    form->aacSnapToWindows->trigger();
    form->aacViewContents->trigger();
    const QString picture = dir.filePath("screen.png");
    QImage image(64, 48, QImage::Format_RGB32);
    image.fill(qRgb(0, 90, 0));
    ASSERT_TRUE(image.save(picture, "PNG"));
    dialogs.picturePaths.push_back(picture);
    form->aacBackgroundChange->trigger();
    EXPECT_EQ(form->background().Image().pixel(0, 0), qRgb(0, 90, 0));
    CloseAndStop();
    EXPECT_EQ(Stored(), "[Setting]\r\nSnap=0\r\nShowGrid=1\r\nShowRuler=1\r\n\r\n"
                        "[Editor]\r\nCodeStyle=2\r\nShowWindowNames=0\r\nSnapToWindows=1\r\n"
                        "ShowContentsArea=1\r\nBackgroundPath=" +
                            picture.toLocal8Bit() + "\r\n\r\n[RecentFiles]\r\nFile0=x\r\n\r\n");
    MainFormTest::SetUp();
    EXPECT_TRUE(form->displayState().SnapToWindows && form->displayState().ShowContents);
    EXPECT_EQ(form->background().Path(), picture);
    form->UpdateActions();
    EXPECT_TRUE(form->aacBackgroundRemove->isEnabled());
    form->aacBackgroundRemove->trigger();
    form->UpdateActions();
    EXPECT_FALSE(form->aacBackgroundRemove->isEnabled());
}

TEST_F(ViewOptionsTest, AGonePictureIsDroppedSilentlyAndABrokenOneReportedOnce) {
    Start("[Editor]\r\nBackgroundPath=" + dir.filePath("gone.png").toLocal8Bit() + "\r\n\r\n");
    EXPECT_TRUE(dialogs.errors.isEmpty() && form->background().IsEmpty());
    CloseAndStop();
    QFile broken(dir.filePath("broken.png"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly) && broken.write("not a picture") > 0);
    broken.close();
    Start("[Editor]\r\nBackgroundPath=" + broken.fileName().toLocal8Bit() + "\r\n\r\n");
    EXPECT_EQ(dialogs.errors.size(), 1);
    EXPECT_TRUE(form->background().IsEmpty());
    CloseAndStop();
    EXPECT_EQ(Stored(), "[Editor]\r\nBackgroundPath=\r\n\r\n"
                        "[Setting]\r\nSnap=1\r\nShowGrid=1\r\nShowRuler=1\r\n\r\n");
    MainFormTest::SetUp();
    EXPECT_EQ(dialogs.errors.size(), 1);
}

} // namespace
} // namespace volmar::test
