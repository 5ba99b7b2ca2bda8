#pragma once

#include <QObject>

class TMainForm;

namespace volmar::bench {

// Counts the paint events a widget receives. The count goes up as the event
// arrives; once the event loop has handed it on, that paint has finished.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QObject* watched);
    int paints() const { return paints_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QObject* watched_;
    int paints_ = 0;
};

// Shows the main window and runs its pending events until its canvas has
// painted once. False when the canvas never painted.
bool ShowUntilCanvasPainted(TMainForm& form);

} // namespace volmar::bench
