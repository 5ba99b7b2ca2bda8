#include "cli/CliIo.h"

#include "document/ProjectFile.h"
#include "document/VolmarError.h"

#include <cerrno>
#include <cstdio>

namespace volmar::cli {

void WriteStandardOutput(const QByteArray& bytes) {
    const size_t size = size_t(bytes.size());
    if (std::fwrite(bytes.constData(), 1, size, stdout) != size || std::fflush(stdout) != 0)
        throw VolmarError(
            QStringLiteral("標準出力に書き込めません。%1").arg(qt_error_string(errno)));
}

void WriteStandardError(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
    std::fflush(stderr);
}

QString FailureLine(const QString& message) {
    const char16_t last = message.isEmpty() ? 0 : message.back().unicode();
    const bool kana = last >= 0x3041 && last <= 0x30FF;
    const bool kanji = last >= 0x4E00 && last <= 0x9FFF;
    return (kana || kanji ? message + u'。' : StandardErrorText(message)) + u'\n';
}

DesignDocument LoadDocument(const QString& path) {
    const ProjectContents contents = ReadProjectText(ReadProjectFileBytes(path));
    if (contents.TargetProblem)
        WriteStandardError(
            QStringLiteral("volmar-cli: warning: %1\n").arg(*contents.TargetProblem));
    DesignDocument document;
    for (const TWindowItem& item : contents.Items)
        document.Append(item);
    document.SetTarget(contents.Target);
    return document;
}

} // namespace volmar::cli
