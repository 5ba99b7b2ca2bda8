#include "app/CanvasFixture.h"

#include "canvas/FrameBinding.h"

#include <QAction>

namespace volmar::test {
namespace {

class ArrangeTest : public CanvasTest {
protected:
    void SetUp() override {
        CanvasTest::SetUp();
        a = Add(QStringLiteral("a"), 10, 10, 110, 60);
        b = Add(QStringLiteral("b"), 200, 100, 260, 150);
        c = Add(QStringLiteral("c"), 50, 200, 130, 261);
    }

    static QPoint Inside(const TWindowItem* item) { return QPoint(item->Left + 5, item->Top + 5); }

    void Trigger(QAction* action) {
        form->UpdateActions();
        action->trigger();
    }

    // The selection is as given and every frame sits over its window.
    void ExpectSelectionKept(std::vector<const TWindowItem*> selected) {
        EXPECT_EQ(Selected(), selected);
        ASSERT_EQ(FrameCount(), selected.size());
        for (TQxGrabSize* frame : form->frames())
            EXPECT_EQ(frame->Bounds(), FrameBoundsForItem(*frame->Tag()));
    }

    TWindowItem *a = nullptr, *b = nullptr, *c = nullptr;
};

TEST_F(ArrangeTest, AlignAndSizeNeedTwoWindowsAndSpacingThree) {
    const auto state = [this] {
        form->UpdateActions();
        QString s;
        for (QAction* action :
             {form->aacAlignLeft, form->aacAlignRight, form->aacAlignTop, form->aacAlignBottom,
              form->aacAlignHCenter, form->aacAlignVCenter, form->aacSameWidth, form->aacSameHeight,
              form->aacSpaceHorz, form->aacSpaceVert})
            s += action->isEnabled() ? QLatin1Char('1') : QLatin1Char('0');
        return s;
    };
    EXPECT_EQ(state(), QStringLiteral("0000000000"));
    Select({b});
    EXPECT_EQ(state(), QStringLiteral("0000000000"));
    Select({a, c});
    EXPECT_EQ(state(), QStringLiteral("1111111100"));
    Select({a, b, c});
    EXPECT_EQ(state(), QStringLiteral("1111111111"));
}

// The reference is the window picked last, whatever the list order; after
// Select All or a band it is the front-most selected window.
TEST_F(ArrangeTest, ReferenceIsTheWindowPickedLast) {
    Click(Inside(a));
    Click(Inside(c), Qt::ShiftModifier);
    EXPECT_EQ(form->ArrangeReference(), c);
    Trigger(form->aacAlignLeft);
    EXPECT_EQ(Edges(a), (std::array<qint32, 4>{50, 10, 150, 60}));
    EXPECT_EQ(Edges(c), (std::array<qint32, 4>{50, 200, 130, 261}));
    ExpectSelectionKept({a, c});

    Click(Inside(b), Qt::ShiftModifier);
    Trigger(form->aacAlignTop);
    for (const TWindowItem* item : {a, b, c})
        EXPECT_EQ(item->Top, 100) << item->Name.toStdString();
    ExpectSelectionKept({a, b, c});

    Trigger(form->aacSelectAll);
    EXPECT_EQ(form->ArrangeReference(), c) << "the front-most";
    Trigger(form->aacAlignRight);
    for (const TWindowItem* item : {a, b, c})
        EXPECT_EQ(item->Right, 130) << item->Name.toStdString();

    RangeSelectionMode();
    Drag(QPoint(0, 0), QPoint(300, 155)); // takes a and b, not c
    EXPECT_EQ(form->ArrangeReference(), b);
    Trigger(form->aacAlignHCenter);
    EXPECT_EQ(Edges(a), (std::array<qint32, 4>{50, 100, 150, 150}));
    ExpectSelectionKept({a, b});
}

} // namespace
} // namespace volmar::test
