#include "render/CanvasPainter.h"
#include "render/Fonts.h"
#include "render/SkinLoader.h"

#include "BenchApplication.h"
#include "SpreadWindows.h"

#include <benchmark/benchmark.h>

namespace {

void BM_CanvasRepaint(benchmark::State& state) {
    if (!volmar::bench::EnsureApplication()) {
        state.SkipWithError("no application object for fonts");
        return;
    }
    const volmar::DesignDocument doc = volmar::bench::SpreadWindows(int(state.range(0)));
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
