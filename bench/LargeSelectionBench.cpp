#include "app/MainForm.h"
#include "commands/ClipboardText.h"

#include "BenchApplication.h"
#include "SilentDialogs.h"
#include "SpreadWindows.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>

#include <benchmark/benchmark.h>

#include <memory>

// The editor with very many windows: selecting them all, nudging them all with
// an arrow key, and pasting as many. Each figure includes what the event loop
// does afterwards before the user sees the result: the repaint of the canvas
// and the frames, and what was left to be done late.

namespace {

// What the event loop does after a command: posted events, repaints, and the
// deletion of objects left to die late. The last call clears Qt's list of
// posted events as a running loop does; left full of delivered entries, it
// would make every event posted in the next command search past them.
void RunEventLoopOnce() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::sendPostedEvents();
}

// The measured steps, each a function of its own so that a profiler can be
// told to count inside them only (valgrind --toggle-collect='*Measured*').
[[gnu::noinline]] void MeasuredSelectAll(TMainForm& form) {
    form.aacSelectAllExecute();
    RunEventLoopOnce();
}

[[gnu::noinline]] void MeasuredArrowKey(TMainForm& form, Qt::Key key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QCoreApplication::sendEvent(form.WindowEditorBackPanel, &press);
    RunEventLoopOnce();
}

[[gnu::noinline]] void MeasuredPaste(TMainForm& form) {
    form.aacPasteExecute();
    RunEventLoopOnce();
}

// False, and the benchmark skipped, without a QApplication to show widgets.
bool HasWidgets(benchmark::State& state) {
    if (volmar::bench::EnsureApplication())
        return true;
    state.SkipWithError("needs a QApplication");
    return false;
}

// The main window, shown and active, holding n windows spread over the canvas.
class LargeEditor {
public:
    explicit LargeEditor(int n) : form_(std::make_unique<TMainForm>(dialogs_)) {
        for (const auto& item : volmar::bench::SpreadWindows(n))
            form_->document().Append(*item);
        form_->RebuildWindowSelector();
        form_->show();
        form_->activateWindow();
        RunEventLoopOnce();
    }
    ~LargeEditor() {
        form_.reset();
        RunEventLoopOnce();
    }

    TMainForm& Form() { return *form_; }

private:
    volmar::bench::SilentDialogs dialogs_;
    std::unique_ptr<TMainForm> form_;
};

// Select All with nothing selected before: one frame appears per window.
void BM_SelectAll(benchmark::State& state) {
    if (!HasWidgets(state))
        return;
    LargeEditor editor(int(state.range(0)));
    TMainForm& form = editor.Form();
    for (auto _ : state) {
        MeasuredSelectAll(form);
        state.PauseTiming();
        form.ScrollBoxClick();
        RunEventLoopOnce();
        state.ResumeTiming();
    }
    state.counters["frames"] = double(form.frames().size());
}
BENCHMARK(BM_SelectAll)->Arg(1000)->Arg(3000)->Arg(10000)->Unit(benchmark::kMillisecond);

// The first Select All of a session: no frame has been made yet.
void BM_SelectAllFirst(benchmark::State& state) {
    if (!HasWidgets(state))
        return;
    for (auto _ : state) {
        state.PauseTiming();
        auto editor = std::make_unique<LargeEditor>(int(state.range(0)));
        state.ResumeTiming();
        MeasuredSelectAll(editor->Form());
        state.PauseTiming();
        editor.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_SelectAllFirst)->Arg(10000)->Unit(benchmark::kMillisecond);

// A click on the empty margin with every window selected: every frame goes.
void BM_ClearSelection(benchmark::State& state) {
    if (!HasWidgets(state))
        return;
    LargeEditor editor(int(state.range(0)));
    TMainForm& form = editor.Form();
    for (auto _ : state) {
        state.PauseTiming();
        form.aacSelectAllExecute();
        RunEventLoopOnce();
        state.ResumeTiming();
        form.ScrollBoxClick();
        RunEventLoopOnce();
    }
}
BENCHMARK(BM_ClearSelection)->Arg(10000)->Unit(benchmark::kMillisecond);

// One arrow key press with every window selected, the canvas panel focused:
// each window moves by one pixel. The pointer swings right and back.
void BM_ArrowStep(benchmark::State& state) {
    if (!HasWidgets(state))
        return;
    LargeEditor editor(int(state.range(0)));
    TMainForm& form = editor.Form();
    form.aacSelectAllExecute();
    RunEventLoopOnce();
    if (QApplication::focusWidget() != form.WindowEditorBackPanel) {
        state.SkipWithError("the canvas panel has no keyboard focus");
        return;
    }
    bool right = false;
    for (auto _ : state) {
        right = !right;
        MeasuredArrowKey(form, right ? Qt::Key_Right : Qt::Key_Left);
    }
    state.counters["frames"] = double(form.frames().size());
}
BENCHMARK(BM_ArrowStep)->Arg(1000)->Arg(3000)->Arg(10000)->Unit(benchmark::kMillisecond);

// Pasting n windows into an empty document: the clipboard text read, the
// windows appended, the selector rebuilt, the last window selected.
void BM_Paste(benchmark::State& state) {
    if (!HasWidgets(state))
        return;
    volmar::DesignDocument source = volmar::bench::SpreadWindows(int(state.range(0)));
    source.SetAllSelected(true);
    const QString text = volmar::CopiedText(source);
    LargeEditor editor(0);
    TMainForm& form = editor.Form();
    for (auto _ : state) {
        state.PauseTiming();
        form.ClearDocument();
        RunEventLoopOnce();
        QGuiApplication::clipboard()->setText(text);
        state.ResumeTiming();
        MeasuredPaste(form);
    }
    state.counters["windows"] = double(form.document().Count());
}
BENCHMARK(BM_Paste)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace
