#include "settings/RuntimeFolderNotice.h"

#include <QString>
#include <QtGlobal>

namespace volmar {

namespace {

QtMessageHandler previousHandler = nullptr;

void DropRuntimeFolderNotice(QtMsgType type, const QMessageLogContext& context,
                             const QString& message) {
    if (type == QtWarningMsg &&
        message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set")))
        return;
    if (previousHandler)
        previousHandler(type, context, message);
}

} // namespace

void SilenceRuntimeFolderNotice() {
    previousHandler = qInstallMessageHandler(DropRuntimeFolderNotice);
}

} // namespace volmar
