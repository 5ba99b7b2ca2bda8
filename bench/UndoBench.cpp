#include "app/MainForm.h"
#include "edit/BoundsStep.h"

#include "BenchApplication.h"
#include "SilentDialogs.h"
#include "SpreadWindows.h"

#include <QCoreApplication>
#include <QUndoStack>

#include <benchmark/benchmark.h>

#include <malloc.h>

#include <memory>

// The undo history: taking back and redoing a move of many windows in the
// editor, and the memory a long history of such moves holds.

namespace {

// The posted events and the deletion of the frames left to die late: what
// the event loop does before the user sees the result.
void RunEventLoopOnce() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Undo then redo of one step that moved n selected windows, each followed by
// what the editor does after it: the frames rebuilt over the restored
// selection, the selector refilled, the canvas repainted.
void BM_UndoRedoGroupMove(benchmark::State& state) {
    if (!volmar::bench::EnsureApplication()) {
        state.SkipWithError("needs a QApplication");
        return;
    }
    volmar::bench::SilentDialogs dialogs;
    auto form = std::make_unique<TMainForm>(dialogs);
    for (const auto& item : volmar::bench::SpreadWindows(int(state.range(0))))
        form->document().Append(*item);
    form->RebuildWindowSelector();
    form->show();
    form->aacSelectAllExecute();
    RunEventLoopOnce();
    for (int i = 0; i < 20; ++i) // one run of nudges: one step
        form->MoveSelectedBy(1, 1);
    if (form->undoStack().count() != 1) {
        state.SkipWithError("the move is not one step");
        return;
    }
    for (auto _ : state) {
        form->aacUndoExecute();
        RunEventLoopOnce();
        form->aacRedoExecute();
        RunEventLoopOnce();
    }
    state.counters["frames"] = double(form->frames().size());
    form.reset();
    RunEventLoopOnce();
}
BENCHMARK(BM_UndoRedoGroupMove)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond);

size_t HeapInUse() {
    return mallinfo2().uordblks;
}

// The heap that 10,000 steps, each a move of all n windows, hold in the
// history, measured as the growth of the heap in use while they are pushed.
void BM_MoveHistoryMemory(benchmark::State& state) {
    constexpr int kSteps = 10000;
    const int n = int(state.range(0));
    double bytes = 0;
    for (auto _ : state) {
        volmar::DesignDocument document = volmar::bench::SpreadWindows(n);
        document.SetAllSelected(true);
        const size_t before = HeapInUse();
        {
            QUndoStack stack;
            for (int step = 0; step < kSteps; ++step) {
                std::vector<volmar::BoundsChange> changes;
                changes.reserve(size_t(n));
                for (const auto& item : document) {
                    const volmar::CanvasRect was = volmar::BoundsOf(*item);
                    volmar::CanvasRect now = was;
                    now.Left += 1;
                    now.Right += 1;
                    volmar::SetBounds(*item, now);
                    changes.push_back({item.get(), was, now});
                }
                stack.push(volmar::BoundsStep::FromApplied(document, QStringLiteral("移動"),
                                                           changes,
                                                           volmar::SelectedDefinitions(document))
                               .release());
            }
            bytes = double(HeapInUse() - before);
            benchmark::DoNotOptimize(stack.count());
        }
    }
    state.counters["history_MB"] = bytes / (1024.0 * 1024.0);
    state.counters["bytes_per_step"] = bytes / kSteps;
}
BENCHMARK(BM_MoveHistoryMemory)->Arg(100)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
