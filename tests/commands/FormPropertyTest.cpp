#include "commands/FormProperty.h"

#include "support/WindowItems.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include <gtest/gtest.h>

#include <limits>

using volmar::test::MakeWindow;

namespace {

QRect Geometry(const TPropertyForm& form, const char* name) {
    const auto* widget = form.findChild<QWidget*>(QLatin1String(name));
    return widget ? widget->geometry() : QRect();
}

QString Caption(const TPropertyForm& form, const char* name) {
    const auto* label = form.findChild<QLabel*>(QLatin1String(name));
    return label ? label->text() : QStringLiteral("<missing>");
}

TEST(FormProperty, HasTheCaptionSizeFontAndControlsOfItsLayout) {
    TPropertyForm form;
    EXPECT_EQ(form.objectName(), "TPropertyForm");
    EXPECT_EQ(form.windowTitle(), "プロパティ");
    EXPECT_EQ(form.size(), QSize(352, 363));
    EXPECT_EQ(form.minimumSize(), form.maximumSize());
    EXPECT_EQ(form.font().family(), "Tahoma");
    EXPECT_EQ(form.font().pointSize(), 8);

    EXPECT_EQ(Geometry(form, "GroupBox3"), QRect(24, 15, 295, 67));
    EXPECT_EQ(Geometry(form, "GroupBox1"), QRect(24, 88, 295, 105));
    EXPECT_EQ(Geometry(form, "GroupBox2"), QRect(24, 199, 295, 105));
    EXPECT_EQ(form.GroupBox3->title(), "基本");
    EXPECT_EQ(form.GroupBox1->title(), "大きさ");
    EXPECT_EQ(form.GroupBox2->title(), "位置");

    EXPECT_EQ(form.EditWindowName->parentWidget(), form.GroupBox3);
    EXPECT_EQ(Geometry(form, "EditWindowName"), QRect(15, 33, 268, 21));
    EXPECT_EQ(Caption(form, "EditWindowNameLabel"), "ウインドウの名前");

    struct Spin {
        const char* name;
        const char* arrows;
        QSpinBox* field;
        QGroupBox* group;
        int y, minimum, maximum;
        const char* caption;
    };
    const Spin spins[] = {
        {"EditWidth", "UpDownWidth", form.EditWidth, form.GroupBox1, 33, -1000, 1000, "幅"},
        {"EditHeight", "UpDownHeight", form.EditHeight, form.GroupBox1, 75, -1000, 1000, "高さ"},
        {"EditX", "UpDownX", form.EditX, form.GroupBox2, 33, 0, 640, "X"},
        {"EditY", "UpDownY", form.EditY, form.GroupBox2, 75, 0, 480, "Y"}};
    for (const Spin& spin : spins) {
        SCOPED_TRACE(spin.name);
        EXPECT_EQ(spin.field->parentWidget(), spin.group);
        EXPECT_EQ(spin.field->geometry(), QRect(15, spin.y, 250, 21));
        EXPECT_EQ(Geometry(form, spin.arrows), QRect(265, spin.y, 16, 21));
        EXPECT_EQ(spin.field->minimum(), spin.minimum);
        EXPECT_EQ(spin.field->maximum(), spin.maximum);
        EXPECT_EQ(spin.field->text(), "0");
        EXPECT_EQ(Caption(form, (std::string(spin.name) + "Label").c_str()),
                  QString::fromUtf8(spin.caption));
    }

    EXPECT_EQ(Geometry(form, "Button2"), QRect(163, 319, 75, 25));
    EXPECT_EQ(Geometry(form, "Button1"), QRect(244, 319, 75, 25));
    EXPECT_EQ(form.Button2->text(), "OK(&O)");
    EXPECT_EQ(form.Button1->text(), "キャンセル");
    EXPECT_TRUE(form.Button2->isDefault());
}

TEST(FormProperty, OpensOnTheWidthFieldAndTabsThroughItsOrder) {
    TPropertyForm form;
    form.show();
    QApplication::setActiveWindow(&form);
    QCoreApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), form.EditWidth);

    const QWidget* expected[] = {form.EditHeight, form.EditX,          form.EditY,    form.Button1,
                                 form.Button2,    form.EditWindowName, form.EditWidth};
    for (const QWidget* next : expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), next) << next->objectName().toStdString();
    }
}

TEST(FormProperty, FillsSizeAndPositionOfTheDefinition) {
    TPropertyForm form;
    form.Fill(MakeWindow("menu", 10, 20, 210, 120));
    EXPECT_EQ(form.EditX->value(), 10);
    EXPECT_EQ(form.EditY->value(), 20);
    EXPECT_EQ(form.EditWidth->value(), 200);
    EXPECT_EQ(form.EditHeight->value(), 100);
    EXPECT_EQ(form.EditWindowName->text(), "menu");
}

TEST(FormProperty, HoldsValuesOutsideTheRangesAtTheNearestBound) {
    TPropertyForm form;
    form.Fill(MakeWindow("w", -40, -7, 1200, 3000));
    EXPECT_EQ(form.EditX->value(), 0);
    EXPECT_EQ(form.EditY->value(), 0);
    EXPECT_EQ(form.EditWidth->value(), 1000);
    EXPECT_EQ(form.EditHeight->value(), 1000);

    form.Fill(MakeWindow("w", 700, 500, 700 - 5000, 500 + 65546));
    EXPECT_EQ(form.EditX->value(), 640);
    EXPECT_EQ(form.EditY->value(), 480);
    EXPECT_EQ(form.EditWidth->value(), -1000);
    // Not the low 16 bits of the height (10): the whole value, held at the bound.
    EXPECT_EQ(form.EditHeight->value(), 1000);

    // Edges at both ends of 32 bits: the size is taken in 64 bits.
    constexpr qint32 kMin = std::numeric_limits<qint32>::min();
    constexpr qint32 kMax = std::numeric_limits<qint32>::max();
    form.Fill(MakeWindow("w", kMin, kMax, kMax, kMin));
    EXPECT_EQ(form.EditWidth->value(), 1000);
    EXPECT_EQ(form.EditHeight->value(), -1000);
}

TEST(FormProperty, AppliesPositionSizeAndNameAsTyped) {
    TPropertyForm form;
    form.Fill(MakeWindow("old", 100, 50, 300, 150));
    form.EditWidth->setValue(-30);
    form.EditHeight->setValue(40);
    form.EditWindowName->setText(QStringLiteral("  new name "));
    TWindowItem item = MakeWindow("old", 100, 50, 300, 150);
    form.ApplyTo(item);
    EXPECT_EQ(item.Left, 100);
    EXPECT_EQ(item.Top, 50);
    EXPECT_EQ(item.Right, 70);
    EXPECT_EQ(item.Bottom, 90);
    EXPECT_EQ(item.Name, "  new name ");

    form.EditWindowName->clear();
    form.ApplyTo(item);
    EXPECT_EQ(item.Name, "");
}

TEST(FormProperty, NameTravelsThroughCodePage932) {
    TPropertyForm form;
    form.Fill(MakeWindow(QStringLiteral("窓\U0001F600"), 0, 0, 10, 10));
    EXPECT_EQ(form.EditWindowName->text(), QStringLiteral("窓?"));
    TWindowItem item;
    form.EditWindowName->setText(QStringLiteral("é名"));
    form.ApplyTo(item);
    EXPECT_EQ(item.Name, QStringLiteral("?名"));
}

TEST(FormProperty, ArrowsStepTheFieldWithinItsRange) {
    TPropertyForm form;
    form.show();
    QCoreApplication::processEvents();
    auto* up = form.findChild<QWidget*>("UpDownX")->findChild<QWidget*>("Up");
    auto* down = form.findChild<QWidget*>("UpDownX")->findChild<QWidget*>("Down");
    QTest::mouseClick(up, Qt::LeftButton);
    EXPECT_EQ(form.EditX->value(), 1);
    QTest::mouseClick(down, Qt::LeftButton);
    QTest::mouseClick(down, Qt::LeftButton);
    EXPECT_EQ(form.EditX->value(), 0);
    EXPECT_EQ(up->focusPolicy(), Qt::NoFocus);
}

TEST(FormProperty, OkAcceptsAndCancelOrEscapeRejects) {
    {
        TPropertyForm form;
        form.show();
        QTest::mouseClick(form.Button2, Qt::LeftButton);
        EXPECT_EQ(form.result(), QDialog::Accepted);
    }
    {
        TPropertyForm form;
        form.show();
        QTest::mouseClick(form.Button1, Qt::LeftButton);
        EXPECT_EQ(form.result(), QDialog::Rejected);
    }
    {
        TPropertyForm form;
        form.show();
        form.setResult(QDialog::Accepted);
        QTest::keyClick(form.EditWidth, Qt::Key_Escape);
        EXPECT_EQ(form.result(), QDialog::Rejected);
    }
    {
        TPropertyForm form;
        form.show();
        QTest::keyClick(form.EditHeight, Qt::Key_Return);
        EXPECT_EQ(form.result(), QDialog::Accepted);
    }
}

} // namespace
