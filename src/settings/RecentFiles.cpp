#include "settings/RecentFiles.h"

#include "document/Cp932.h"
#include "settings/SettingsStore.h"

namespace volmar {

namespace {

const QString kSection = QStringLiteral("RecentFiles");

QStringList Keys() {
    QStringList keys;
    for (qsizetype i = 0; i < kRecentFilesMax; ++i)
        keys << QStringLiteral("File%1").arg(i);
    return keys;
}

bool ReadsBackAsItself(const QString& path) {
    return path == path.trimmed() && !path.contains(QLatin1Char('\r')) &&
           !path.contains(QLatin1Char('\n')) && FromCp932(ToCp932(path)) == path;
}

} // namespace

QStringList WithRecentFile(QStringList recent, const QString& path) {
    recent.removeAll(path);
    recent.prepend(path);
    while (recent.size() > kRecentFilesMax)
        recent.removeLast();
    return recent;
}

QStringList ReadRecentFiles(const QString& settingsPath) {
    QStringList recent = SettingsStore::Load(settingsPath).ReadSectionValues(kSection, Keys());
    recent.removeDuplicates();
    return recent;
}

void SaveRecentFiles(const QString& settingsPath, const QStringList& recent) {
    const QStringList keys = Keys();
    QList<std::pair<QString, QString>> entries;
    for (const QString& path : recent) {
        if (entries.size() < keys.size() && ReadsBackAsItself(path))
            entries.append({keys[entries.size()], path});
    }
    SettingsStore store = SettingsStore::Load(settingsPath);
    store.ReplaceSection(kSection, entries);
    store.Save(settingsPath);
}

} // namespace volmar
