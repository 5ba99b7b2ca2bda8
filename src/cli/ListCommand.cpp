#include "cli/CliArguments.h"
#include "cli/CliCommand.h"
#include "cli/CliIo.h"
#include "cli/CliTarget.h"

namespace volmar::cli {

int RunList(const QStringList& arguments) {
    const CliArguments parsed = ParseCliArguments(arguments, {kTargetOption}, 1, 1);
    const DesignDocument document = LoadTargetedDocument(parsed);
    QString text;
    // A project made for RGSS1 on 640x480 lists its windows alone, as ever.
    if (const RuntimeTarget target = document.Target(); !IsClassicTarget(target))
        text += QStringLiteral("target\t%1\t%2\t%3\n")
                    .arg(RuntimeName(target.Version))
                    .arg(target.Screen.Width)
                    .arg(target.Screen.Height);
    for (int i = 0; i < document.Count(); ++i) {
        const TWindowItem& item = *document.At(i);
        text += QStringLiteral("%1\t%2\t%3\t%4\t%5\t%6\n")
                    .arg(QString::number(i), item.Name, QString::number(item.Left),
                         QString::number(item.Top), QString::number(item.Right),
                         QString::number(item.Bottom));
    }
    WriteStandardOutput(text.toUtf8());
    return 0;
}

} // namespace volmar::cli
