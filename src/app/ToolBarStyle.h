#pragma once

#include <QProxyStyle>

namespace volmar {

// The toolbar's metrics: buttons sit side by side without gaps inside a
// two-pixel border; separators bring their own width.
class ToolBarStyle : public QProxyStyle {
    Q_OBJECT
public:
    using QProxyStyle::QProxyStyle;

    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
};

} // namespace volmar
