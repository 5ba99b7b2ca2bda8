#include "app/MainFormFixture.h"
#include "app/PaintBox.h"

#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QToolBar>

namespace volmar::test {
namespace {

using LayoutTest = MainFormTest;

QRect GeometryIn(const QWidget* widget, const QWidget* ancestor) {
    return QRect(widget->mapTo(ancestor, QPoint(0, 0)), widget->size());
}

TEST_F(LayoutTest, WindowHasCaptionClientSizeAndFont) {
    EXPECT_EQ(form->windowTitle(), QStringLiteral("VOLMAR"));
    EXPECT_EQ(form->width(), 706);
    EXPECT_EQ(form->height() - form->menuBar()->height(), 685);
    EXPECT_EQ(form->font().pixelSize(), 11);
    EXPECT_EQ(form->font().family(), QStringLiteral("Tahoma"));
    EXPECT_TRUE(Find<QComboBox>("WindowSelector")->font().bold());
}

TEST_F(LayoutTest, BarsAndPanelsStackFromTopToBottom) {
    auto* toolBar = Find<QToolBar>("MainToolBar");
    auto* selector = Find("WindowSelector");
    auto* back = Find("BackPanel");
    auto* status = Find<QStatusBar>("StatusBar");
    const int top = form->menuBar()->height();

    EXPECT_EQ(GeometryIn(toolBar, form.get()), QRect(0, top, 706, 28));
    EXPECT_EQ(GeometryIn(selector, form.get()), QRect(0, top + 28, 706, 21));
    EXPECT_EQ(GeometryIn(back, form.get()), QRect(0, top + 49, 706, 685 - 28 - 21 - 19));
    EXPECT_EQ(GeometryIn(status, form.get()), QRect(0, top + 685 - 19, 706, 19));
    EXPECT_EQ(Find<QScrollArea>("ScrollBox")->geometry(), back->rect());
}

TEST_F(LayoutTest, CanvasAreaHasFixedPlaces) {
    auto* panelBack = Find("PanelBack");
    EXPECT_EQ(panelBack->geometry(), QRect(3, 0, 680, 538));
    EXPECT_EQ(Find("rulerXPanel")->geometry(), QRect(20, 0, 640, 20));
    EXPECT_EQ(Find("rulerXPaint")->geometry(), QRect(0, 0, 640, 20));
    EXPECT_EQ(Find("rulerYPanel")->geometry(), QRect(0, 20, 20, 480));
    EXPECT_EQ(Find("rulerYPaint")->geometry(), QRect(0, 0, 20, 480));
    auto* editorBack = Find("WindowEditorBackPanel");
    EXPECT_EQ(editorBack->geometry(), QRect(20, 20, 640, 480));
    EXPECT_EQ(editorBack->parentWidget(), panelBack);
    EXPECT_EQ(Find("WindowEditor")->geometry(), QRect(0, 0, 640, 480));
    EXPECT_EQ(editorBack->focusPolicy(), Qt::TabFocus);
    // The whole of PanelBack fits: no scroll bars at the start size.
    auto* scroll = Find<QScrollArea>("ScrollBox");
    EXPECT_FALSE(scroll->horizontalScrollBar()->isVisible());
    EXPECT_FALSE(scroll->verticalScrollBar()->isVisible());
}

TEST_F(LayoutTest, StatusBarHasFourPanels) {
    const int widths[] = {450, 50, 50, 50};
    for (int i = 0; i < 4; ++i) {
        auto* panel = Find<QLabel>(QStringLiteral("StatusPanel%1").arg(i));
        EXPECT_EQ(panel->width(), widths[i]);
        EXPECT_EQ(panel, form->StatusPanels[size_t(i)]);
    }
    form->setStatusText(3, QStringLiteral("text"));
    EXPECT_TRUE(form->StatusPanels[3]->text().isEmpty());
    form->setStatusText(1, QStringLiteral("X:10"));
    EXPECT_EQ(form->StatusPanels[1]->text(), QStringLiteral("X:10"));
}

TEST_F(LayoutTest, WindowIsCentredOnTheScreen) {
    // Within the width of a window frame.
    const QRect screen = form->screen()->availableGeometry();
    EXPECT_LE(std::abs(form->geometry().center().x() - screen.center().x()), 4);
    EXPECT_LE(std::abs(form->geometry().center().y() - screen.center().y()), 4);
}

TEST_F(LayoutTest, HidingTheRulersLeavesTheCanvasInPlace) {
    form->aacViewruler->trigger();
    EXPECT_TRUE(Find("rulerXPanel")->isHidden());
    EXPECT_TRUE(Find("rulerYPanel")->isHidden());
    EXPECT_EQ(Find("WindowEditorBackPanel")->geometry(), QRect(20, 20, 640, 480));
    form->UpdateActions();
    EXPECT_FALSE(form->aacViewruler->isChecked());

    form->aacViewruler->trigger();
    form->UpdateActions();
    EXPECT_FALSE(Find("rulerXPanel")->isHidden());
    EXPECT_TRUE(form->aacViewruler->isChecked());
}

} // namespace
} // namespace volmar::test
