#include "canvas/ApplicationEvents.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>
#include <QWidget>
#include <QWindow>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

// A window with a Delete and a Ctrl+C action and a focused child.
class ApplicationEventsTest : public ::testing::Test {
protected:
    void SetUp() override {
        window = std::make_unique<QWidget>();
        window->resize(200, 100);
        target = new QWidget(window.get());
        target->setFocusPolicy(Qt::StrongFocus);
        for (const QKeySequence& key :
             {QKeySequence(Qt::Key_Delete), QKeySequence(QKeySequence::Copy)}) {
            auto* action = new QAction(window.get());
            action->setShortcut(key);
            QObject::connect(action, &QAction::triggered,
                             [this, key] { triggered.push_back(key); });
            window->addAction(action);
        }
        hook = std::make_unique<volmar::ApplicationEvents>();
        hook->OnShortCut = [this](QWidget* receiver, QKeyEvent* event) {
            seen.push_back(event->key());
            EXPECT_EQ(receiver, target);
            return handle;
        };
        window->show();
        window->activateWindow();
        QCoreApplication::processEvents();
        target->setFocus();
    }

    std::unique_ptr<QWidget> window;
    QWidget* target = nullptr;
    std::unique_ptr<volmar::ApplicationEvents> hook;
    std::vector<QKeySequence> triggered;
    std::vector<int> seen;
    bool handle = true;
};

TEST_F(ApplicationEventsTest, ActionShortcutsWinAndOnlyUnclaimedKeysReachTheHook) {
    QTest::keyClick(window->windowHandle(), Qt::Key_Delete);
    QTest::keyClick(window->windowHandle(), Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(window->windowHandle(), Qt::Key_Left);
    QTest::keyClick(target, Qt::Key_Right);
    EXPECT_EQ(triggered, (std::vector<QKeySequence>{QKeySequence(Qt::Key_Delete),
                                                    QKeySequence(QKeySequence::Copy)}));
    // The Control key itself is claimed by nothing, so the hook sees it.
    EXPECT_EQ(seen, (std::vector<int>{Qt::Key_Control, Qt::Key_Left, Qt::Key_Right}));
}

TEST_F(ApplicationEventsTest, AHandledKeyNeverReachesTheWidget) {
    auto* edit = new QLineEdit(window.get());
    edit->setFocus();
    hook->OnShortCut = [this](QWidget*, QKeyEvent* event) {
        seen.push_back(event->key());
        return handle;
    };
    QTest::keyClicks(edit, QStringLiteral("ab"));
    EXPECT_EQ(edit->text(), QString());
    handle = false;
    QTest::keyClicks(edit, QStringLiteral("ab"));
    EXPECT_EQ(edit->text(), QStringLiteral("ab"));
}

TEST_F(ApplicationEventsTest, ADestroyedHookSeesNothingMore) {
    hook.reset();
    QTest::keyClick(window->windowHandle(), Qt::Key_Left);
    EXPECT_TRUE(seen.empty());
}

} // namespace
