#pragma once

#include "document/CodeStyle.h"
#include "document/DesignDocument.h"
#include "document/RuntimeTarget.h"

#include <QByteArray>
#include <QStringList>

// The Ruby statements that create the designed windows at run time. Pure text
// functions over the document, shared by the code dialog and volmar-cli; they
// use QtCore and the document only.
namespace volmar {

// A window's contents bitmap is this many pixels narrower and lower than the
// window (16 pixels of frame on each side) in RGSS1 and RGSS2.
inline constexpr qint64 kContentsInset = 32;

// One block per definition, back to front, each closed by an empty line.
//
// RGSS1: the Window form writes "@name  = Window.new" (followed, with
// Windowskin, by the line that sets the game's window skin), its x, y, width
// and height, and its contents bitmap (32 pixels smaller on each axis). The
// Window_Base form writes "@name = Window_Base.new(x, y, width, height)" and
// the same contents line; that class sets the skin itself.
//
// RGSS2: the Window form as in RGSS1, its skin taken from
// Cache.system("Window"). The Window_Base form writes only the
// Window_Base.new line: that class makes the contents itself.
//
// RGSS3: the Window form writes "@name = Window.new(x, y, width, height)",
// the skin line of RGSS2 with Windowskin, and contents 24 pixels smaller (12
// pixels of padding on each side). The Window_Base form as in RGSS2.
//
// With Dispose, one "@name.dispose" per definition and an empty line follow
// the blocks. Sizes are computed in 64 bits, so edges far apart give their
// true difference. Names are copied verbatim. An empty document gives no
// lines in any style.
QStringList GenerateCodeLines(const DesignDocument& document, const CodeStyle& style = {},
                              Runtime runtime = Runtime::Rgss1);

// The same lines in CP932, each ended by CR LF; an empty document gives zero
// bytes.
QByteArray GenerateCodeBytes(const DesignDocument& document, const CodeStyle& style = {},
                             Runtime runtime = Runtime::Rgss1);

} // namespace volmar
