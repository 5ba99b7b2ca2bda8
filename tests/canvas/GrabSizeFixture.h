#pragma once

#include "canvas/QxGrabSize.h"

#include <QCoreApplication>
#include <QTest>
#include <QWidget>
#include <QWindow>

#include <gtest/gtest.h>

#include <memory>
#include <ostream>

// Frames on a plain parent panel inside a shown, active top-level window.
// Pointer input goes through the window, so Qt's implicit grab applies as it
// does on screen. Points are given in the parent's coordinates.
class GrabSizeFixture : public ::testing::Test {
protected:
    static constexpr QPoint kParentOrigin{10, 10};

    void SetUp() override {
        top_ = std::make_unique<QWidget>();
        top_->resize(800, 600);
        parent_ = new QWidget(top_.get());
        parent_->setGeometry(QRect(kParentOrigin, QSize(700, 500)));
        top_->show();
        top_->activateWindow();
        QCoreApplication::processEvents();
    }

    void TearDown() override {
        QTestPrivate::qtestMouseButtons = Qt::NoButton;
        top_.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    TQxGrabSize* AddFrame(qint32 left, qint32 top, qint32 width, qint32 height) {
        auto* frame = new TQxGrabSize(parent_);
        frame->SetBounds(left, top, width, height);
        frame->show();
        return frame;
    }

    QWindow* Window() const { return top_->windowHandle(); }
    static QPoint InWindow(QPoint parentPoint) { return parentPoint + kParentOrigin; }
    static QPoint OnFrame(const TQxGrabSize* frame, QPoint framePoint) {
        return QPoint(frame->Left(), frame->Top()) + framePoint;
    }

    void Press(QPoint p, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mousePress(Window(), button, {}, InWindow(p));
    }
    void MoveTo(QPoint p) { QTest::mouseMove(Window(), InWindow(p)); }
    void Release(QPoint p, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseRelease(Window(), button, {}, InWindow(p));
    }
    // Hovers over a point of the frame, then presses there.
    void PressOnFrame(const TQxGrabSize* frame, QPoint framePoint) {
        const QPoint p = OnFrame(frame, framePoint);
        MoveTo(p);
        Press(p);
    }
    void Drag(const TQxGrabSize* frame, QPoint framePoint, QPoint to) {
        PressOnFrame(frame, framePoint);
        MoveTo(to);
        Release(to);
    }

    std::unique_ptr<QWidget> top_;
    QWidget* parent_ = nullptr;
};

namespace volmar {

inline std::ostream& operator<<(std::ostream& os, const FrameBounds& b) {
    return os << "(" << b.Left << ", " << b.Top << ", " << b.Width << ", " << b.Height << ")";
}

} // namespace volmar
