#include "commands/CodeGenerator.h"

#include "document/Cp932.h"

namespace volmar {

namespace {

// What every form writes of a definition.
struct Block {
    Block(const TWindowItem& item, Runtime runtime)
        : Variable(u'@' + item.Name), Width(qint64(item.Right) - item.Left),
          Height(qint64(item.Bottom) - item.Top), Inset(ContentsInset(runtime)) {}

    QString ContentsLine() const {
        return Variable + QStringLiteral(".contents = Bitmap.new(%1,%2)")
                              .arg(Width - Inset)
                              .arg(Height - Inset);
    }

    // "(x, y, width, height)"
    QString Rectangle(const TWindowItem& item) const {
        const QStringList numbers{QString::number(item.Left), QString::number(item.Top),
                                  QString::number(Width), QString::number(Height)};
        return u'(' + numbers.join(QStringLiteral(", ")) + u')';
    }

    QString Variable;
    qint64 Width;
    qint64 Height;
    qint64 Inset;
};

QString SkinLine(const QString& variable, Runtime runtime) {
    if (runtime == Runtime::Rgss1)
        return variable +
               QStringLiteral(".windowskin = RPG::Cache.windowskin($game_system.windowskin_name)");
    return variable + QStringLiteral(".windowskin = Cache.system(\"Window\")");
}

void AppendWindowBlock(QStringList& lines, const TWindowItem& item, bool windowskin,
                       Runtime runtime) {
    const Block block(item, runtime);
    const QString& variable = block.Variable;
    const bool rectangleInNew = runtime == Runtime::Rgss3;
    if (rectangleInNew)
        lines << variable + QStringLiteral(" = Window.new") + block.Rectangle(item);
    else
        lines << variable + QStringLiteral("  = Window.new");
    if (windowskin)
        lines << SkinLine(variable, runtime);
    if (!rectangleInNew)
        lines << variable + QStringLiteral(".x = ") + QString::number(item.Left)
              << variable + QStringLiteral(".y = ") + QString::number(item.Top)
              << variable + QStringLiteral(".width = ") + QString::number(block.Width)
              << variable + QStringLiteral(".height = ") + QString::number(block.Height);
    lines << block.ContentsLine() << QString();
}

// From RGSS2 on, Window_Base makes its contents itself.
void AppendBaseBlock(QStringList& lines, const TWindowItem& item, Runtime runtime) {
    const Block block(item, runtime);
    lines << block.Variable + QStringLiteral(" = Window_Base.new") + block.Rectangle(item);
    if (runtime == Runtime::Rgss1)
        lines << block.ContentsLine();
    lines << QString();
}

} // namespace

QStringList GenerateCodeLines(const DesignDocument& document, const CodeStyle& style,
                              Runtime runtime) {
    QStringList lines;
    for (const auto& item : document) {
        if (style.Form == CodeForm::WindowBase)
            AppendBaseBlock(lines, *item, runtime);
        else
            AppendWindowBlock(lines, *item, style.Windowskin, runtime);
    }
    if (style.Dispose && !document.IsEmpty()) {
        for (const auto& item : document)
            lines << u'@' + item->Name + QStringLiteral(".dispose");
        lines << QString();
    }
    return lines;
}

QByteArray GenerateCodeBytes(const DesignDocument& document, const CodeStyle& style,
                             Runtime runtime) {
    QByteArray out;
    for (const QString& line : GenerateCodeLines(document, style, runtime))
        out.append(ToCp932(line)).append("\r\n");
    return out;
}

} // namespace volmar
