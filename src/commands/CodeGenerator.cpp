#include "commands/CodeGenerator.h"

#include "document/Cp932.h"

namespace volmar {

namespace {

// What every form writes of a definition.
struct Block {
    explicit Block(const TWindowItem& item)
        : Variable(u'@' + item.Name), Width(qint64(item.Right) - item.Left),
          Height(qint64(item.Bottom) - item.Top) {}

    QString ContentsLine() const {
        return Variable + QStringLiteral(".contents = Bitmap.new(%1,%2)")
                              .arg(Width - kContentsInset)
                              .arg(Height - kContentsInset);
    }

    QString Variable;
    qint64 Width;
    qint64 Height;
};

void AppendWindowBlock(QStringList& lines, const TWindowItem& item, bool windowskin) {
    const Block block(item);
    const QString& variable = block.Variable;
    lines << variable + QStringLiteral("  = Window.new");
    if (windowskin)
        lines << variable +
                     QStringLiteral(
                         ".windowskin = RPG::Cache.windowskin($game_system.windowskin_name)");
    lines << variable + QStringLiteral(".x = ") + QString::number(item.Left)
          << variable + QStringLiteral(".y = ") + QString::number(item.Top)
          << variable + QStringLiteral(".width = ") + QString::number(block.Width)
          << variable + QStringLiteral(".height = ") + QString::number(block.Height)
          << block.ContentsLine() << QString();
}

void AppendBaseBlock(QStringList& lines, const TWindowItem& item) {
    const Block block(item);
    const QStringList numbers{QString::number(item.Left), QString::number(item.Top),
                              QString::number(block.Width), QString::number(block.Height)};
    lines << block.Variable + QStringLiteral(" = Window_Base.new(") +
                 numbers.join(QStringLiteral(", ")) + u')'
          << block.ContentsLine() << QString();
}

} // namespace

QStringList GenerateCodeLines(const DesignDocument& document, const CodeStyle& style) {
    QStringList lines;
    for (const auto& item : document) {
        if (style.Form == CodeForm::WindowBase)
            AppendBaseBlock(lines, *item);
        else
            AppendWindowBlock(lines, *item, style.Windowskin);
    }
    if (style.Dispose && !document.IsEmpty()) {
        for (const auto& item : document)
            lines << u'@' + item->Name + QStringLiteral(".dispose");
        lines << QString();
    }
    return lines;
}

QByteArray GenerateCodeBytes(const DesignDocument& document, const CodeStyle& style) {
    QByteArray out;
    for (const QString& line : GenerateCodeLines(document, style))
        out.append(ToCp932(line)).append("\r\n");
    return out;
}

} // namespace volmar
