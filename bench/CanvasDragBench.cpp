#include "app/MainForm.h"
#include "app/PaintBox.h"
#include "canvas/QxGrabSize.h"

#include "BenchApplication.h"
#include "SilentDialogs.h"
#include "SpreadWindows.h"

#include <QMouseEvent>

#include <benchmark/benchmark.h>

namespace {

void SendMouse(QWidget* canvas, QEvent::Type type, QPoint local, Qt::MouseButtons buttons) {
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, QPointF(local), QPointF(canvas->mapToGlobal(local)), button, buttons,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(canvas, &event);
}

// One pointer-move step of a window-creation drag over n windows: status
// texts, rulers, the rubber band, the size hint, and the repaint of what the
// band uncovered. The pointer swings between two corners 40 pixels apart.
void BM_CanvasDragStep(benchmark::State& state) {
    if (!volmar::bench::EnsureApplication()) {
        state.SkipWithError("needs a QApplication");
        return;
    }
    volmar::bench::SilentDialogs dialogs;
    TMainForm form(dialogs);
    for (int i = 0; i < int(state.range(0)); ++i) {
        TWindowItem w;
        w.Left = (i * 37) % 440;
        w.Top = (i * 53) % 380;
        w.Right = w.Left + 200;
        w.Bottom = w.Top + 100;
        form.document().Append(w);
    }
    form.show();
    QCoreApplication::processEvents();
    QWidget* canvas = form.WindowEditor;
    SendMouse(canvas, QEvent::MouseButtonPress, QPoint(100, 100), Qt::LeftButton);
    bool far = false;
    for (auto _ : state) {
        far = !far;
        SendMouse(canvas, QEvent::MouseMove, far ? QPoint(340, 300) : QPoint(300, 260),
                  Qt::LeftButton);
        QCoreApplication::processEvents();
    }
    SendMouse(canvas, QEvent::MouseButtonRelease, QPoint(100, 100), Qt::NoButton);
}
BENCHMARK(BM_CanvasDragStep)->Arg(10)->Arg(100)->Unit(benchmark::kMicrosecond);

} // namespace

namespace {

// One pointer-move step of a frame drag at 200 % over 1,000 windows: the
// window moves by a canvas pixel each step, and the canvas is painted at 1:1
// and copied onto the screen, each canvas pixel a 2x2 square.
void BM_ZoomedFrameDragStep(benchmark::State& state) {
    if (!volmar::bench::EnsureApplication()) {
        state.SkipWithError("needs a QApplication");
        return;
    }
    volmar::bench::SilentDialogs dialogs;
    TMainForm form(dialogs);
    form.setZoom(int(state.range(1)));
    for (const auto& item : volmar::bench::SpreadWindows(int(state.range(0))))
        form.document().Append(*item);
    form.setSnap(false);
    form.show();
    // The front-most window: a press on it belongs to no window in front.
    TWindowItem* dragged = form.document().At(form.document().Count() - 1);
    form.document().SetSelected(dragged, true);
    QCoreApplication::processEvents();
    QWidget* frame = form.frames().front();
    const QPoint grip = frame->rect().center();
    SendMouse(frame, QEvent::MouseButtonPress, grip, Qt::LeftButton);
    int step = 0;
    for (auto _ : state) {
        step = (step + 1) % 20;
        SendMouse(frame, QEvent::MouseMove, grip + QPoint(step % 2 == 0 ? 2 : -2, 0),
                  Qt::LeftButton);
        QCoreApplication::processEvents();
    }
    SendMouse(frame, QEvent::MouseButtonRelease, grip, Qt::NoButton);
}
BENCHMARK(BM_ZoomedFrameDragStep)->Args({1000, 1})->Args({1000, 2})->Unit(benchmark::kMicrosecond);

} // namespace
