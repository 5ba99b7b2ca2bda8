#include "cli/CliArguments.h"
#include "cli/CliCommand.h"
#include "cli/CliIo.h"

namespace volmar::cli {

int RunList(const QStringList& arguments) {
    const CliArguments parsed = ParseCliArguments(arguments, {}, 1, 1);
    const DesignDocument document = LoadDocument(parsed.Positional[0]);
    QString text;
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
