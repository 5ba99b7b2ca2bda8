#include "dialogs/MessageBoxes.h"
#include "dialogs/NamePromptDialog.h"
#include "dialogs/PictureOpenDialog.h"
#include "dialogs/ProjectFileDialog.h"

#include <QCoreApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace volmar {
namespace {

TEST(NamePromptDialogTest, AsksWithTwoLinesAndAnEmptyField) {
    NamePromptDialog dialog;
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("名前"));
    auto* prompt = dialog.findChild<QLabel*>(QStringLiteral("PromptLabel"));
    ASSERT_NE(prompt, nullptr);
    EXPECT_EQ(prompt->text(),
              QStringLiteral("このウインドウの名前を指定してください。\n"
                             "ここで指定した名前がウインドウごとに対応する変数名になります。"));
    EXPECT_TRUE(dialog.NameEdit()->text().isEmpty());
    EXPECT_EQ(dialog.NameEdit()->maxLength(), 255);
    EXPECT_EQ(dialog.OkButton()->text(), QStringLiteral("OK"));
    EXPECT_EQ(dialog.CancelButton()->text(), QStringLiteral("キャンセル"));
    EXPECT_TRUE(dialog.OkButton()->isDefault());
}

TEST(NamePromptDialogTest, EnterGivesTheTextAsTypedAndEscapeGivesNothing) {
    NamePromptDialog accepted;
    accepted.show();
    accepted.NameEdit()->setFocus();
    QTest::keyClicks(accepted.NameEdit(), QStringLiteral(" @window 1 "));
    QTest::keyClick(accepted.NameEdit(), Qt::Key_Return);
    EXPECT_EQ(accepted.result(), QDialog::Accepted);
    EXPECT_EQ(accepted.Name(), QStringLiteral(" @window 1 ")) << "names are not trimmed";

    NamePromptDialog cancelled;
    cancelled.show();
    QTest::keyClicks(cancelled.NameEdit(), QStringLiteral("typed"));
    QTest::keyClick(cancelled.NameEdit(), Qt::Key_Escape);
    EXPECT_EQ(cancelled.result(), QDialog::Rejected);
    EXPECT_TRUE(cancelled.Name().isEmpty());
}

TEST(MessageBoxesTest, ConfirmBoxHasWarningIconAndOwnCaptions) {
    const auto box =
        MakeConfirmBox(nullptr, QStringLiteral("終了"), QStringLiteral("first\r\nsecond"));
    EXPECT_EQ(box->windowTitle(), QStringLiteral("終了"));
    EXPECT_EQ(box->icon(), QMessageBox::Warning);
    EXPECT_EQ(box->text(), QStringLiteral("first\nsecond"));
    ASSERT_EQ(box->buttons().size(), 2);
    EXPECT_EQ(box->defaultButton()->text(), QStringLiteral("OK"));
    EXPECT_EQ(box->escapeButton()->text(), QStringLiteral("キャンセル"));
}

TEST(MessageBoxesTest, ErrorAndInformationBoxesHaveTheTitleAndOneOkButton) {
    const struct {
        std::unique_ptr<QMessageBox> box;
        QMessageBox::Icon icon;
        QString text;
    } cases[] = {
        // Only the error box applies the full-stop rule.
        {MakeErrorBox(nullptr, QStringLiteral("(crc error)")), QMessageBox::Critical,
         QStringLiteral("(crc error).")},
        {MakeInformationBox(nullptr, QStringLiteral("(none)")), QMessageBox::Information,
         QStringLiteral("(none)")},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.box->windowTitle(), QStringLiteral("VOLMAR"));
        EXPECT_EQ(c.box->icon(), c.icon);
        EXPECT_EQ(c.box->text(), c.text);
        ASSERT_EQ(c.box->buttons().size(), 1);
        EXPECT_EQ(c.box->buttons().front()->text(), QStringLiteral("OK"));
        EXPECT_EQ(c.box->escapeButton(), c.box->buttons().front());
    }
}

TEST(ProjectFileDialogTest, BareNamesGetTheProjectExtension) {
    for (auto mode : {QFileDialog::AcceptOpen, QFileDialog::AcceptSave}) {
        ProjectFileDialog dialog(nullptr, mode);
        EXPECT_EQ(dialog.nameFilters(), QStringList{QStringLiteral("VOLMARフォーム(*.rsform)")});
        EXPECT_EQ(dialog.defaultSuffix(), QStringLiteral("rsform"));
        EXPECT_EQ(dialog.fileMode(), QFileDialog::AnyFile) << "no existing file is required";
        EXPECT_TRUE(dialog.testOption(QFileDialog::DontConfirmOverwrite));
        EXPECT_EQ(dialog.acceptMode(), mode);
    }
}

TEST(PictureOpenDialogTest, OffersPngFilesWithAPreview) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("skin.png"));
    QImage skin(192, 128, QImage::Format_RGB32);
    skin.fill(Qt::magenta);
    ASSERT_TRUE(skin.save(path));

    PictureOpenDialog dialog;
    EXPECT_EQ(dialog.nameFilters(), QStringList{QStringLiteral("Windowスキン (*.png)")});
    EXPECT_EQ(dialog.fileMode(), QFileDialog::AnyFile);
    Q_EMIT dialog.currentChanged(path);
    EXPECT_EQ(dialog.Preview()->pixmap().size(), QSize(192, 128));
    Q_EMIT dialog.currentChanged(dir.filePath(QStringLiteral("missing.png")));
    EXPECT_TRUE(dialog.Preview()->pixmap().isNull());
}

} // namespace
} // namespace volmar
