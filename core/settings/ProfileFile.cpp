#include "core/settings/ProfileFile.h"

#include "core/settings/SettingsTexts.h"

#include "core/platform/CodePage.h"
#include "core/platform/FileAccess.h"
#include "core/platform/TextCheck.h"
#include "core/platform/FileWriter.h"

#include <QFileInfo>
#include <QIODevice>

namespace vireo {
namespace {

bool isBlank(QChar c) { return c == u' ' || c == u'\t'; }

QStringView trimBlanks(QStringView s)
{
    qsizetype b = 0, e = s.size();
    while (b < e && isBlank(s[b]))
        ++b;
    while (e > b && isBlank(s[e - 1]))
        --e;
    return s.mid(b, e - b);
}

bool sameName(QStringView a, QStringView b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

bool hasLineBreak(QStringView s) { return s.contains(u'\n') || s.contains(u'\r'); }

QString capped(QString s)
{
    if (s.size() <= ProfileDocument::kMaxValueLength)
        return s;
    qsizetype n = ProfileDocument::kMaxValueLength;
    if (s[n - 1].isHighSurrogate()) // never cut a character in half
        --n;
    s.truncate(n);
    return s;
}

} // namespace

ProfileDocument ProfileDocument::parse(QByteArrayView bytes)
{
    ProfileDocument doc;
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        doc.m_bom = true;
        bytes = bytes.sliced(3);
    }
    const qsizetype firstLf = bytes.indexOf('\n');
    if (firstLf > 0 && bytes[firstLf - 1] == '\r')
        doc.m_eol = "\r\n";
    const QString text = decodeUnmarked(bytes);
    if (text.isEmpty())
        return doc;
    doc.m_lines = text.split(u'\n');
    if (doc.m_lines.last().isEmpty()) // the final line end
        doc.m_lines.removeLast();
    for (QString &line : doc.m_lines)
        if (line.endsWith(u'\r'))
            line.chop(1);
    return doc;
}

ProfileDocument ProfileDocument::read(QIODevice &device) { return parse(device.readAll()); }

QByteArray ProfileDocument::render() const
{
    QByteArray out;
    if (m_bom)
        out += "\xEF\xBB\xBF";
    for (const QString &line : m_lines) {
        out += toSystemCodePage(line);
        out += m_eol;
    }
    return out;
}

std::optional<QString> ProfileDocument::sectionName(QStringView line)
{
    const QStringView t = trimBlanks(line);
    if (!t.startsWith(u'['))
        return std::nullopt;
    const qsizetype close = t.indexOf(u']');
    const QStringView name = close < 0 ? t.mid(1) : t.mid(1, close - 1);
    return trimBlanks(name).toString();
}

bool ProfileDocument::splitKeyLine(QStringView line, QStringView &key, QStringView &raw)
{
    const qsizetype eq = line.indexOf(u'=');
    if (eq < 0)
        return false;
    key = trimBlanks(line.left(eq));
    if (key.isEmpty())
        return false;
    raw = line.mid(eq + 1);
    return true;
}

std::optional<ProfileDocument::Section> ProfileDocument::findSection(QStringView name) const
{
    for (qsizetype i = 0; i < m_lines.size(); ++i) {
        const auto n = sectionName(m_lines[i]);
        if (!n || !sameName(*n, name))
            continue;
        Section s;
        s.header = i;
        s.end = i + 1;
        while (s.end < m_lines.size() && !sectionName(m_lines[s.end]))
            ++s.end;
        return s;
    }
    return std::nullopt;
}

qsizetype ProfileDocument::findKey(const Section &s, QStringView key) const
{
    for (qsizetype i = s.header + 1; i < s.end; ++i) {
        QStringView k, raw;
        if (splitKeyLine(m_lines[i], k, raw) && sameName(k, key))
            return i;
    }
    return -1;
}

QString ProfileDocument::decodeValue(QStringView raw)
{
    QStringView v = trimBlanks(raw);
    if (v.size() >= 2 && (v.front() == u'"' || v.front() == u'\'') && v.back() == v.front())
        v = v.mid(1, v.size() - 2);
    return v.toString();
}

QString ProfileDocument::encodeValue(QStringView value)
{
    QString v = value.toString();
    v.replace(u'\r', u' ');
    v.replace(u'\n', u' ');
    if (decodeValue(v) != v)
        return u'"' + v + u'"';
    return v;
}

std::optional<QString> ProfileDocument::value(QStringView section, QStringView key) const
{
    const auto s = findSection(section);
    if (!s)
        return std::nullopt;
    const qsizetype i = findKey(*s, key);
    if (i < 0)
        return std::nullopt;
    QStringView k, raw;
    splitKeyLine(m_lines[i], k, raw);
    return capped(decodeValue(raw));
}

bool ProfileDocument::setValue(QStringView section, QStringView key, QStringView value)
{
    const QString stored = encodeValue(value);
    const auto s = findSection(section);
    if (!s) {
        m_lines << u'[' + section.toString() + u']' << key.toString() + u'=' + stored;
        return true;
    }
    const qsizetype i = findKey(*s, key);
    if (i >= 0) {
        QStringView k, raw;
        splitKeyLine(m_lines[i], k, raw);
        if (raw == stored)
            return false;
        // Keep the key's spelling and anything before "=" as it stands.
        m_lines[i] = m_lines[i].left(m_lines[i].indexOf(u'=') + 1) + stored;
        return true;
    }
    // After the section's last non-blank line, before blank lines that
    // separate it from the next section.
    qsizetype at = s->end;
    while (at > s->header + 1 && trimBlanks(m_lines[at - 1]).isEmpty())
        --at;
    m_lines.insert(at, key.toString() + u'=' + stored);
    return true;
}

bool ProfileDocument::removeKey(QStringView section, QStringView key)
{
    auto s = findSection(section);
    if (!s)
        return false;
    bool removed = false;
    for (qsizetype i = findKey(*s, key); i >= 0; i = findKey(*s, key)) {
        m_lines.removeAt(i);
        --s->end;
        removed = true;
    }
    return removed;
}

QStringList ProfileDocument::sections() const
{
    QStringList out;
    for (const QString &line : m_lines)
        if (const auto n = sectionName(line))
            out << *n;
    return out;
}

QStringList ProfileDocument::keys(QStringView section) const
{
    QStringList out;
    const auto s = findSection(section);
    if (!s)
        return out;
    for (qsizetype i = s->header + 1; i < s->end; ++i) {
        QStringView k, raw;
        if (splitKeyLine(m_lines[i], k, raw))
            out << k.toString();
    }
    return out;
}

bool ProfileDocument::isValidSectionName(QStringView name)
{
    return !name.isEmpty() && !hasLineBreak(name) && !name.contains(u']') && trimBlanks(name) == name;
}

bool ProfileDocument::isValidKeyName(QStringView name)
{
    return !name.isEmpty() && !hasLineBreak(name) && !name.contains(u'=') && !name.startsWith(u'[')
        && trimBlanks(name) == name;
}

// ---- file calls ----

namespace {

// The file a write replaces: a symbolic link is followed, so a settings
// file kept elsewhere through a link stays there.
QString writeTarget(const QString &path)
{
    const QFileInfo info(path);
    if (info.isSymLink()) {
        const QString target = info.symLinkTarget();
        if (!target.isEmpty())
            return target;
    }
    return path;
}

enum class Load { Ok, Missing, Unreadable, NotText };

Load loadDocument(const QString &path, ProfileDocument &doc, QString *cause = nullptr)
{
    const FileStat st = statFile(path);
    if (!st.exists)
        return Load::Missing;
    QByteArray bytes;
    // Only a regular file is opened: a pipe or device there would block or never end.
    if (!QFileInfo(path).isFile() || !readWholeFile(path, bytes))
        return Load::Unreadable;
    // A binary file is neither read as settings nor written over.
    if (const QString why = notTextCause(bytes, false); !why.isEmpty()) {
        if (cause)
            *cause = why;
        return Load::NotText;
    }
    doc = ProfileDocument::parse(bytes);
    return Load::Ok;
}

template <typename Change>
Result changeFile(const QString &path, Change change)
{
    if (path.isEmpty())
        return Result::failure(profileWriteError(path));
    const QString target = writeTarget(path);
    ProfileDocument doc;
    QString cause;
    const Load load = loadDocument(target, doc, &cause);
    if (load == Load::Unreadable)
        return Result::failure(profileWriteError(path));
    if (load == Load::NotText)
        return Result::failure(ErrorCode::BadData, profileWriteError(path) + QStringLiteral("：") + cause);
    if (!change(doc))
        return Result::success();
    if (!writeFileAtomically(target, doc.render()).ok())
        return Result::failure(profileWriteError(path));
    return Result::success();
}

} // namespace

QString profileWriteError(const QString &path) { return settingstexts::cannotWrite(path); }

Result checkProfileFile(const QString &path)
{
    ProfileDocument doc;
    QString cause;
    if (loadDocument(writeTarget(path), doc, &cause) != Load::NotText)
        return Result::success();
    return Result::failure(ErrorCode::BadData, settingstexts::notTextSettings(path, cause));
}

QString readProfileString(const QString &path, QStringView section, QStringView key, const QString &defaultValue)
{
    if (section.isEmpty() || key.isEmpty())
        return defaultValue;
    ProfileDocument doc;
    if (loadDocument(path, doc) != Load::Ok)
        return defaultValue;
    return doc.value(section, key).value_or(defaultValue);
}

Result writeProfileString(const QString &path, QStringView section, QStringView key, QStringView value)
{
    if (!ProfileDocument::isValidSectionName(section) || !ProfileDocument::isValidKeyName(key))
        return Result::failure(profileWriteError(path));
    return changeFile(path, [&](ProfileDocument &doc) { return doc.setValue(section, key, value); });
}

Result deleteProfileKey(const QString &path, QStringView section, QStringView key)
{
    if (section.isEmpty() || key.isEmpty())
        return Result::success();
    if (!fileExists(writeTarget(path)))
        return Result::success();
    return changeFile(path, [&](ProfileDocument &doc) { return doc.removeKey(section, key); });
}

} // namespace vireo
