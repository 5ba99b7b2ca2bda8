#include "app/MainForm.h"
#include "canvas/QxGrabSize.h"
#include "document/CanvasSize.h"
#include "render/CanvasPainter.h"
#include "render/Fonts.h"
#include "render/SkinLoader.h"

#include "BenchApplication.h"
#include "BenchMouse.h"
#include "SilentDialogs.h"
#include "SpreadWindows.h"

#include <QMouseEvent>

#include <benchmark/benchmark.h>

namespace {

using volmar::bench::SendMouse;

// One pointer-move step of moving one window among 1,000 others, with the
// repaint it causes; the second argument turns snapping to windows on. The
// pointer swings 23 pixels, so guides come and go as the window passes the
// others' edges.
void BM_GuideDragStep(benchmark::State& state) {
    if (!volmar::bench::EnsureApplication()) {
        state.SkipWithError("needs a QApplication");
        return;
    }
    volmar::bench::SilentDialogs dialogs;
    TMainForm form(dialogs);
    volmar::DesignDocument windows = volmar::bench::SpreadWindows(int(state.range(0)));
    for (const auto& item : windows)
        form.document().Append(*item);
    form.setSnapToWindows(state.range(1) != 0);
    form.document().At(form.document().Count() - 1)->Selected = true;
    form.RebuildFrames();
    form.show();
    QCoreApplication::processEvents();
    TQxGrabSize* frame = form.frames().front();
    const QPoint start = frame->mapToGlobal(QPoint(60, 40));
    SendMouse(frame, QEvent::MouseButtonPress, start, Qt::LeftButton);
    int step = 0;
    for (auto _ : state) {
        step = (step + 1) % 8;
        SendMouse(frame, QEvent::MouseMove, start + QPoint(23 * step, 17 * step), Qt::LeftButton);
        QCoreApplication::processEvents();
    }
    SendMouse(frame, QEvent::MouseButtonRelease, start, Qt::NoButton);
}
BENCHMARK(BM_GuideDragStep)->Args({1000, 0})->Args({1000, 1})->Unit(benchmark::kMillisecond);

// A whole repaint of the canvas over 10 windows, without and with a
// background picture of the canvas's size.
void BM_CanvasRepaintBackground(benchmark::State& state) {
    if (!volmar::bench::EnsureApplication()) {
        state.SkipWithError("no application object for fonts");
        return;
    }
    const volmar::DesignDocument doc = volmar::bench::SpreadWindows(10);
    const QImage skin = volmar::LoadBuiltInSkin();
    const QFont font = volmar::WindowLabelFont();
    QImage picture(volmar::kDefaultCanvas.Width, volmar::kDefaultCanvas.Height,
                   QImage::Format_RGB32);
    picture.fill(qRgb(30, 60, 90));
    if (state.range(0) == 0)
        picture = QImage();
    QImage canvas(volmar::kDefaultCanvas.Width, volmar::kDefaultCanvas.Height,
                  QImage::Format_RGB32);
    for (auto _ : state) {
        volmar::PaintCanvas(canvas, volmar::EditorDisplayState{}, skin, doc, font, QRect(),
                            picture);
        benchmark::DoNotOptimize(canvas.constBits());
    }
}
BENCHMARK(BM_CanvasRepaintBackground)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace
