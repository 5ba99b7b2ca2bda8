#include "settings/SettingsStore.h"

#include "document/BoundedRead.h"
#include "document/FileReplace.h"
#include "settings/SettingKeys.h"

#include <QFile>

namespace volmar {

namespace {

QByteArray Section() {
    return setting::kSection.toLatin1();
}

QByteArray Key(const QString& key) {
    return key.toLatin1();
}

} // namespace

SettingsStore SettingsStore::Load(const QString& path) {
    SettingsStore store;
    QFile file(path);
    if (file.open(QIODevice::ReadOnly))
        store.ini_ = IniStore::Read(ReadAtMost(file));
    return store;
}

void SettingsStore::Save(const QString& path) const {
    ReplaceFileContent(path, ini_.Write());
}

qint32 SettingsStore::ReadInteger(const QString& key, qint32 def) const {
    return ini_.ReadInteger(Section(), Key(key), def);
}

bool SettingsStore::ReadBool(const QString& key, bool def) const {
    return ini_.ReadBool(Section(), Key(key), def);
}

QString SettingsStore::ReadText(const QString& key, const QString& def) const {
    return ini_.ReadString(Section(), Key(key), def);
}

// Colours are 32-bit patterns: a system colour reads back from its negative
// decimal form as well as from hexadecimal.
quint32 SettingsStore::ReadColor(const QString& key, quint32 def) const {
    return quint32(ini_.ReadInteger(Section(), Key(key), qint32(def)));
}

void SettingsStore::WriteInteger(const QString& key, qint32 value) {
    ini_.SetInteger(Section(), Key(key), value);
}

void SettingsStore::WriteBool(const QString& key, bool value) {
    ini_.SetBool(Section(), Key(key), value);
}

void SettingsStore::WriteText(const QString& key, const QString& value) {
    ini_.SetString(Section(), Key(key), value);
}

void SettingsStore::WriteColor(const QString& key, quint32 value) {
    ini_.SetInteger(Section(), Key(key), qint32(value));
}

QStringList SettingsStore::ReadSectionValues(const QString& section,
                                             const QStringList& keys) const {
    QStringList values;
    for (const QString& key : keys) {
        const QString value = ini_.ReadString(Key(section), Key(key));
        if (!value.isEmpty())
            values << value;
    }
    return values;
}

void SettingsStore::ReplaceSection(const QString& section,
                                   const QList<std::pair<QString, QString>>& entries) {
    ini_.RemoveSection(Key(section));
    for (const auto& [key, value] : entries)
        ini_.SetString(Key(section), Key(key), value);
}

} // namespace volmar
