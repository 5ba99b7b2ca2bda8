#include "render/CanvasPainter.h"
#include "render/Fonts.h"

#include "BenchApplication.h"

#include <benchmark/benchmark.h>

namespace {

// Fonts need a GUI application; the benchmarks run without a display.
void EnsureGuiApplication() {
    volmar::bench::EnsureApplication();
}

// A skin laid out like the built-in one: purple background, white frame area
// with a light blue 5-pixel border.
QImage BenchSkin() {
    QImage skin(192, 128, QImage::Format_RGB32);
    skin.fill(Qt::white);
    for (int y = 0; y < 128; ++y)
        for (int x = 0; x < 128; ++x)
            skin.setPixel(x, y, qRgb(128, 0, 128));
    for (int y = 0; y < 64; ++y)
        for (int x = 128; x < 192; ++x)
            if (x <= 132 || x >= 187 || y <= 4 || y >= 59)
                skin.setPixel(x, y, qRgb(111, 175, 255));
    return skin;
}

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
    EnsureGuiApplication();
    const volmar::DesignDocument doc = SpreadWindows(int(state.range(0)));
    const QImage skin = BenchSkin();
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
