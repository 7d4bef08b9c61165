#include "core/playlists/M3UFile.h"

#include "core/platform/CodePage.h"
#include "core/platform/FileAccess.h"
#include "core/platform/Paths.h"

#include <QDir>
#include <QFile>

namespace vireo {

namespace {

QString decodeUtf16(QByteArrayView bytes, bool bigEndian)
{
    // An odd trailing byte is no code unit and is ignored.
    const qsizetype units = bytes.size() / 2;
    QString text(units, Qt::Uninitialized);
    const auto *p = reinterpret_cast<const unsigned char *>(bytes.data());
    for (qsizetype i = 0; i < units; ++i) {
        const unsigned hi = bigEndian ? p[2 * i] : p[2 * i + 1];
        const unsigned lo = bigEndian ? p[2 * i + 1] : p[2 * i];
        text[i] = QChar(char16_t((hi << 8) | lo));
    }
    return text;
}

QString decodePlaylist(QByteArrayView bytes)
{
    const auto b = [&](qsizetype i) { return static_cast<unsigned char>(bytes[i]); };
    if (bytes.size() >= 2 && b(0) == 0xFF && b(1) == 0xFE)
        return decodeUtf16(bytes.sliced(2), false);
    if (bytes.size() >= 2 && b(0) == 0xFE && b(1) == 0xFF)
        return decodeUtf16(bytes.sliced(2), true);
    if (bytes.size() >= 3 && b(0) == 0xEF && b(1) == 0xBB && b(2) == 0xBF)
        return QString::fromUtf8(bytes.sliced(3));
    return decodeUnmarked(bytes);
}

} // namespace

QStringList parseM3U(QByteArrayView bytes)
{
    QString text = decodePlaylist(bytes);
    const qsizetype nul = text.indexOf(QChar(0));
    if (nul >= 0)
        text.truncate(nul);

    QStringList entries;
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n) {
        const qsizetype start = i;
        while (i < n && text[i] != u'\r' && text[i] != u'\n' && text[i] != QChar(0x2028))
            ++i;
        const QString line = text.mid(start, i - start);
        if (i < n && text[i] == u'\r')
            ++i;
        if (i < n && text[i] == u'\n')
            ++i;
        if (i < n && text[i] == QChar(0x2028))
            ++i;
        if (!line.startsWith(u'#'))
            entries << line;
    }
    return entries;
}

QByteArray renderM3UUnicode(const QStringList &entries)
{
    QByteArray out("\xFF\xFE", 2);
    for (const QString &e : entries) {
        const QString line = e + QStringLiteral("\r\n");
        for (QChar c : line) {
            const char16_t u = c.unicode();
            out.append(char(u & 0xFF));
            out.append(char(u >> 8));
        }
    }
    return out;
}

QByteArray renderM3UPlain(const QStringList &paths)
{
    QByteArray out;
    for (const QString &p : paths) {
        out += toSystemCodePage(p);
        out += "\r\n";
    }
    return out;
}

Result writePlainPlaylist(const QString &path, const QStringList &paths)
{
    return writeFileAtomically(path, renderM3UPlain(paths));
}

ResultOf<TM3UFile> TM3UFile::Create(const QString &fileName)
{
    TM3UFile file(fileName);
    Result r = file.Load();
    if (!r)
        return r;
    return file;
}

Result TM3UFile::Load()
{
    m_entries.clear();
    QFile f(m_fileName);
    if (!f.open(QIODevice::ReadOnly)) {
        const ErrorCode code = !QFile::exists(m_fileName) ? ErrorCode::NotFound
                                                          : ErrorCode::NoPermission;
        return Result::failure(code, QStringLiteral("%1: %2").arg(m_fileName, f.errorString()));
    }
    const QByteArray bytes = f.readAll();
    if (f.error() != QFileDevice::NoError)
        return Result::failure(ErrorCode::IoError,
                               QStringLiteral("%1: %2").arg(m_fileName, f.errorString()));
    m_entries = parseM3U(bytes);
    return Result::success();
}

Result TM3UFile::Save() const
{
    return writeFileAtomically(m_fileName, renderM3UUnicode(m_entries));
}

QString resolveM3UEntry(const QString &playlistPath, const QString &entry)
{
    if (entry.isEmpty())
        return entry;
    if (entry.startsWith(u'/'))
        return entry;
    // Playlists made on Windows: a drive path is kept as written, a relative
    // one takes "/" so it can be joined to a Linux folder.
    if (entry.size() >= 2 && entry[1] == u':')
        return entry;
    QString rel = entry;
    rel.replace(u'\\', u'/');
    return QDir::cleanPath(extractFilePath(playlistPath) + rel);
}

} // namespace vireo
