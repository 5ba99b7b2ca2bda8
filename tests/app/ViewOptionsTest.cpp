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
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(settings);
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

    QString Picture(const char* name, bool broken) {
        const QString path = dir.filePath(QLatin1String(name));
        if (broken) {
            QFile file(path);
            EXPECT_TRUE(file.open(QIODevice::WriteOnly));
            file.write("not a picture");
        } else {
            QImage image(64, 48, QImage::Format_RGB32);
            image.fill(qRgb(0, 90, 0));
            EXPECT_TRUE(image.save(path, "PNG"));
        }
        return path;
    }

    QTemporaryDir dir;
};

TEST_F(ViewOptionsTest, TheOptionsAreStoredInTheirOwnKeysAndEveryOtherKeyStays) {
    const QByteArray others = "[Editor]\r\nCodeStyle=2\r\nShowWindowNames=0\r\n\r\n"
                              "[RecentFiles]\r\nFile0=x\r\n\r\n";
    Start("[Setting]\r\nSnap=0\r\n\r\n" + others);
    EXPECT_FALSE(form->displayState().ShowWindowNames);
    EXPECT_FALSE(form->displayState().SnapToWindows);
    form->UpdateActions();
    EXPECT_FALSE(form->aacBackgroundRemove->isEnabled());
    form->aacSnapToWindows->trigger();
    form->aacViewContents->trigger();
    const QString picture = Picture("screen.png", false);
    dialogs.picturePaths.push_back(picture);
    form->aacBackgroundChange->trigger();
    EXPECT_EQ(form->background().Image().pixel(0, 0), qRgb(0, 90, 0));
    form->UpdateActions();
    EXPECT_TRUE(form->aacBackgroundRemove->isEnabled());
    CloseAndStop();
    EXPECT_EQ(Stored(), "[Setting]\r\nSnap=0\r\nShowGrid=1\r\nShowRuler=1\r\n\r\n"
                        "[Editor]\r\nCodeStyle=2\r\nShowWindowNames=0\r\nSnapToWindows=1\r\n"
                        "ShowContentsArea=1\r\nBackgroundPath=" +
                            picture.toLocal8Bit() + "\r\n\r\n[RecentFiles]\r\nFile0=x\r\n\r\n");
    MainFormTest::SetUp();
    EXPECT_TRUE(form->displayState().SnapToWindows);
    EXPECT_TRUE(form->displayState().ShowContents);
    EXPECT_EQ(form->background().Path(), picture);
    form->aacBackgroundRemove->trigger();
    EXPECT_TRUE(form->background().IsEmpty());
}

TEST_F(ViewOptionsTest, AGonePictureIsDroppedSilentlyAndABrokenOneReportedOnce) {
    Start("[Editor]\r\nBackgroundPath=" + dir.filePath("gone.png").toLocal8Bit() + "\r\n\r\n");
    EXPECT_TRUE(dialogs.errors.isEmpty());
    EXPECT_TRUE(form->background().IsEmpty());
    CloseAndStop();
    Start("[Editor]\r\nBackgroundPath=" + Picture("broken.png", true).toLocal8Bit() + "\r\n\r\n");
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
