#pragma once
// Byte builders for ID3v2 test tags and a runner for mutagen scripts.
#include "core/formats/Id3v2Header.h"
#include "tests/support/TestSupport.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace vireo::test {

inline QByteArray be32(uint32_t v)
{
    QByteArray b(4, '\0');
    b[0] = char(v >> 24); b[1] = char(v >> 16); b[2] = char(v >> 8); b[3] = char(v);
    return b;
}
inline QByteArray ss32(uint32_t v)
{
    QByteArray b(4, '\0');
    b[0] = char((v >> 21) & 0x7F); b[1] = char((v >> 14) & 0x7F); b[2] = char((v >> 7) & 0x7F); b[3] = char(v & 0x7F);
    return b;
}
inline QByteArray bytes(std::initializer_list<int> list)
{
    QByteArray b;
    for (int v : list)
        b += char(v);
    return b;
}

inline QByteArray frame22(const QByteArray &id, const QByteArray &body)
{
    QByteArray b = id;
    b += char(body.size() >> 16); b += char(body.size() >> 8); b += char(body.size());
    return b + body;
}
inline QByteArray frame23(const QByteArray &id, const QByteArray &body, int status = 0, int format = 0)
{
    return id + be32(uint32_t(body.size())) + char(status) + char(format) + body;
}
inline QByteArray frame24(const QByteArray &id, const QByteArray &body, int status = 0, int format = 0)
{
    return id + ss32(uint32_t(body.size())) + char(status) + char(format) + body;
}
// A whole tag: header with the size of frames plus padding.
inline QByteArray id3Tag(int version, const QByteArray &frames, int padding = 0, int flags = 0)
{
    Id3v2Header h;
    h.majorVersion = uint8_t(version);
    h.flags = uint8_t(flags);
    h.bodySize = uint32_t(frames.size() + padding);
    return h.render() + frames + QByteArray(padding, '\0');
}
// Latin-1 text body of encoding 0.
inline QByteArray text0(const QByteArray &s) { return QByteArray(1, '\0') + s; }

// Runs a mutagen script with /usr/bin/python3; argv[1..] are the arguments.
inline RunResult mutagen(const QString &script, const QStringList &args = {})
{
    return run(QStringLiteral(VIREO_PYTHON3), QStringList{QStringLiteral("-c"), script} + args);
}

} // namespace vireo::test
