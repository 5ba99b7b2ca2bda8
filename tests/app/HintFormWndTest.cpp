#include "app/HintFormWnd.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>

#include <gtest/gtest.h>

namespace {

TEST(HintFormWnd, IsASmallBorderlessNonActivatingTopmostWindow) {
    THintFormWnd hint;
    EXPECT_FALSE(hint.isVisible());
    EXPECT_TRUE(hint.isWindow());
    EXPECT_EQ(hint.size(), QSize(61, 21));
    const Qt::WindowFlags flags = hint.windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowDoesNotAcceptFocus));
    EXPECT_TRUE(hint.testAttribute(Qt::WA_ShowWithoutActivating));
    EXPECT_EQ(qRound(hint.windowOpacity() * 255), 200);
    EXPECT_EQ(hint.palette().color(QPalette::Window),
              QApplication::palette().color(QPalette::ToolTipBase));
}

TEST(HintFormWnd, TheLabelFillsTheWindowOpaqueInTahoma) {
    THintFormWnd hint;
    auto* label = hint.findChild<QLabel*>(QStringLiteral("HintLabel"));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->geometry(), QRect(0, 0, 61, 21));
    EXPECT_TRUE(label->autoFillBackground());
    EXPECT_EQ(label->font().family(), QStringLiteral("Tahoma"));
    EXPECT_EQ(label->font().pixelSize(), 11);
    EXPECT_EQ(label->palette().color(QPalette::WindowText),
              QApplication::palette().color(QPalette::WindowText));
}

TEST(HintFormWnd, ShowsBelowThePointerAndKeepsTheFocusWhereItWas) {
    QWidget main;
    auto* edit = new QLineEdit(&main);
    main.show();
    main.activateWindow();
    edit->setFocus();
    QCoreApplication::processEvents();
    THintFormWnd hint(&main);

    hint.ShowCanvasHint(QStringLiteral("50\u00D750"), QPoint(300, 200));
    QCoreApplication::processEvents();
    EXPECT_TRUE(hint.isVisible());
    EXPECT_EQ(hint.pos(), QPoint(300, 220));
    EXPECT_EQ(hint.HintLabel()->text(), QStringLiteral("50\u00D750"));
    EXPECT_TRUE(edit->hasFocus());
    EXPECT_EQ(QApplication::activeWindow(), &main);

    hint.ShowCanvasHint(QStringLiteral("12345\u00D767890 is far too long"), QPoint(-5, 0));
    EXPECT_EQ(hint.pos(), QPoint(-5, 20));
    EXPECT_EQ(hint.size(), QSize(61, 21)); // the text is clipped, not the window grown

    hint.HideCanvasHint();
    EXPECT_FALSE(hint.isVisible());
}

} // namespace
