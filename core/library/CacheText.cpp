#include "core/library/CacheText.h"

#include <QSysInfo>

#include <cstdio>
#include <cstring>

namespace vireo::cachetext {
namespace {

inline unsigned code(char c) { return static_cast<unsigned char>(c); }
inline unsigned code(QChar c) { return c.unicode(); }

template <typename Ch> bool needsQuotes(const Ch *p, const Ch *end, bool lineSeparator)
{
    for (; p != end; ++p) {
        const unsigned c = code(*p);
        if ((c >= 1 && c <= 32) || c == '"' || c == ',' || (lineSeparator && c == 0x2028))
            return true;
    }
    return false;
}

template <typename Ch, typename Str> void appendFieldT(Str &row, const Ch *p, qsizetype n, bool lineSeparator)
{
    const Ch *end = p;
    while (end != p + n && code(*end) != 0)
        ++end;
    if (!needsQuotes(p, end, lineSeparator)) {
        row.append(p, end - p);
        return;
    }
    // Runs between quotes go in whole; each quote is written twice.
    row.append(Ch(u'"'));
    const Ch *run = p;
    for (const Ch *q = p; q != end; ++q) {
        if (code(*q) == '"') {
            row.append(run, q + 1 - run);
            run = q;
        }
    }
    row.append(run, end - run);
    row.append(Ch(u'"'));
}

// Collects UTF-16 units as little-endian bytes.
struct Utf16LESink {
    QByteArray &out;
    void append(QChar c)
    {
        const char16_t u = c.unicode();
        out.append(char(u & 0xFF));
        out.append(char(u >> 8));
    }
    void append(const QChar *p, qsizetype n)
    {
        if constexpr (QSysInfo::ByteOrder == QSysInfo::LittleEndian) {
            out.append(reinterpret_cast<const char *>(p), n * 2);
        } else {
            for (qsizetype i = 0; i < n; ++i)
                append(p[i]);
        }
    }
};

// The first quote or code 0 from p on, else end; quoted fields are long
// (paths, titles), so the search runs through the library's vector search.
const char *quoteOrNul(const char *p, const char *end)
{
    const void *q = std::memchr(p, '"', size_t(end - p));
    const char *stop = q ? static_cast<const char *>(q) : end;
    const void *z = std::memchr(p, 0, size_t(stop - p));
    return z ? static_cast<const char *>(z) : stop;
}

const QChar *quoteOrNul(const QChar *p, const QChar *end)
{
    const QStringView text(p, end - p);
    const qsizetype q = text.indexOf(QLatin1Char('"'));
    const qsizetype stop = q < 0 ? text.size() : q;
    const qsizetype z = text.first(stop).indexOf(QChar(0));
    return p + (z < 0 ? stop : z);
}

// The row scanner shared by both texts. Fields are views into the text;
// only a quoted field with doubled quotes is copied (into storage).
template <typename Ch, typename Str, typename View> class Scanner {
public:
    Scanner(const Ch *&p, const Ch *end, bool ls) : m_p(p), m_end(end), m_ls(ls) {}

    bool atEnd(const Ch *q) const { return q == m_end || code(*q) == 0; }
    bool isBreak(const Ch *q) const
    {
        const unsigned c = code(*q);
        return c == '\r' || c == '\n' || (m_ls && c == 0x2028);
    }
    bool atLineEnd(const Ch *q) const { return atEnd(q) || isBreak(q); }
    bool isBlank(const Ch *q) const
    {
        const unsigned c = code(*q);
        return c >= 1 && c <= 32 && !isBreak(q);
    }
    void skipBlanks(const Ch *&q) const
    {
        while (!atEnd(q) && isBlank(q))
            ++q;
    }

    // The text between start and end with every doubled quote made single.
    View unescape(const Ch *start, const Ch *end, QList<Str> &storage) const
    {
        Str out;
        out.reserve(end - start);
        for (const Ch *k = start; k != end; ++k) {
            out.append(*k);
            if (code(*k) == '"' && k + 1 != end && code(k[1]) == '"')
                ++k;
        }
        storage.append(out);
        return View(storage.last().constData(), storage.last().size());
    }

    // A quoted field starting at q (on the quote). Runs across line breaks;
    // when the closing quote never comes, the field ends with its line.
    View quoted(const Ch *&q, QList<Str> &storage) const
    {
        const Ch *start = q + 1;
        const Ch *r = start;
        bool doubled = false;
        for (;;) {
            r = quoteOrNul(r, m_end);
            if (atEnd(r)) {
                // Unterminated: the old line rule takes the rest of the line.
                const Ch *e = start;
                while (!atLineEnd(e))
                    ++e;
                q = e;
                return unescape(start, e, storage);
            }
            // On a quote: a doubled one is part of the text.
            if (!atEnd(r + 1) && code(r[1]) == '"') {
                doubled = true;
                r += 2;
                continue;
            }
            q = r + 1;
            if (!doubled)
                return View(start, r - start);
            return unescape(start, r, storage);
        }
    }

    bool next(QList<View> &fields, QList<Str> &storage, const Ch *&lineStart, const Ch *&lineEnd)
    {
        fields.clear();
        storage.clear();
        const Ch *q = m_p;
        if (atEnd(q))
            return false;
        lineStart = q;
        skipBlanks(q);
        while (!atLineEnd(q)) {
            if (code(*q) == '"') {
                fields.append(quoted(q, storage));
            } else {
                // Codes 0 to 32 hold every break but U+2028.
                const Ch *s = q;
                for (unsigned c; q != m_end && (c = code(*q)) > 32 && c != ',' && !(m_ls && c == 0x2028);)
                    ++q;
                fields.append(View(s, q - s));
            }
            skipBlanks(q);
            if (!atLineEnd(q) && code(*q) == ',') {
                if (atLineEnd(q + 1))
                    fields.append(View());
                ++q;
                skipBlanks(q);
            }
        }
        lineEnd = q;
        if (!atEnd(q)) {
            if (code(*q) == '\r' && q + 1 != m_end && code(q[1]) == '\n')
                q += 2;
            else
                ++q;
        }
        m_p = q;
        return true;
    }

private:
    const Ch *&m_p;
    const Ch *m_end;
    bool m_ls;
};

bool leapYear(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }
int daysIn(int y, int m)
{
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && leapYear(y) ? 29 : days[m - 1];
}

template <typename Ch> std::optional<int32_t> parseDateT(const Ch *p, const Ch *end)
{
    int v[6] = {0, 0, 0, 0, 0, 0};
    const char seps[] = {'/', '/', ' ', ':', ':'};
    auto skipSpaces = [&] { while (p != end && code(*p) == ' ') ++p; };
    skipSpaces();
    int parts = 0;
    for (; parts < 6; ++parts) {
        if (parts > 0) {
            if (p == end)
                break;
            if (parts == 3) {
                if (code(*p) != ' ')
                    return std::nullopt;
                skipSpaces();
            } else if (code(*p) == unsigned(seps[parts - 1])) {
                ++p;
            } else {
                return std::nullopt;
            }
        }
        int digits = 0;
        long n = 0;
        while (p != end && code(*p) >= '0' && code(*p) <= '9' && digits < 9) {
            n = n * 10 + (code(*p) - '0');
            ++p;
            ++digits;
        }
        if (digits == 0)
            return std::nullopt;
        v[parts] = int(n);
    }
    skipSpaces();
    // A date alone (midnight), a date with hours and minutes, or all six parts.
    if (p != end || (parts != 3 && parts != 5 && parts != 6))
        return std::nullopt;
    const int y = v[0], mo = v[1], d = v[2], h = v[3], mi = v[4], s = v[5];
    if (y < 1 || y > 9999 || mo < 1 || mo > 12 || d < 1 || d > daysIn(y, mo) || h > 23 || mi > 59 || s > 59)
        return std::nullopt;
    if (y < 1980 || y > 2107)
        return 0;
    const uint32_t date = (uint32_t(y - 1980) << 9) | (uint32_t(mo) << 5) | uint32_t(d);
    const uint32_t time = (uint32_t(h) << 11) | (uint32_t(mi) << 5) | uint32_t(s / 2);
    return static_cast<int32_t>((date << 16) | time);
}

} // namespace

void appendField(QByteArray &row, QByteArrayView field)
{
    appendFieldT<char, QByteArray>(row, field.data(), field.size(), false);
}

void appendField(QString &row, QStringView field)
{
    appendFieldT<QChar, QString>(row, field.data(), field.size(), true);
}

void appendFieldUtf16LE(QByteArray &row, QStringView field)
{
    Utf16LESink sink{row};
    appendFieldT<QChar, Utf16LESink>(sink, field.data(), field.size(), true);
}

void appendUtf16LE(QByteArray &row, QStringView text)
{
    Utf16LESink sink{row};
    sink.append(text.data(), text.size());
}

QByteArray joinFields(const QList<QByteArray> &fields)
{
    QByteArray row;
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (i)
            row.append(',');
        appendField(row, fields[i]);
    }
    return row;
}

QString joinFields(const QStringList &fields)
{
    QString row;
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (i)
            row.append(u',');
        appendField(row, fields[i]);
    }
    return row;
}

bool ByteRows::next(QList<QByteArrayView> &fields, QByteArrayView &line)
{
    const char *s = nullptr, *e = nullptr;
    Scanner<char, QByteArray, QByteArrayView> sc(m_p, m_end, false);
    if (!sc.next(fields, m_storage, s, e))
        return false;
    line = QByteArrayView(s, e - s);
    return true;
}

bool ByteRows::next(QList<QByteArray> &fields, QByteArrayView &line)
{
    QList<QByteArrayView> views;
    const bool ok = next(views, line);
    fields.clear();
    for (QByteArrayView v : views)
        fields.append(v.toByteArray());
    return ok;
}

bool TextRows::next(QList<QStringView> &fields, QStringView &line)
{
    const QChar *p = reinterpret_cast<const QChar *>(m_p);
    const QChar *end = reinterpret_cast<const QChar *>(m_end);
    const QChar *s = nullptr, *e = nullptr;
    Scanner<QChar, QString, QStringView> sc(p, end, m_ls);
    const bool ok = sc.next(fields, m_storage, s, e);
    m_p = reinterpret_cast<const char16_t *>(p);
    if (!ok)
        return false;
    line = QStringView(s, e - s);
    return true;
}

bool TextRows::next(QStringList &fields, QStringView &line)
{
    QList<QStringView> views;
    const bool ok = next(views, line);
    fields.clear();
    for (QStringView v : views)
        fields.append(v.toString());
    return ok;
}

QStringList splitFields(QStringView line)
{
    QStringList fields;
    QStringView raw;
    TextRows rows(line, true);
    rows.next(fields, raw);
    return fields;
}

QStringList splitLines(QStringView text, bool lineSeparator)
{
    QStringList lines;
    qsizetype start = 0;
    const qsizetype n = text.size();
    qsizetype i = 0;
    for (; i < n; ++i) {
        const char16_t c = text[i].unicode();
        if (c == 0)
            break;
        if (c == u'\r' || c == u'\n' || (lineSeparator && c == 0x2028)) {
            lines.append(text.mid(start, i - start).toString());
            if (c == u'\r' && i + 1 < n && text[i + 1] == u'\n')
                ++i;
            start = i + 1;
        }
    }
    if (i > start)
        lines.append(text.mid(start, i - start).toString());
    return lines;
}

bool formatDosDate(int32_t dosDate, char *buf)
{
    const uint32_t v = static_cast<uint32_t>(dosDate);
    const int y = int(v >> 25) + 1980;
    const int mo = int((v >> 21) & 15);
    const int d = int((v >> 16) & 31);
    const int h = int((v >> 11) & 31);
    const int mi = int((v >> 5) & 63);
    const int s = int(v & 31) * 2;
    if (mo < 1 || mo > 12 || d < 1 || d > daysIn(y, mo) || h > 23 || mi > 59 || s > 59)
        return false;
    auto two = [](char *p, int n) { p[0] = char('0' + n / 10); p[1] = char('0' + n % 10); };
    buf[0] = char('0' + y / 1000);
    buf[1] = char('0' + y / 100 % 10);
    two(buf + 2, y % 100);
    buf[4] = '/';
    two(buf + 5, mo);
    buf[7] = '/';
    two(buf + 8, d);
    buf[10] = ' ';
    two(buf + 11, h);
    buf[13] = ':';
    two(buf + 14, mi);
    buf[16] = ':';
    two(buf + 17, s);
    buf[19] = 0;
    return true;
}

std::optional<QString> formatDosDate(int32_t dosDate)
{
    char buf[20];
    if (!formatDosDate(dosDate, buf))
        return std::nullopt;
    return QString::fromLatin1(buf, 19);
}

std::optional<int32_t> parseDosDate(QStringView text)
{
    return parseDateT<QChar>(text.data(), text.data() + text.size());
}

std::optional<int32_t> parseDosDate(QByteArrayView text)
{
    return parseDateT<char>(text.data(), text.data() + text.size());
}

} // namespace vireo::cachetext
