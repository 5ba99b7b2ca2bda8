#include "document/ProjectFile.h"

#include "document/VolmarError.h"
#include "support/FileSizeLimit.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using volmar::DesignDocument;
using volmar::LoadProjectFile;
using volmar::SaveProjectFile;
using volmar::VolmarError;
using volmar::test::FileSizeLimit;

namespace {

DesignDocument TwoWindows() {
    DesignDocument doc;
    TWindowItem a;
    a.Name = QStringLiteral("メニュー");
    a.Left = -10;
    a.Right = 100;
    a.Bottom = 50;
    a.Selected = true;
    doc.Append(a);
    TWindowItem b;
    b.Name = QStringLiteral("help");
    b.Left = 700;
    doc.Append(b);
    return doc;
}

QByteArray Content(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

QString MessageOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const VolmarError& e) {
        return e.message();
    }
    return QString();
}

} // namespace

TEST(ProjectFile, SavesAndLoadsTheDocument) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.rsform"));
    SaveProjectFile(TwoWindows(), path);
    const auto items = LoadProjectFile(path);
    ASSERT_TRUE(items.has_value());
    ASSERT_EQ(items->size(), 2u);
    EXPECT_EQ((*items)[0].Name, QStringLiteral("メニュー"));
    EXPECT_EQ((*items)[0].Left, -10);
    EXPECT_FALSE((*items)[0].Selected);
    EXPECT_EQ((*items)[1].Left, 700);
}

TEST(ProjectFile, EmptyDocumentIsAnEmptyFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("empty.rsform"));
    SaveProjectFile(TwoWindows(), path);
    SaveProjectFile(DesignDocument(), path); // replaces the whole content
    EXPECT_EQ(QFileInfo(path).size(), 0);
    const auto items = LoadProjectFile(path);
    ASSERT_TRUE(items.has_value());
    EXPECT_TRUE(items->empty());
}

TEST(ProjectFile, NoFileGivesNoValue) {
    QTemporaryDir dir;
    EXPECT_FALSE(LoadProjectFile(dir.filePath(QStringLiteral("none.rsform"))).has_value());
}

TEST(ProjectFile, AFolderCannotBeOpenedOrCreated) {
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("folder"));
    ASSERT_TRUE(QDir().mkdir(folder));
    const QString full = QDir::toNativeSeparators(folder);
    EXPECT_EQ(
        MessageOf([&] { (void)LoadProjectFile(folder); }),
        QStringLiteral("ファイル \"%1\" は開けません。%2").arg(full, qt_error_string(EISDIR)));
    EXPECT_EQ(
        MessageOf([&] { SaveProjectFile(TwoWindows(), folder); }),
        QStringLiteral("ファイル \"%1\" を作成できません。%2").arg(full, qt_error_string(EISDIR)));
}

TEST(ProjectFile, FailuresNameTheFullPathAndTheReason) {
    QTemporaryDir dir;
    QDir::setCurrent(dir.path());
    const QString message =
        MessageOf([] { SaveProjectFile(DesignDocument(), QStringLiteral("missing/x.rsform")); });
    const QString prefix = QStringLiteral("ファイル \"%1\" を作成できません。")
                               .arg(QDir::toNativeSeparators(dir.filePath("missing/x.rsform")));
    EXPECT_TRUE(message.startsWith(prefix)) << message.toStdString();
    EXPECT_GT(message.size(), prefix.size()); // the system's reason follows
    QDir::setCurrent(QDir::rootPath());
}

TEST(ProjectFile, AFailedSaveLeavesTheOldFileWhole) {
    if (!FileSizeLimit::Works())
        GTEST_SKIP() << volmar::test::kNoFileSizeLimit;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("keep.rsform"));
    SaveProjectFile(TwoWindows(), path);
    const QByteArray before = Content(path);

    DesignDocument big;
    for (int i = 0; i < 2000; ++i)
        big.Append(TWindowItem());
    {
        FileSizeLimit limit(4096); // the new content is larger: the write fails
        EXPECT_FALSE(MessageOf([&] { SaveProjectFile(big, path); }).isEmpty());
    }
    EXPECT_EQ(Content(path), before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"keep.rsform"});
}

// A text smaller than the file's write buffer reaches the system only when
// the file is closed; a short write there must fail the save all the same.
TEST(ProjectFile, ASaveCutShortAtTheEndLeavesTheOldFileWhole) {
    if (!FileSizeLimit::Works())
        GTEST_SKIP() << volmar::test::kNoFileSizeLimit;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("keep.rsform"));
    SaveProjectFile(TwoWindows(), path);
    const QByteArray before = Content(path);

    DesignDocument small;
    for (int i = 0; i < 20; ++i)
        small.Append(TWindowItem());
    QString message;
    {
        FileSizeLimit limit(16);
        message = MessageOf([&] { SaveProjectFile(small, path); });
    }
    EXPECT_TRUE(message.contains(QStringLiteral("を作成できません。"))) << message.toStdString();
    EXPECT_EQ(Content(path), before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"keep.rsform"});
}
