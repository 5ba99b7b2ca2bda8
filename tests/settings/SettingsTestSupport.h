#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

namespace volmar::test {

// A temporary folder standing for the settings folder, with setting.ini in it.
class SettingsFixtureFolder {
public:
    QString Path() const { return dir_.filePath(QStringLiteral("setting.ini")); }

    void Write(const QByteArray& bytes) const {
        QFile file(Path());
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
    }

    QByteArray Read() const {
        QFile file(Path());
        if (!file.open(QIODevice::ReadOnly))
            return QByteArray("<missing>");
        return file.readAll();
    }

    bool Exists() const { return QFile::exists(Path()); }

private:
    QTemporaryDir dir_;
};

// Lines joined by CR LF, each one ended by it.
inline QByteArray CrLfLines(std::initializer_list<const char*> lines) {
    QByteArray text;
    for (const char* line : lines)
        text += QByteArray(line) + "\r\n";
    return text;
}

} // namespace volmar::test
