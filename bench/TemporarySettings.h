#pragma once

#include <QStandardPaths>
#include <QTemporaryDir>

namespace volmar::bench {

// A home and a runtime folder of this run only, with QStandardPaths in test
// mode: the editor windows of the benchmarks read and write their settings
// there, never in the user's own settings folder. Create it before the
// application object; the folders go when it does.
class TemporarySettings {
public:
    TemporarySettings() {
        qputenv("XDG_RUNTIME_DIR", runtime_.path().toLocal8Bit());
        qputenv("HOME", home_.path().toLocal8Bit());
        QStandardPaths::setTestModeEnabled(true);
    }

private:
    QTemporaryDir runtime_;
    QTemporaryDir home_;
};

} // namespace volmar::bench
