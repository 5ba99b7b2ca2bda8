#include "commands/CodeGenerator.h"

#include "document/Cp932.h"

namespace volmar {

namespace {

void AppendBlock(QStringList& lines, const TWindowItem& item) {
    const QString variable = u'@' + item.Name;
    const qint64 width = qint64(item.Right) - item.Left;
    const qint64 height = qint64(item.Bottom) - item.Top;
    lines << variable + QStringLiteral("  = Window.new")
          << variable + QStringLiteral(".x = ") + QString::number(item.Left)
          << variable + QStringLiteral(".y = ") + QString::number(item.Top)
          << variable + QStringLiteral(".width = ") + QString::number(width)
          << variable + QStringLiteral(".height = ") + QString::number(height)
          << variable + QStringLiteral(".contents = Bitmap.new(%1,%2)")
                            .arg(width - kContentsInset)
                            .arg(height - kContentsInset)
          << QString();
}

} // namespace

QStringList GenerateCodeLines(const DesignDocument& document) {
    QStringList lines;
    for (const auto& item : document)
        AppendBlock(lines, *item);
    return lines;
}

QByteArray GenerateCodeBytes(const DesignDocument& document) {
    QByteArray out;
    for (const QString& line : GenerateCodeLines(document))
        out.append(ToCp932(line)).append("\r\n");
    return out;
}

} // namespace volmar
