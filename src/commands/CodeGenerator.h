#pragma once

#include "document/DesignDocument.h"

#include <QByteArray>
#include <QStringList>

// The Ruby statements that create the designed windows at run time. Pure text
// functions over the document, shared by the code dialog and volmar-cli; they
// use QtCore and the document only.
namespace volmar {

// A window's contents bitmap is this many pixels narrower and lower than the
// window (16 pixels of frame on each side).
inline constexpr qint64 kContentsInset = 32;

// Seven lines per definition, back to front: "@name  = Window.new", its x, y,
// width and height, its contents bitmap (32 pixels smaller on each axis), and
// an empty line. Sizes are computed in 64 bits, so edges far apart give their
// true difference. Names are copied verbatim.
QStringList GenerateCodeLines(const DesignDocument& document);

// The same lines in CP932, each ended by CR LF; an empty document gives zero
// bytes.
QByteArray GenerateCodeBytes(const DesignDocument& document);

} // namespace volmar
