#include "settings/FormVersion.h"

#include "support/ScriptedDialogs.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using volmar::test::ScriptedDialogs;

namespace {

QLabel* Label(const QWidget& form, const char* name) {
    auto* label = form.findChild<QLabel*>(QString::fromLatin1(name));
    EXPECT_NE(label, nullptr) << name;
    return label;
}

} // namespace

TEST(TVersionForm, ShowsTitleVersionAndCredits) {
    ScriptedDialogs dialogs;
    TVersionForm form(dialogs);
    EXPECT_EQ(form.objectName(), QStringLiteral("TVersionForm"));
    EXPECT_EQ(form.windowTitle(), QStringLiteral("バージョン情報"));
    EXPECT_EQ(form.size(), QSize(412, 204));
    EXPECT_EQ(form.minimumSize(), form.maximumSize());
    EXPECT_EQ(Label(form, "versionlabel")->text(), QStringLiteral(VOLMAR_SHOWN_VERSION));
    EXPECT_EQ(Label(form, "versionlabel")->pos(), QPoint(186, 43));
    EXPECT_EQ(Label(form, "Label4")->text(), QStringLiteral("ver:"));
    EXPECT_EQ(Label(form, "Label1")->geometry(), QRect(72, 18, 266, 19));
    EXPECT_EQ(Label(form, "Label2")->geometry(), QRect(76, 20, 266, 19));
    EXPECT_EQ(Label(form, "Label2")->text(), QStringLiteral("VOLMAR"));
    EXPECT_EQ(Label(form, "Label2")->palette().color(QPalette::WindowText), QColor(Qt::red));
    EXPECT_TRUE(Label(form, "Label2")->font().bold());
    // The red title lies above its dark shadow.
    const QObjectList order = form.children();
    EXPECT_GT(order.indexOf(Label(form, "Label2")), order.indexOf(Label(form, "Label1")));

    const QLabel* image = Label(form, "Image1");
    EXPECT_EQ(image->geometry(), QRect(15, 24, 48, 48));
    ASSERT_FALSE(image->pixmap().isNull());
    EXPECT_NE(image->pixmap().toImage().pixelColor(24, 24).alpha(), 0);

    // Captions of the default width stay clear of their neighbours on the right.
    EXPECT_LT(Label(form, "Label3")->geometry().right(), Label(form, "Label4")->x());
    EXPECT_LT(Label(form, "Label4")->geometry().right(), Label(form, "versionlabel")->x());
    EXPECT_LT(Label(form, "Label6")->geometry().right(), Label(form, "Label7")->x());

    QString credits;
    for (const QLabel* label : form.findChildren<QLabel*>())
        credits += label->text() + QLatin1Char('\n');
    EXPECT_TRUE(credits.contains(QStringLiteral("Qt "))) << credits.toStdString();
    EXPECT_TRUE(credits.contains(QStringLiteral("zlib")));
    EXPECT_FALSE(credits.contains(QStringLiteral("TPngImage")));

    auto* ok = form.findChild<QPushButton*>(QStringLiteral("Button1"));
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->geometry(), QRect(141, 154, 148, 25));
    EXPECT_TRUE(ok->isDefault());
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_EQ(form.result(), QDialog::Accepted);
}

TEST(TVersionForm, LinkLabelsOpenTheirOwnCaptions) {
    ScriptedDialogs dialogs;
    TVersionForm form(dialogs);
    QLabel* home = Label(form, "hompegelabel");
    QLabel* library = Label(form, "Label7");
    EXPECT_EQ(home->geometry(), QRect(72, 62, 197, 13));
    EXPECT_EQ(library->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_TRUE(library->font().underline());
    QTest::mouseClick(home, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseClick(library, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseClick(library, Qt::RightButton, {}, QPoint(5, 5));
    library->setText(QStringLiteral("https://example.org/png"));
    QTest::mouseClick(library, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(dialogs.urls, QStringList({home->text(), QStringLiteral("https://zlib.net/"),
                                         QStringLiteral("https://example.org/png")}));
}
