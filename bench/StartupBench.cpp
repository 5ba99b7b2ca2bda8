#include "app/MainForm.h"

#include "BenchApplication.h"
#include "FirstPaint.h"
#include "SilentDialogs.h"

#include <QCoreApplication>
#include <QEvent>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// The main window from its construction (settings read, skin loaded, menus
// and tool bar built) until its canvas has finished its first paint. Taking
// the window down again is not timed.
void BM_StartupToFirstPaint(benchmark::State& state) {
    if (!volmar::bench::EnsureApplication()) {
        state.SkipWithError("needs a QApplication");
        return;
    }
    volmar::bench::SilentDialogs dialogs;
    for (auto _ : state) {
        auto form = std::make_unique<TMainForm>(dialogs);
        if (!volmar::bench::ShowUntilCanvasPainted(*form)) {
            state.SkipWithError("the canvas never painted");
            break;
        }
        state.PauseTiming();
        form.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartupToFirstPaint)->Unit(benchmark::kMillisecond);

} // namespace
