#pragma once

#include "document/CanvasRect.h"

#include <QString>

namespace volmar {

// The size shown in the hint window: abs(width) "×" abs(height), no spaces.
QString SizeHintText(const CanvasRect& r);

// A frame's position as the hint window shows it while it moves: left "×" top.
QString PositionHintText(qint32 left, qint32 top);

} // namespace volmar
