#pragma once

#include "MainFormFixture.h"

#include "app/HintFormWnd.h"
#include "app/PaintBox.h"
#include "canvas/QxGrabSize.h"

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QToolButton>
#include <QWindow>

#include <array>

namespace volmar::test {

// The main window, active, with pointer input sent through its QWindow so
// that Qt's implicit grab applies as on screen. Points are canvas points.
class CanvasTest : public MainFormTest {
protected:
    void SetUp() override {
        MainFormTest::SetUp();
        form->activateWindow();
        QCoreApplication::processEvents();
    }

    void TearDown() override {
        QTestPrivate::qtestMouseButtons = Qt::NoButton;
        MainFormTest::TearDown();
    }

    QWindow* Window() const { return form->windowHandle(); }
    QPoint InWindow(QPoint canvas) const { return form->WindowEditor->mapTo(form.get(), canvas); }
    QPoint OnScreen(QPoint canvas) const { return form->WindowEditor->mapToGlobal(canvas); }

    void Press(QPoint p, Qt::MouseButton button = Qt::LeftButton,
               Qt::KeyboardModifiers modifiers = {}) {
        QTest::mousePress(Window(), button, modifiers, InWindow(p));
    }
    void MoveTo(QPoint p) { QTest::mouseMove(Window(), InWindow(p)); }
    void Release(QPoint p, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseRelease(Window(), button, {}, InWindow(p));
    }
    void Drag(QPoint from, QPoint to) {
        MoveTo(from);
        Press(from);
        MoveTo(to);
        Release(to);
    }
    void Click(QPoint p, Qt::KeyboardModifiers modifiers = {}) {
        MoveTo(p);
        Press(p, Qt::LeftButton, modifiers);
        Release(p);
    }

    void RangeSelectionMode() {
        form->CheckSelectMode->click();
        ASSERT_TRUE(form->CheckSelectMode->isChecked());
    }

    QString Status(int panel) const { return form->StatusPanels[size_t(panel)]->text(); }
    bool HintShown() const { return form->HintFormWnd->isVisible(); }
    QString HintText() const { return form->HintFormWnd->HintLabel()->text(); }

    static std::array<qint32, 4> Edges(const TWindowItem* item) {
        return {item->Left, item->Top, item->Right, item->Bottom};
    }
    std::vector<const TWindowItem*> Selected() const {
        std::vector<const TWindowItem*> selected;
        for (const auto& item : form->document())
            if (item->Selected)
                selected.push_back(item.get());
        return selected;
    }
    // Live frames only: removed ones are hidden and die late.
    size_t FrameCount() const { return form->frames().size(); }
};

} // namespace volmar::test
