#include "render/RulerPainter.h"

#include <QFontMetrics>

namespace volmar {

namespace {

constexpr QRgb kPointerMark = 0xFF0000FFu;   // blue
constexpr QRgb kSelectionMark = 0xFFFF0000u; // red
constexpr int kLabelStep = 50;
constexpr int kLabelOffset = 3;

struct TickPass {
    int Step;
    int From;
};
constexpr TickPass kTickPasses[] = {{50, 0}, {10, 12}, {5, 15}};

// One ruler's geometry: along = the canvas axis it measures.
class Ruler {
public:
    Ruler(QPainter& painter, bool horizontal, const RulerPaint& paint)
        : painter_(painter), horizontal_(horizontal),
          canvasLength_(horizontal ? paint.Canvas.Width : paint.Canvas.Height), zoom_(paint.Zoom),
          length_(int(qint64(canvasLength_) * zoom_)) {}

    QRect Bounds() const {
        return horizontal_ ? QRect(0, 0, length_, kRulerDepth) : QRect(0, 0, kRulerDepth, length_);
    }

    // A one-pixel line across the depth from `from` to the far edge, at
    // `along`; positions off the ruler draw nothing.
    void Mark(qint64 along, int from, const QColor& colour) {
        if (along < 0 || along >= length_)
            return;
        const int a = int(along);
        const int depth = kRulerDepth - from;
        painter_.fillRect(horizontal_ ? QRect(a, from, 1, depth) : QRect(from, a, depth, 1),
                          colour);
    }

    void Ticks() {
        for (const TickPass& pass : kTickPasses)
            for (int along = 0; along <= canvasLength_; along += pass.Step)
                Mark(qint64(along) * zoom_, pass.From, Qt::black);
    }

    // A mark at a canvas coordinate.
    void CanvasMark(qint64 along, const QColor& colour) { Mark(along * zoom_, 0, colour); }

    // Each number on a box of the ruler colour, its top-left at n + 3.
    void Labels(const QFont& font, const QColor& face) {
        painter_.setFont(font);
        painter_.setPen(Qt::black);
        const QFontMetrics metrics(font, painter_.device());
        for (int n = 0; n <= canvasLength_; n += kLabelStep) {
            const QString text = QString::number(n);
            const int place = n * zoom_ + kLabelOffset;
            const QPoint at = horizontal_ ? QPoint(place, 0) : QPoint(0, place);
            painter_.fillRect(QRect(at, QSize(metrics.horizontalAdvance(text), metrics.height())),
                              face);
            painter_.drawText(QPoint(at.x(), at.y() + metrics.ascent()), text);
        }
    }

private:
    QPainter& painter_;
    bool horizontal_;
    int canvasLength_;
    int zoom_;
    int length_;
};

void PaintRuler(QPainter& painter, const RulerPaint& paint, bool horizontal,
                const std::optional<qint64>& first, const std::optional<qint64>& second) {
    if (!paint.Visible)
        return;
    Ruler ruler(painter, horizontal, paint);
    const QRect area = paint.Area.isNull() ? ruler.Bounds() : paint.Area & ruler.Bounds();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setClipRect(area);
    painter.fillRect(area, paint.Face);
    ruler.Ticks();
    ruler.Labels(paint.Font, paint.Face);
    if (paint.Pointer)
        ruler.Mark(*paint.Pointer, 0, QColor::fromRgb(kPointerMark));
    if (first && second) {
        ruler.CanvasMark(*first, QColor::fromRgb(kSelectionMark));
        ruler.CanvasMark(*second, QColor::fromRgb(kSelectionMark));
    }
    painter.restore();
}

} // namespace

void PaintHorizontalRuler(QPainter& painter, const RulerPaint& paint) {
    std::optional<qint64> left, right;
    if (paint.Selection) {
        left = paint.Selection->Left;
        right = qint64(paint.Selection->Left) + paint.Selection->Width;
    }
    PaintRuler(painter, paint, true, left, right);
}

void PaintVerticalRuler(QPainter& painter, const RulerPaint& paint) {
    std::optional<qint64> top, bottom;
    if (paint.Selection) {
        top = paint.Selection->Top;
        bottom = qint64(paint.Selection->Top) + paint.Selection->Height - 5;
    }
    PaintRuler(painter, paint, false, top, bottom);
}

} // namespace volmar
