#include "canvas/QxGrabSize.h"
#include "document/CanvasSize.h"
#include "render/CanvasPainter.h"
#include "render/Fonts.h"

#include "BenchApplication.h"
#include "BenchMouse.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

namespace {

// Stands in for the main window's canvas: paints the document through the
// real canvas painter into an image and shows it.
class StandInCanvas : public QWidget {
public:
    StandInCanvas(QWidget* parent, const volmar::DesignDocument& document)
        : QWidget(parent), document_(document),
          image_(volmar::kDefaultCanvas.Width, volmar::kDefaultCanvas.Height, QImage::Format_RGB32),
          skin_(192, 128, QImage::Format_RGB32), font_(volmar::WindowLabelFont()) {
        skin_.fill(qRgb(128, 0, 128));
        setGeometry(0, 0, volmar::kDefaultCanvas.Width, volmar::kDefaultCanvas.Height);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }
    int paints = 0;

protected:
    void paintEvent(QPaintEvent* event) override {
        ++paints;
        volmar::PaintCanvas(image_, display_, skin_, document_, font_, event->rect());
        QPainter(this).drawImage(event->rect(), image_, event->rect());
    }

private:
    const volmar::DesignDocument& document_;
    volmar::EditorDisplayState display_;
    QImage image_;
    QImage skin_;
    QFont font_;
};

// n selected windows with their frames, wired as the main window wires them:
// OnResize writes the frame back into its window and repaints the canvas, and
// OnMultiResize lists every other frame, newest first.
class GroupMoveScene {
public:
    explicit GroupMoveScene(int n) {
        top_.resize(800, 600);
        auto* panel = new QWidget(&top_);
        panel->setGeometry(0, 0, 700, 540);
        for (int i = 0; i < n; ++i)
            AddWindow(i);
        canvas_ = new StandInCanvas(panel, document_);
        canvas_->lower();
        for (int i = 0; i < n; ++i)
            frames_.push_back(AddFrame(panel, document_.At(i)));
        top_.show();
        QCoreApplication::processEvents();
    }

    TQxGrabSize* Dragged() const { return frames_.front(); }
    int Paints() const { return canvas_->paints; }

private:
    void AddWindow(int i) {
        TWindowItem w;
        w.Name = QStringLiteral("window%1").arg(i);
        w.Left = (i * 37) % 440;
        w.Top = (i * 53) % 380;
        w.Right = w.Left + 200;
        w.Bottom = w.Top + 100;
        w.Selected = true;
        document_.Append(w);
    }

    TQxGrabSize* AddFrame(QWidget* panel, TWindowItem* item) {
        auto* frame = new TQxGrabSize(panel);
        frame->SetBounds(item->Left, item->Top, item->Right - item->Left,
                         item->Bottom - item->Top + 5);
        frame->SetTag(item);
        frame->SetDrawMode(QxGGMultiSelect);
        frame->OnResize = [this](TQxGrabSize* f) { WriteBack(f); };
        frame->OnMultiResize = [this](TQxGrabSize* s, TQxGrabSizeControlList& l) { List(s, l); };
        frame->show();
        return frame;
    }

    void WriteBack(TQxGrabSize* f) {
        TWindowItem* item = f->Tag();
        item->Left = f->Left();
        item->Top = f->Top();
        item->Right = f->Left() + f->Width();
        item->Bottom = f->Top() + f->Height() - 5;
        canvas_->update();
    }

    void List(TQxGrabSize* sender, TQxGrabSizeControlList& list) {
        for (auto it = frames_.rbegin(); it != frames_.rend(); ++it) {
            if (*it == sender)
                continue;
            (*it)->SetMultiResizerTempTop((*it)->Top());
            (*it)->SetMultiResizerTempLeft((*it)->Left());
            list.push_back(*it);
        }
    }

    QWidget top_;
    volmar::DesignDocument document_;
    StandInCanvas* canvas_ = nullptr;
    std::vector<TQxGrabSize*> frames_;
};

using volmar::bench::SendMouse;

// One pointer-move step of a group move, and the repaint it causes. The
// pointer swings 20 pixels right and back, so every step moves every frame.
void BM_GroupMoveStep(benchmark::State& state) {
    if (!volmar::bench::EnsureApplication()) {
        state.SkipWithError("needs a QApplication");
        return;
    }
    GroupMoveScene scene(int(state.range(0)));
    TQxGrabSize* dragged = scene.Dragged();
    const QPoint start = dragged->mapToGlobal(QPoint(30, 30));
    SendMouse(dragged, QEvent::MouseButtonPress, start, Qt::LeftButton);
    const int paintsBefore = scene.Paints();
    bool right = false;
    for (auto _ : state) {
        right = !right;
        SendMouse(dragged, QEvent::MouseMove, start + QPoint(right ? 20 : 0, 0), Qt::LeftButton);
        QCoreApplication::sendPostedEvents();
    }
    SendMouse(dragged, QEvent::MouseButtonRelease, start, Qt::NoButton);
    state.counters["paints_per_step"] =
        double(scene.Paints() - paintsBefore) / double(state.iterations());
}
BENCHMARK(BM_GroupMoveStep)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond);

} // namespace
