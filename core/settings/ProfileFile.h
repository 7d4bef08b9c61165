#pragma once
// The INI ("profile") file format of the settings file: a parsed document
// that can be read and changed in memory, and the file calls on top of it
// that read or replace the whole file on every access.
#include "core/platform/Result.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

class QIODevice;

namespace vireo {

// A profile file held as its lines. Lines the parser does not understand
// (comments, text before the first section, lines without "=") are kept
// untouched, so rewriting a file changes only the keys that were written.
//
// Reading rules: section and key names match without regard to case; the
// first matching section and key win; spaces and tabs around names and
// values are dropped; a value enclosed in one pair of double (or single)
// quotes is returned without them; at most kMaxValueLength characters are
// returned. A present key with nothing after "=" reads as empty text.
class ProfileDocument {
public:
    static constexpr qsizetype kMaxValueLength = 2047;

    // Text in the system code page (UTF-8); bytes that are not valid UTF-8
    // are read in the tag code page, so a file written on Japanese Windows
    // still reads. A UTF-8 byte-order mark is kept.
    static ProfileDocument parse(QByteArrayView bytes);
    static ProfileDocument read(QIODevice &device);
    // UTF-8, with the line ends the file had (LF for a new file).
    QByteArray render() const;

    std::optional<QString> value(QStringView section, QStringView key) const;
    // Replaces the value where the key stands, or adds the key at the end of
    // its section, or the section at the end of the document. The value is
    // stored so that value() gives it back unchanged: one that would lose
    // surrounding spaces or quotes on reading is wrapped in double quotes,
    // and line breaks (which would end the line) become spaces.
    // Returns false when the document did not change.
    bool setValue(QStringView section, QStringView key, QStringView value);
    // Removes the key's line(s); false when there was nothing to remove.
    bool removeKey(QStringView section, QStringView key);

    // Section names in file order, and the key names of one section (tests, dumps).
    QStringList sections() const;
    QStringList keys(QStringView section) const;

    // A name that can be written as a section or key: not empty, no line
    // break, no "]" in a section, no "=" in a key, no surrounding spaces.
    static bool isValidSectionName(QStringView name);
    static bool isValidKeyName(QStringView name);

    // The text stored after "=" for a value (see setValue).
    static QString encodeValue(QStringView value);
    // What a read gives for the text after "=".
    static QString decodeValue(QStringView raw);

private:
    struct Section {
        qsizetype header = -1; // line index of "[name]"
        qsizetype end = 0;     // one past its last line
    };
    std::optional<Section> findSection(QStringView name) const;
    qsizetype findKey(const Section &s, QStringView key) const;
    static bool splitKeyLine(QStringView line, QStringView &key, QStringView &raw);
    static std::optional<QString> sectionName(QStringView line);

    QStringList m_lines;
    QByteArray m_eol = "\n";
    bool m_bom = false;
};

// File calls with the semantics of the Windows profile calls. Every call
// reads the file afresh; nothing is cached.
//
// A missing or unreadable file reads as all defaults.
QString readProfileString(const QString &path, QStringView section, QStringView key, const QString &defaultValue);
// Writes one key: the whole file is replaced through a temporary file and a
// rename, so it is never left half written. A file that exists but cannot
// be read is left alone and reported, never replaced by one holding only
// this key. The message of a failure is "<path> に書き込めません".
Result writeProfileString(const QString &path, QStringView section, QStringView key, QStringView value);
Result deleteProfileKey(const QString &path, QStringView section, QStringView key);

// The message of a failed write.
QString profileWriteError(const QString &path);
// Fails, naming the file and the cause, when the file is there but is not
// text (binary, UTF-16): its keys then read as their defaults and writes
// leave it untouched. A missing file is fine. For the settings load to
// report once instead of on every key.
Result checkProfileFile(const QString &path);

} // namespace vireo
