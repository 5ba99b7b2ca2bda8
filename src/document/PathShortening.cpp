#include "document/PathShortening.h"

namespace volmar {

namespace {

// A path taken apart: drive ("C:" or empty), folder part (up to and
// including the last separator) and file name.
struct PathParts {
    QString Drive;
    QString Folder;
    QString File;
    QChar Separator;

    QString Joined() const { return Drive + Folder + File; }
    QString Ellipsis() const { return QStringLiteral("...") + Separator; }
};

PathParts Split(const QString& path) {
    PathParts parts;
    parts.Separator = path.contains(u'\\') ? u'\\' : u'/';
    const bool hasDrive = path.size() >= 2 && path[1] == u':';
    parts.Drive = hasDrive ? path.left(2) : QString();
    const QString rest = path.mid(parts.Drive.size());
    const qsizetype lastSeparator = rest.lastIndexOf(parts.Separator);
    parts.Folder = rest.left(lastSeparator + 1);
    parts.File = rest.mid(lastSeparator + 1);
    return parts;
}

// Cuts the first folder name: \a\b\ becomes \...\b\, and \...\b\ becomes \...\.
QString CutFirstFolder(const PathParts& parts) {
    QString folder = parts.Folder;
    const QString root = folder.startsWith(parts.Separator) ? QString(parts.Separator) : QString();
    folder.remove(0, root.size());
    if (folder.startsWith(parts.Ellipsis()))
        folder.remove(0, parts.Ellipsis().size());
    const qsizetype next = folder.indexOf(parts.Separator);
    folder = next < 0 ? QString() : parts.Ellipsis() + folder.mid(next + 1);
    return root + folder;
}

void TakeOneStep(PathParts& parts) {
    if (parts.Folder == parts.Separator + parts.Ellipsis()) {
        parts.Drive.clear();
        parts.Folder = parts.Ellipsis();
    } else if (parts.Folder.isEmpty()) {
        parts.Drive.clear();
    } else {
        const QString cut = CutFirstFolder(parts);
        if (cut == parts.Folder) {
            // Only the root separator is left, which cannot be cut: drive and
            // folder part go together rather than never getting shorter.
            parts.Drive.clear();
            parts.Folder.clear();
        } else {
            parts.Folder = cut;
        }
    }
}

} // namespace

QString ShortenPath(const QString& path, int maxWidth,
                    const std::function<int(const QString&)>& textWidth) {
    PathParts parts = Split(path);
    QString text = parts.Joined();
    while (textWidth(text) > maxWidth && !(parts.Drive.isEmpty() && parts.Folder.isEmpty())) {
        TakeOneStep(parts);
        text = parts.Joined();
    }
    return text;
}

} // namespace volmar
