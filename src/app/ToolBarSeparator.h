#pragma once

#include <QWidget>

namespace volmar {

// A toolbar separator of a given width, drawn as the style draws its own.
class ToolBarSeparator : public QWidget {
    Q_OBJECT
public:
    ToolBarSeparator(int width, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace volmar
