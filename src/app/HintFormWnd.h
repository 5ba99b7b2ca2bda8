#pragma once

#include <QPoint>
#include <QString>
#include <QWidget>

class QLabel;

// The small floating window that shows a size or a position next to the
// pointer while the user drags on the canvas. It is borderless, stays on top,
// never takes the focus, and keeps a fixed 61x21 client area: a longer text
// is clipped. Created hidden once and reused.
class THintFormWnd : public QWidget {
    Q_OBJECT

public:
    static constexpr int kClientWidth = 61;
    static constexpr int kClientHeight = 21;
    static constexpr int kOpacity = 200; // of 255
    // Below the pointer, so the hint never covers what is dragged.
    static constexpr int kPointerGap = 20;

    explicit THintFormWnd(QWidget* parent = nullptr);

    // Shows text with the window's top-left corner at the global pointer
    // position moved down by kPointerGap; no adjustment at screen edges.
    void ShowCanvasHint(const QString& text, QPoint globalPointer);
    void HideCanvasHint();

    QLabel* HintLabel() const { return hintLabel_; }

private:
    void SetUpWindow();
    void SetUpLabel();

    QLabel* hintLabel_ = nullptr;
};
