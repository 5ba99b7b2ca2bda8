#include "support/FileKinds.h"

#include <QFile>
#include <QProcess>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace volmar::test {

bool MakeFifo(const QString& path) {
    return mkfifo(QFile::encodeName(path).constData(), 0644) == 0;
}

bool IsFifo(const QString& path) {
    struct stat status {};
    return lstat(QFile::encodeName(path).constData(), &status) == 0 && S_ISFIFO(status.st_mode);
}

bool LinkToEndlessFile(const QString& path) {
    return QFile::link(QStringLiteral("/dev/zero"), path);
}

bool SetChildSetup(QProcess& process, const std::function<void()>& setup) {
    process.setChildProcessModifier(setup);
    return true;
}

void LimitFileSizeInChild(qint64 bytes) {
    std::signal(SIGXFSZ, SIG_DFL);
    const rlimit limit{rlim_t(bytes), rlim_t(bytes)};
    setrlimit(RLIMIT_FSIZE, &limit);
}

void LimitAddressSpaceInChild(qint64 bytes) {
    const rlimit limit{rlim_t(bytes), rlim_t(bytes)};
    setrlimit(RLIMIT_AS, &limit);
}

bool PermissionsBindThisUser() {
    return geteuid() != 0;
}

} // namespace volmar::test
