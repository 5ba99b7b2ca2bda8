#pragma once

#include "document/IniStore.h"

#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <utility>

namespace volmar {

// setting.ini in memory: the whole file, read at once and written back whole,
// so keys and sections the program does not know survive. Every read and
// write here is in the section "Setting".
class SettingsStore {
public:
    // A missing or unreadable file (a folder in its place, say) reads as empty;
    // whatever can be read of a damaged file is kept. A file larger than
    // kMaxTextBytes raises the out-of-resources message.
    static SettingsStore Load(const QString& path);
    // Writes the whole content through a temporary file, in code page 932 with
    // CR LF line ends. Throws VolmarError when the file cannot be written.
    void Save(const QString& path) const;

    // Typed reads; a missing key or a value that does not parse gives def.
    qint32 ReadInteger(const QString& key, qint32 def) const;
    bool ReadBool(const QString& key, bool def) const;
    QString ReadText(const QString& key, const QString& def) const;
    quint32 ReadColor(const QString& key, quint32 def) const;

    void WriteInteger(const QString& key, qint32 value);
    void WriteBool(const QString& key, bool value);
    void WriteText(const QString& key, const QString& value);
    void WriteColor(const QString& key, quint32 value);

    // The program's own state beside "Setting" lives in sections of its own.
    // The values of a section in the order of its keys; keys that are missing
    // or empty are left out.
    QStringList ReadSectionValues(const QString& section, const QStringList& keys) const;
    // Replaces the whole section by these keys and values, in this order, in
    // its place in the file; a section left without keys is not written.
    void ReplaceSection(const QString& section, const QList<std::pair<QString, QString>>& entries);

private:
    IniStore ini_;
};

} // namespace volmar
