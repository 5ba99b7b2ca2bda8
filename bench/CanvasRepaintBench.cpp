#include "render/CanvasPainter.h"
#include "render/Fonts.h"
#include "render/SkinLoader.h"

#include "BenchApplication.h"

#include <benchmark/benchmark.h>

namespace {

// n windows of 200 by 100 spread over the canvas, each with its own name.
volmar::DesignDocument SpreadWindows(int n) {
    volmar::DesignDocument doc;
    for (int i = 0; i < n; ++i) {
        TWindowItem w;
        w.Name = QStringLiteral("window%1").arg(i);
        w.Left = (i * 37) % 440;
        w.Top = (i * 53) % 380;
        w.Right = w.Left + 200;
        w.Bottom = w.Top + 100;
        doc.Append(w);
    }
    return doc;
}

void BM_CanvasRepaint(benchmark::State& state) {
    if (!volmar::bench::EnsureApplication()) {
        state.SkipWithError("no application object for fonts");
        return;
    }
    const volmar::DesignDocument doc = SpreadWindows(int(state.range(0)));
    const QImage skin = volmar::LoadBuiltInSkin();
    const QFont font = volmar::WindowLabelFont();
    const volmar::EditorDisplayState display;
    QImage canvas(volmar::kCanvasWidth, volmar::kCanvasHeight, QImage::Format_RGB32);
    for (auto _ : state) {
        volmar::PaintCanvas(canvas, display, skin, doc, font);
        benchmark::DoNotOptimize(canvas.constBits());
    }
}
BENCHMARK(BM_CanvasRepaint)->Arg(10)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);

} // namespace
