#include "core/formats/Syncsafe.h"

namespace vireo {

uint32_t syncsafeValue(const uchar *p)
{
    return (uint32_t(p[0]) << 21) + (uint32_t(p[1]) << 14) + (uint32_t(p[2]) << 7) + uint32_t(p[3]);
}

bool isSyncsafe(const uchar *p)
{
    return ((p[0] | p[1] | p[2] | p[3]) & 0x80) == 0;
}

QByteArray syncsafeBytes(uint32_t value)
{
    QByteArray b(4, '\0');
    b[0] = char((value >> 21) & 0x7F);
    b[1] = char((value >> 14) & 0x7F);
    b[2] = char((value >> 7) & 0x7F);
    b[3] = char(value & 0x7F);
    return b;
}

uint32_t bigEndian32(const uchar *p)
{
    return (uint32_t(p[0]) << 24) | (uint32_t(p[1]) << 16) | (uint32_t(p[2]) << 8) | uint32_t(p[3]);
}

uint32_t bigEndian24(const uchar *p)
{
    return (uint32_t(p[0]) << 16) | (uint32_t(p[1]) << 8) | uint32_t(p[2]);
}

QByteArray bigEndian32Bytes(uint32_t value)
{
    QByteArray b(4, '\0');
    b[0] = char(value >> 24);
    b[1] = char(value >> 16);
    b[2] = char(value >> 8);
    b[3] = char(value);
    return b;
}

QByteArray removeUnsynchronisation(QByteArrayView bytes)
{
    QByteArray out;
    out.reserve(bytes.size());
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char c = bytes[i];
        out.append(c);
        if (uchar(c) == 0xFF && i + 1 < n && bytes[i + 1] == '\0')
            ++i;
    }
    return out;
}

} // namespace vireo
