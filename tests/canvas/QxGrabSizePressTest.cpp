#include "GrabSizeFixture.h"

#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>

namespace {

using volmar::FrameBounds;

class GrabSizePress : public GrabSizeFixture {
protected:
    // A second press at the same place, soon enough to make a double-click.
    void PressAgainAsDoubleClick(QPoint p) {
        QTest::lastMouseTimestamp -= QTest::mouseDoubleClickInterval;
        Press(p);
    }
};

TEST_F(GrabSizePress, ADoubleClickStartsNoMoveAndTheNextPressIsOrdinary) {
    TQxGrabSize* frame = AddFrame(100, 50, 100, 57);
    int doubleClicks = 0;
    int downs = 0;
    frame->OnDblClick = [&](TQxGrabSize*) { ++doubleClicks; };
    frame->OnMouseDown = [&](TQxGrabSize*, QMouseEvent*) { ++downs; };
    PressOnFrame(frame, QPoint(30, 20));
    Release(QPoint(130, 70));
    PressAgainAsDoubleClick(QPoint(130, 70));
    EXPECT_EQ(doubleClicks, 1);
    EXPECT_EQ(downs, 2);
    EXPECT_FALSE(frame->IsMoving());
    MoveTo(QPoint(160, 100));
    Release(QPoint(160, 100));
    EXPECT_EQ(frame->Bounds(), (FrameBounds{100, 50, 100, 57}));

    Drag(frame, QPoint(30, 20), QPoint(160, 100));
    EXPECT_EQ(doubleClicks, 1);
    EXPECT_EQ(frame->Bounds(), (FrameBounds{130, 80, 100, 57}));
}

TEST_F(GrabSizePress, ADoubleClickOnAHandleStartsNoResize) {
    TQxGrabSize* frame = AddFrame(100, 50, 100, 57);
    PressOnFrame(frame, QPoint(97, 54));
    Release(QPoint(197, 104));
    PressAgainAsDoubleClick(QPoint(197, 104));
    MoveTo(QPoint(300, 200));
    Release(QPoint(300, 200));
    EXPECT_EQ(frame->Bounds(), (FrameBounds{100, 50, 100, 57}));
}

TEST_F(GrabSizePress, ARightPressOnlyRaisesOnMouseDown) {
    auto* other = new QLineEdit(top_.get());
    other->setGeometry(720, 10, 60, 20);
    other->show();
    other->setFocus();
    TQxGrabSize* frame = AddFrame(100, 50, 100, 57);
    int downs = 0;
    int vetoQuestions = 0;
    frame->OnMouseDown = [&](TQxGrabSize*, QMouseEvent* e) {
        ++downs;
        EXPECT_EQ(e->button(), Qt::RightButton);
    };
    frame->OnCheckUnderItem = [&](TQxGrabSize*, bool&) { ++vetoQuestions; };
    MoveTo(QPoint(197, 104)); // over a handle, so a left press would resize
    Press(QPoint(197, 104), Qt::RightButton);
    EXPECT_EQ(downs, 1);
    EXPECT_EQ(vetoQuestions, 0);
    EXPECT_TRUE(other->hasFocus());
    EXPECT_FALSE(frame->IsMoving());
    EXPECT_FALSE(frame->IsResizing());
    MoveTo(QPoint(300, 200));
    Release(QPoint(300, 200), Qt::RightButton);
    EXPECT_EQ(frame->Bounds(), (FrameBounds{100, 50, 100, 57}));
}

TEST_F(GrabSizePress, ALeftPressGivesTheParentTheFocus) {
    auto* other = new QLineEdit(top_.get());
    other->setGeometry(720, 10, 60, 20);
    other->show();
    other->setFocus();
    TQxGrabSize* frame = AddFrame(100, 50, 100, 57);
    Drag(frame, QPoint(30, 20), QPoint(130, 70));
    EXPECT_TRUE(parent_->hasFocus());
}

TEST_F(GrabSizePress, AVetoedPressStartsNothing) {
    TQxGrabSize* frame = AddFrame(100, 50, 100, 57);
    bool asked = false;
    frame->OnCheckUnderItem = [&](TQxGrabSize* sender, bool& hit) {
        EXPECT_EQ(sender, frame);
        EXPECT_FALSE(hit);
        asked = true;
        hit = true;
    };
    Drag(frame, QPoint(30, 20), QPoint(160, 100));
    EXPECT_TRUE(asked);
    EXPECT_EQ(frame->Bounds(), (FrameBounds{100, 50, 100, 57}));
    Drag(frame, QPoint(97, 54), QPoint(300, 200)); // on a handle too
    EXPECT_EQ(frame->Bounds(), (FrameBounds{100, 50, 100, 57}));
}

TEST_F(GrabSizePress, SurvivesBeingDestroyedLaterFromItsOwnPress) {
    QPointer<TQxGrabSize> frame = AddFrame(100, 50, 100, 57);
    int released = 0;
    frame->OnMouseUp = [&](TQxGrabSize*, QMouseEvent*) { ++released; };
    frame->OnCheckUnderItem = [](TQxGrabSize* sender, bool& hit) {
        hit = true;
        sender->hide();
        sender->deleteLater();
    };
    PressOnFrame(frame, QPoint(30, 20));
    MoveTo(QPoint(200, 200));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(frame.isNull());
    MoveTo(QPoint(220, 220));
    Release(QPoint(220, 220));
    EXPECT_EQ(released, 0);
}

TEST_F(GrabSizePress, SurvivesBeingDeletedOutrightFromItsOwnPress) {
    QPointer<TQxGrabSize> frame = AddFrame(100, 50, 100, 57);
    frame->OnCheckUnderItem = [](TQxGrabSize* sender, bool& hit) {
        hit = true;
        delete sender;
    };
    PressOnFrame(frame, QPoint(97, 54));
    EXPECT_TRUE(frame.isNull());
    MoveTo(QPoint(300, 200));
    Release(QPoint(300, 200));
}

TEST_F(GrabSizePress, AContextMenuRequestOpensThePopupMenu) {
    TQxGrabSize* frame = AddFrame(100, 50, 100, 57);
    QMenu menu;
    menu.addAction(QStringLiteral("x"));
    frame->SetPopupMenu(&menu);
    QContextMenuEvent request(QContextMenuEvent::Mouse, QPoint(30, 20),
                              frame->mapToGlobal(QPoint(30, 20)));
    QCoreApplication::sendEvent(frame, &request);
    EXPECT_TRUE(menu.isVisible());
    menu.hide();
    EXPECT_EQ(frame->Bounds(), (FrameBounds{100, 50, 100, 57}));
}

} // namespace
