#pragma once
// The comma text of the tag cache files: rows of fields joined by commas,
// fields with blanks, commas or quotes enclosed in double quotes. One
// template serves the byte rows of the ID3v1 cache and the UTF-16 rows of
// the ID3v2 cache; also the date field and its packing into a DOS date.
#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <cstdint>
#include <optional>

namespace vireo::cachetext {

// Appends one field, quoted when it holds a character of code 1 to 32, a
// double quote or a comma (and, in UTF-16 rows, U+2028), with every double
// quote doubled. A field is cut at its first character of code 0, which a
// reader would take as the end of the whole file.
void appendField(QByteArray &row, QByteArrayView field);
void appendField(QString &row, QStringView field);
// The same field written as UTF-16LE bytes (the ID3v2 cache file's form).
void appendFieldUtf16LE(QByteArray &row, QStringView field);
// Plain text as UTF-16LE bytes.
void appendUtf16LE(QByteArray &row, QStringView text);
QByteArray joinFields(const QList<QByteArray> &fields);
QString joinFields(const QStringList &fields);

// Splits a whole cache text into rows. A row ends at an unquoted CR, LF,
// CR LF (and U+2028 in UTF-16 text); a quoted field runs across line breaks
// and keeps them, so a tag text with a line break reads back whole. A quote
// that is never closed falls back to the line rule: the field ends with its
// line. A character of code 0 ends the text.
class ByteRows {
public:
    explicit ByteRows(QByteArrayView text) : m_p(text.data()), m_end(text.data() + text.size()) {}
    // False at the end of the text. `line` is the row's raw text. The views
    // stay valid until the next call.
    bool next(QList<QByteArrayView> &fields, QByteArrayView &line);
    bool next(QList<QByteArray> &fields, QByteArrayView &line);

private:
    const char *m_p;
    const char *m_end;
    QList<QByteArray> m_storage;
};

class TextRows {
public:
    // lineSeparator: also end rows at U+2028 (the ID3v2 cache and the compilation list).
    TextRows(QStringView text, bool lineSeparator)
        : m_p(text.utf16()), m_end(text.utf16() + text.size()), m_ls(lineSeparator) {}
    bool next(QList<QStringView> &fields, QStringView &line);
    bool next(QStringList &fields, QStringView &line);

private:
    const char16_t *m_p;
    const char16_t *m_end;
    bool m_ls;
    QList<QString> m_storage;
};

// Splits one line by the same rules (tests and the version line use it).
QStringList splitFields(QStringView line);

// Plain line splitting of a text: lines end at CR, LF, CR LF (and U+2028 when
// asked); a final line break adds no empty line; code 0 ends the text.
QStringList splitLines(QStringView text, bool lineSeparator);

// The date field "yyyy/mm/dd hh:nn:ss" of a packed DOS date; nothing when the
// value is not a valid date and time (0 and -1 among them).
std::optional<QString> formatDosDate(int32_t dosDate);
// The same into a buffer of 20 characters (19 and a final zero); false when not a date.
bool formatDosDate(int32_t dosDate, char *buffer);
// Parses a date field and packs it (seconds halved); 0 for a year before
// 1980 or after 2107; nothing when the text is not a date and time.
std::optional<int32_t> parseDosDate(QStringView text);
std::optional<int32_t> parseDosDate(QByteArrayView text);

} // namespace vireo::cachetext
