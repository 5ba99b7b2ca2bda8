#pragma once

#include <QLabel>

namespace volmar {

// A label that shows a web address as a link (bold, underlined, blue, hand
// cursor) and reports a click with the left button.
class LinkLabel : public QLabel {
    Q_OBJECT

public:
    explicit LinkLabel(const QString& text, QWidget* parent = nullptr);

Q_SIGNALS:
    void Clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace volmar
