#include "FirstPaint.h"

#include "app/MainForm.h"
#include "app/PaintBox.h"

#include <QCoreApplication>
#include <QEvent>

namespace volmar::bench {

namespace {

// Rounds of the event loop a first paint may take before we give up; the
// offscreen platform needs one or two.
constexpr int kMaxRounds = 1000;

} // namespace

PaintCounter::PaintCounter(QObject* watched) : watched_(watched) {
    watched_->installEventFilter(this);
}

bool PaintCounter::eventFilter(QObject* watched, QEvent* event) {
    if (watched == watched_ && event->type() == QEvent::Paint)
        ++paints_;
    return false;
}

bool ShowUntilCanvasPainted(TMainForm& form) {
    PaintCounter counter(form.WindowEditor);
    form.show();
    for (int round = 0; round < kMaxRounds && counter.paints() == 0; ++round)
        QCoreApplication::processEvents();
    form.WindowEditor->removeEventFilter(&counter);
    return counter.paints() > 0;
}

} // namespace volmar::bench
