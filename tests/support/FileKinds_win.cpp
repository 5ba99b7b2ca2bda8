#include "support/FileKinds.h"

namespace volmar::test {

bool MakeFifo(const QString&) {
    return false;
}

bool IsFifo(const QString&) {
    return false;
}

bool LinkToEndlessFile(const QString&) {
    return false;
}

bool SetChildSetup(QProcess&, const std::function<void()>&) {
    return false;
}

void LimitFileSizeInChild(qint64) {}

void LimitAddressSpaceInChild(qint64) {}

// Windows' read-only attribute does not stop reading, nor writing into a folder.
bool PermissionsBindThisUser() {
    return false;
}

} // namespace volmar::test
