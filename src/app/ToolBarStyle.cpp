#include "app/ToolBarStyle.h"

namespace volmar {

int ToolBarStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                              const QWidget* widget) const {
    switch (metric) {
    case PM_ToolBarItemSpacing:
    case PM_ToolBarItemMargin:
        return 0;
    case PM_ToolBarFrameWidth:
        return 2;
    default:
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
}

} // namespace volmar
