#include "PeakMemory.h"

#include "BenchApplication.h"
#include "FirstPaint.h"
#include "SilentDialogs.h"
#include "SpreadWindows.h"

#include "app/MainForm.h"
#include "document/ProjectFile.h"
#include "document/VolmarError.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdio>

namespace volmar::bench {

namespace {

// A field of /proc/self/status in kibibytes ("VmHWM:  123456 kB"), or -1.
long long StatusKib(const char* field) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray prefix = QByteArray(field) + ':';
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(prefix)) {
            QByteArray value = line.mid(prefix.size()).trimmed();
            value.chop(3); // " kB"
            bool ok = false;
            const long long kib = value.trimmed().toLongLong(&ok);
            return ok ? kib : -1;
        }
    }
    return -1;
}

// Opens the project at path through the editor's own open command and shows
// the window until its canvas has painted. False when something failed.
bool OpenAndPaint(const QString& path, int windows) {
    SilentDialogs dialogs;
    dialogs.projectToOpen = path;
    TMainForm form(dialogs);
    form.aacOpenProjectExecute();
    if (form.document().Count() != windows) {
        std::fprintf(stderr, "the project opened with %d windows, not %d\n",
                     form.document().Count(), windows);
        return false;
    }
    if (!ShowUntilCanvasPainted(form)) {
        std::fprintf(stderr, "the canvas never painted\n");
        return false;
    }
    return true;
}

} // namespace

int RunPeakMemory(int windows) {
    if (!EnsureApplication())
        return 1;
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("peak.rsform"));
    try {
        volmar::SaveProjectFile(SpreadWindows(windows), path);
        if (!OpenAndPaint(path, windows))
            return 1;
    } catch (const volmar::VolmarError& error) {
        std::fprintf(stderr, "%s\n", qUtf8Printable(error.message()));
        return 1;
    }
    std::printf("{\"windows\": %d, \"peak_resident_kib\": %lld}\n", windows, StatusKib("VmHWM"));
    return 0;
}

} // namespace volmar::bench
