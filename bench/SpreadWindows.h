#pragma once

#include "document/DesignDocument.h"

namespace volmar::bench {

// n windows of 200 by 100 spread over the canvas, each with its own name.
inline volmar::DesignDocument SpreadWindows(int n) {
    volmar::DesignDocument doc;
    for (int i = 0; i < n; ++i) {
        TWindowItem w;
        w.Name = QStringLiteral("window%1").arg(i);
        w.Left = (i * 37) % 440;
        w.Top = (i * 53) % 380;
        w.Right = w.Left + 200;
        w.Bottom = w.Top + 100;
        doc.Append(w);
    }
    return doc;
}

} // namespace volmar::bench
