#pragma once

#include <QApplication>

namespace volmar::bench {

// The one application object of the benchmarks, on the offscreen platform
// unless the environment names another. It is a QApplication so that both the
// painting and the widget benchmarks can run in one process, in any order.
// Returns false when some other kind of application object already exists.
inline bool EnsureApplication() {
    if (QCoreApplication::instance())
        return qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "volmar-bench";
    static char* argv[] = {name, nullptr};
    static QApplication app(argc, argv);
    return true;
}

} // namespace volmar::bench
