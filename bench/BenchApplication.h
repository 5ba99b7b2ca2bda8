#pragma once

#include <QApplication>

#include <memory>

namespace volmar::bench {

// The offscreen platform says this of every top-level window it shows; in a
// benchmark that shows thousands it drowns the results. Other messages pass.
inline QtMessageHandler& PreviousMessageHandler() {
    static QtMessageHandler previous = nullptr;
    return previous;
}

inline void DropOffscreenNotices(QtMsgType type, const QMessageLogContext& context,
                                 const QString& message) {
    if (message == QLatin1String("This plugin does not support propagateSizeHints()"))
        return;
    if (PreviousMessageHandler())
        PreviousMessageHandler()(type, context, message);
}

// The one application object of the benchmarks, on the offscreen platform
// unless the environment names another. It is a QApplication so that both the
// painting and the widget benchmarks can run in one process, in any order.
// main owns it, so that it goes before main returns: left to the destruction
// of statics, it would outlive parts of Qt it still uses (the pointing device
// that synthetic mouse events register) and crash the exit.
class BenchApplication {
public:
    BenchApplication() {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        PreviousMessageHandler() = qInstallMessageHandler(DropOffscreenNotices);
        app_ = std::make_unique<QApplication>(argc_, argv_);
    }

private:
    int argc_ = 1;
    char name_[13] = "volmar-bench";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QApplication> app_;
};

// False when the running application object is not a QApplication (or
// there is none), so a benchmark that needs widgets or fonts cannot run.
inline bool EnsureApplication() {
    return qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr;
}

} // namespace volmar::bench
