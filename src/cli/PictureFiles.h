#pragma once

#include "render/BackgroundPicture.h"

#include <QImage>
#include <QString>

namespace volmar::cli {

// The skin image of a picture file named on the command line. Unlike the
// editor, which takes the built-in skin when nothing is at the path, the CLI
// reports it: "ファイル "..." は開けません。...". A picture the reader refuses
// raises its message.
QImage LoadNamedSkin(const QString& path);

// The background picture of a file named on the command line, flattened onto
// the canvas colour; a missing file is reported as for a skin.
BackgroundPicture LoadNamedBackground(const QString& path, quint32 canvasBgr);

// Writes the image as an RGB PNG through a temporary file, so a failed write
// leaves an old file whole. Raises "ファイル "..." を作成できません。...".
void SaveRgbPng(const QImage& image, const QString& path);

// The same as an RGBA PNG, with the image's alpha.
void SaveRgbaPng(const QImage& image, const QString& path);

} // namespace volmar::cli
