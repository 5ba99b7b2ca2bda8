#pragma once

#include "document/CanvasSize.h"

#include <QString>
#include <QtGlobal>

namespace volmar::setting {

// The section and the ten keys of setting.ini, with the factory values.
inline const QString kSection = QStringLiteral("Setting");

inline const QString kGridX = QStringLiteral("GridX");
inline const QString kGridY = QStringLiteral("GridY");
inline const QString kPicturePath = QStringLiteral("PicturePath");
inline const QString kColorFormColor = QStringLiteral("ColorFormColor");
inline const QString kColorGridColor = QStringLiteral("ColorGridColor");
inline const QString kColorHandleColor = QStringLiteral("ColorHandleColor");
inline const QString kFormEditorColor = QStringLiteral("FormEditorColor"); // multi-select handles
inline const QString kSnap = QStringLiteral("Snap");
inline const QString kShowGrid = QStringLiteral("ShowGrid");
inline const QString kShowRuler = QStringLiteral("ShowRuler");

inline constexpr qint32 kDefaultGridX = 10;
inline constexpr qint32 kDefaultGridY = 10;
inline constexpr quint32 kDefaultFormColor = 0x000000;        // black canvas
inline constexpr quint32 kDefaultGridColor = 0xFFFFFF;        // white dots
inline constexpr quint32 kDefaultHandleColor = 0x0000FF;      // red handles
inline constexpr quint32 kDefaultMultiSelectColor = 0xFFFFFF; // white handles
inline constexpr bool kDefaultSnap = true;
inline constexpr bool kDefaultShowGrid = true;
inline constexpr bool kDefaultShowRuler = true;

// The ranges of the dialog's spin fields.
inline constexpr int kGridXMin = 5;
inline constexpr int kGridXMax = kDefaultCanvas.Width;
inline constexpr int kGridYMin = 5;
inline constexpr int kGridYMax = kDefaultCanvas.Height;

} // namespace volmar::setting
