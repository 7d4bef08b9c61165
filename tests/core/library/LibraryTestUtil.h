#pragma once
// Small real MP3 files for the library tests: a few silent frames with an
// ID3v2.3 tag in front and/or an ID3v1 tag behind, and the log lines of a run.
#include "tests/support/TestSupport.h"
#include "core/library/EventLog.h"
#include "core/platform/CodePage.h"

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QtEndian>

#include <sys/stat.h>
#include <utime.h>

namespace vireo::test {

struct V1Fields {
    QByteArray title, artist, album, year, comment;
    int track = 0;
    int genre = 255;
};

inline QByteArray id3v1Block(const V1Fields &f)
{
    QByteArray b(128, '\0');
    b.replace(0, 3, "TAG");
    auto put = [&](int at, const QByteArray &v, int width) {
        for (int i = 0; i < width && i < v.size(); ++i)
            b[at + i] = v[i];
    };
    put(3, f.title, 30);
    put(33, f.artist, 30);
    put(63, f.album, 30);
    put(93, f.year, 4);
    put(97, f.comment, f.track ? 28 : 30);
    if (f.track) {
        b[125] = 0;
        b[126] = char(f.track);
    }
    b[127] = char(f.genre);
    return b;
}

// An ID3v1 tag holding only a title and an artist.
inline QByteArray id3v1Block(const QByteArray &title, const QByteArray &artist)
{
    V1Fields f;
    f.title = title;
    f.artist = artist;
    return id3v1Block(f);
}

// An ID3v2.3 tag with text frames in UTF-16 with byte-order mark (encoding 1).
inline QByteArray id3v23Tag(const QList<QPair<QByteArray, QString>> &frames)
{
    QByteArray body;
    for (const auto &fr : frames) {
        QByteArray data;
        data.append(char(1));
        data.append(char(0xFF));
        data.append(char(0xFE));
        for (QChar c : fr.second) {
            data.append(char(c.unicode() & 0xFF));
            data.append(char(c.unicode() >> 8));
        }
        body.append(fr.first);
        char size[4];
        qToBigEndian<quint32>(quint32(data.size()), size);
        body.append(size, 4);
        body.append(2, '\0');
        body.append(data);
    }
    body.append(QByteArray(64, '\0')); // padding
    QByteArray tag("ID3\x03\x00\x00", 6);
    const quint32 n = quint32(body.size());
    tag.append(char((n >> 21) & 0x7F));
    tag.append(char((n >> 14) & 0x7F));
    tag.append(char((n >> 7) & 0x7F));
    tag.append(char(n & 0x7F));
    return tag + body;
}

inline QByteArray mp3File(const QByteArray &v2Tag, const QByteArray &v1Block)
{
    return v2Tag + silentMpegFrames(2) + v1Block;
}

// Sets a file's modification time (seconds since the epoch).
inline void setFileTime(const QString &path, time_t t)
{
    struct utimbuf u = {t, t};
    ::utime(QFile::encodeName(path).constData(), &u);
}

// The messages logged to the Unicode log of the program folder so far.
inline QStringList logMessages()
{
    const QByteArray bytes = readFile(eventLog().unicodeLogPath());
    const QString text = decodeTextFile(bytes);
    QStringList out;
    for (const QString &line : text.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts)) {
        const qsizetype close = line.indexOf(QStringLiteral("] "));
        out.append(close >= 0 ? line.mid(close + 2) : line);
    }
    return out;
}

// Logging into the temporary program folder for the life of a test.
class LogOn {
public:
    LogOn() { eventLog().close(); setLoggingEnabled(true); }
    ~LogOn() { setLoggingEnabled(false); eventLog().close(); }
};

} // namespace vireo::test
