#include "document/CanvasSize.h"
#include "render/CanvasPainter.h"
#include "render/Fonts.h"
#include "render/SkinLoader.h"

#include "BenchApplication.h"
#include "SpreadWindows.h"

#include <benchmark/benchmark.h>

namespace {

// Repaints the whole canvas with the built-in skin once per iteration.
void RepaintRepeatedly(benchmark::State& state, const volmar::DesignDocument& doc) {
    const QImage skin = volmar::LoadBuiltInSkin();
    const QFont font = volmar::WindowLabelFont();
    const volmar::EditorDisplayState display;
    QImage canvas(volmar::kDefaultCanvas.Width, volmar::kDefaultCanvas.Height,
                  QImage::Format_RGB32);
    for (auto _ : state) {
        volmar::PaintCanvas(canvas, display, skin, doc, font);
        benchmark::DoNotOptimize(canvas.constBits());
    }
}

void BM_CanvasRepaint(benchmark::State& state) {
    if (!volmar::bench::EnsureApplication()) {
        state.SkipWithError("no application object for fonts");
        return;
    }
    const volmar::DesignDocument doc = volmar::bench::SpreadWindows(int(state.range(0)));
    RepaintRepeatedly(state, doc);
}
BENCHMARK(BM_CanvasRepaint)->Arg(10)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);

// One repaint of the canvas holding one window of 200 by 100 whose name is a
// string of 10 MB (five million characters).
void BM_CanvasRepaintLongName(benchmark::State& state) {
    if (!volmar::bench::EnsureApplication()) {
        state.SkipWithError("no application object for fonts");
        return;
    }
    volmar::DesignDocument doc;
    TWindowItem w;
    w.Name = QString(5000000, QLatin1Char('A'));
    w.Left = 10;
    w.Top = 10;
    w.Right = 210;
    w.Bottom = 110;
    doc.Append(w);
    RepaintRepeatedly(state, doc);
}
BENCHMARK(BM_CanvasRepaintLongName)->Unit(benchmark::kMillisecond);

} // namespace
