#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

#include <optional>
#include <vector>

namespace volmar {

class IniSection;

// An INI-like text held in memory: the one reader of project files, clipboard
// text and setting.ini. Sections keep their file order and their lines keep
// theirs; names and values are CP932 bytes.
//
// Lookup ignores letter case. When a section name occurs more than once only
// the last section of that name counts; when a key occurs more than once in a
// section its last value counts. A section exists only while it holds at
// least one line; a line without "=" makes its section exist but is never
// found as a key.
//
// Views and sections handed out stay valid until the store is next changed
// or destroyed.
class IniStore {
public:
    // Reads text of any content in linear time; what does not fit is skipped,
    // and so is a UTF-8 byte order mark at the start.
    static IniStore Read(const QByteArray& text);
    // "[name]", one "key=value" line per line, an empty line after each
    // section, every line ended by CR LF. Every section read or added is
    // written, in order: also an empty one and one that a later section of
    // the same name replaced, so that writing back loses nothing.
    QByteArray Write() const;

    QList<QByteArray> SectionNames() const;
    bool SectionExists(QByteArrayView section) const;
    std::optional<IniSection> ExistingSection(QByteArrayView section) const;
    // The same, looking first at the section that follows previous in the
    // text: walks over sections in file order skip the index.
    std::optional<IniSection> ExistingSection(QByteArrayView section,
                                              const IniSection& previous) const;
    // The keys of a section in file order, repeated keys as often as they occur.
    QList<QByteArray> KeyNames(QByteArrayView section) const;

    std::optional<QByteArrayView> Find(QByteArrayView section, QByteArrayView key) const;
    QByteArray ReadBytes(QByteArrayView section, QByteArrayView key,
                         const QByteArray& fallback = {}) const;
    QString ReadString(QByteArrayView section, QByteArrayView key,
                       const QString& fallback = {}) const;
    // A missing key or a value that is not a 32-bit integer gives the fallback.
    qint32 ReadInteger(QByteArrayView section, QByteArrayView key, qint32 fallback = 0) const;
    // Read as an integer; any value but 0 is true.
    bool ReadBool(QByteArrayView section, QByteArrayView key, bool fallback) const;

    // Opens a new, empty section at the end; a section of the same name
    // before it no longer counts.
    void AddSection(QByteArrayView section);
    // Appends a key line to the section, which is added when missing.
    void AddKey(QByteArrayView section, QByteArrayView key, QByteArrayView value);
    // Replaces the value that counts for the key, or adds the key.
    void SetValue(QByteArrayView section, QByteArrayView key, QByteArrayView value);
    void SetString(QByteArrayView section, QByteArrayView key, const QString& value);
    void SetInteger(QByteArrayView section, QByteArrayView key, qint32 value);
    void SetBool(QByteArrayView section, QByteArrayView key, bool value);
    // Takes every section of this name out of the text, lines and all. A key
    // set later opens it again, in the place of the last one.
    void RemoveSection(QByteArrayView section);

private:
    friend class IniSection;

    // A stretch of buffer_.
    struct Span {
        qsizetype Offset = 0;
        qsizetype Length = 0;
    };
    // One kept line; the lines of a section are chained in file order.
    struct Line {
        Span Key; // the whole line when it holds no "="
        Span Value;
        qsizetype Next = -1;
        bool IsKey = true;
    };
    struct Section {
        Span Name;
        qsizetype FirstLine = -1;
        qsizetype LastLine = -1;
        bool Replaced = false;
        bool Removed = false;
    };
    // A slot of the open-addressing index from section name to section.
    struct Slot {
        quint64 Hash = 0;
        qsizetype Section = -1;
    };

    QByteArrayView View(Span span) const;
    Span Store(QByteArrayView bytes);
    void OpenSection(Span name);
    void AppendLine(qsizetype section, const Line& line);
    qsizetype SectionForWriting(QByteArrayView name);
    // The line that counts for the key, or -1.
    qsizetype FindLine(qsizetype section, QByteArrayView key) const;

    // The index (IniStoreIndex.cpp).
    qsizetype FindSection(QByteArrayView name) const;
    size_t SlotFor(QByteArrayView name, quint64 hash) const;
    void IndexSection(qsizetype section);
    void GrowIndex();

    QByteArray buffer_;
    std::vector<Section> sections_;
    std::vector<Line> lines_;
    std::vector<Slot> slots_;
};

// One existing section of a store, for reading several keys without looking
// the section up each time. Valid until the store is next changed.
class IniSection {
public:
    std::optional<QByteArrayView> Find(QByteArrayView key) const;
    QString ReadString(QByteArrayView key, const QString& fallback = {}) const;
    qint32 ReadInteger(QByteArrayView key, qint32 fallback = 0) const;

private:
    friend class IniStore;
    IniSection(const IniStore& store, qsizetype section) : store_(&store), section_(section) {}

    const IniStore* store_;
    qsizetype section_;
};

} // namespace volmar
