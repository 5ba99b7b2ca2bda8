// The document's notices alone keep the frames, the selector and the canvas up to date.
#include "MainFormFixture.h"

#include "app/PaintBox.h"
#include "canvas/QxGrabSize.h"
#include "commands/FormProject.h"

#include <QAction>
#include <QComboBox>

namespace volmar::test {
namespace {

TEST_F(MainFormTest, NoticesRebuildFramesSelectorAndCanvas) {
    TWindowItem* a = Add(QStringLiteral("a"), 10, 10, 110, 60);
    form->document().SetSelected(a, true);
    ASSERT_EQ(form->frames().size(), 1u);
    EXPECT_EQ(form->WindowSelector->currentIndex(), 0);

    form->document().SetTarget(DefaultTarget(Runtime::Rgss2));
    EXPECT_EQ(form->WindowEditor->size(), QSize(544, 416));
    form->setZoom(2);
    EXPECT_EQ(form->WindowEditor->size(), QSize(1088, 832));
    EXPECT_EQ(form->frames()[0]->geometry(), QRect(20, 20, 200, 110));
    form->document().Clear();
    EXPECT_TRUE(form->frames().empty());
    EXPECT_EQ(form->WindowSelector->count(), 0);
}

TEST_F(MainFormTest, TheProjectsTargetIsOneStepOfTheHistory) {
    dialogs.forms.push_back([](QDialog& dialog) {
        auto& project = dynamic_cast<TProjectForm&>(dialog);
        project.RuntimeBox->setCurrentIndex(2);
        project.ScreenBox->setCurrentIndex(1);
        return int(QDialog::Accepted);
    });
    form->aacProjectSetting->trigger();
    EXPECT_EQ(form->document().Target(), (RuntimeTarget{Runtime::Rgss3, kDefaultCanvas}));
    EXPECT_EQ(form->displayState().ContentsPadding, 12);
    form->UpdateActions();
    form->aacUndo->trigger();
    EXPECT_EQ(form->document().Target(), RuntimeTarget{});
    EXPECT_EQ(form->displayState().ContentsPadding, 16);
}

} // namespace
} // namespace volmar::test
