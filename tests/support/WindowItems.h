#pragma once

#include "document/CanvasRect.h"
#include "document/WindowItem.h"

#include <QString>

#include <ostream>

namespace volmar::test {

// A window definition with the given name and edges (right and bottom exclusive).
inline TWindowItem MakeWindow(const QString& name, qint32 left, qint32 top, qint32 right,
                              qint32 bottom, bool selected = false) {
    TWindowItem window;
    window.Name = name;
    window.Left = left;
    window.Top = top;
    window.Right = right;
    window.Bottom = bottom;
    window.Selected = selected;
    return window;
}

} // namespace volmar::test

namespace volmar {

// Failure messages show rectangles as (left,top,right,bottom).
inline void PrintTo(const CanvasRect& r, std::ostream* os) {
    *os << '(' << r.Left << ',' << r.Top << ',' << r.Right << ',' << r.Bottom << ')';
}

} // namespace volmar
