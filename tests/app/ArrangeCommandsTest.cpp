#include "app/CanvasFixture.h"

#include "canvas/FrameBinding.h"

#include <QAction>

#include <tuple>

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

using Layout = std::array<std::array<qint32, 4>, 3>;

// Windows partly off the canvas with odd sizes; b, in the middle of the list,
// is picked last and so is the reference. Each command is one step that undo
// takes back and redo makes again, the selection staying as it was.
TEST_F(ArrangeTest, EachCommandIsOneStepUndoneAndRedone) {
    const auto place = [](TWindowItem* w, std::array<qint32, 4> e) {
        std::tie(w->Left, w->Top, w->Right, w->Bottom) = std::tuple(e[0], e[1], e[2], e[3]);
    };
    place(a, {-35, 10, 45, 70});
    place(b, {100, -21, 161, 30});
    place(c, {301, 91, 341, 134});
    Click(QPoint(5, 20));
    Click(QPoint(310, 100), Qt::ShiftModifier);
    Click(QPoint(105, 5), Qt::ShiftModifier);
    ASSERT_EQ(form->ArrangeReference(), b);
    const Layout start = {Edges(a), Edges(b), Edges(c)};

    const struct {
        QAction* action;
        Layout after;
    } cases[] = {
        {form->aacAlignLeft, {{{100, 10, 180, 70}, start[1], {100, 91, 140, 134}}}},
        {form->aacAlignRight, {{{81, 10, 161, 70}, start[1], {121, 91, 161, 134}}}},
        {form->aacAlignTop, {{{-35, -21, 45, 39}, start[1], {301, -21, 341, 22}}}},
        {form->aacAlignBottom, {{{-35, -30, 45, 30}, start[1], {301, -13, 341, 30}}}},
        // b's centres: floor(261 / 2) = 130 and floor(9 / 2) = 4.
        {form->aacAlignHCenter, {{{90, 10, 170, 70}, start[1], {110, 91, 150, 134}}}},
        {form->aacAlignVCenter, {{{-35, -26, 45, 34}, start[1], {301, -17, 341, 26}}}},
        {form->aacSameWidth, {{{-35, 10, 26, 70}, start[1], {301, 91, 362, 134}}}},
        {form->aacSameHeight, {{{-35, 10, 45, 61}, start[1], {301, 91, 341, 142}}}},
        // 195 pixels between a and c, less b's 61: gaps 98 and 97.
        {form->aacSpaceHorz, {{start[0], {143, -21, 204, 30}, start[2]}}},
        // Ordered by top b, a, c: 1 pixel over two gaps goes to the first.
        {form->aacSpaceVert, {{{-35, 31, 45, 91}, start[1], start[2]}}},
    };
    for (const auto& step : cases) {
        const std::string what = step.action->objectName().toStdString();
        const int steps = form->undoStack().index();
        Trigger(step.action);
        EXPECT_EQ((Layout{Edges(a), Edges(b), Edges(c)}), step.after) << what;
        EXPECT_EQ(form->undoStack().index(), steps + 1) << what;
        EXPECT_EQ(form->undoStack().undoText(), step.action->text()) << what;
        ExpectSelectionKept({a, b, c});

        Trigger(step.action);
        EXPECT_EQ(form->undoStack().index(), steps + 1) << what << ": a second time moves nothing";

        Trigger(form->aacUndo);
        EXPECT_EQ((Layout{Edges(a), Edges(b), Edges(c)}), start) << what << " undone";
        ExpectSelectionKept({a, b, c});
        Trigger(form->aacRedo);
        EXPECT_EQ((Layout{Edges(a), Edges(b), Edges(c)}), step.after) << what << " redone";
        ExpectSelectionKept({a, b, c});
        Trigger(form->aacUndo);
    }
}

} // namespace
} // namespace volmar::test
