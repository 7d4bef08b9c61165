#include "tests/support/PictureBytes.h"

namespace vireo::test {

namespace {
QByteArray be16(int v) { return QByteArray(1, char((v >> 8) & 0xFF)) + char(v & 0xFF); }
QByteArray be32(quint32 v) { return be16(int(v >> 16)) + be16(int(v & 0xFFFF)); }
} // namespace

QByteArray jpegBytes(int width, int height, bool withApp0, unsigned char sof)
{
    QByteArray b("\xFF\xD8", 2);
    if (withApp0)
        b += QByteArray("\xFF\xE0", 2) + be16(16) + QByteArray("JFIF\0\x01\x01\0\0\x01\0\x01\0\0", 14);
    b += char(0xFF);
    b += char(sof);
    b += be16(17) + char(8) + be16(height) + be16(width) + char(3);
    b += QByteArray("\x01\x22\x00\x02\x11\x01\x03\x11\x01", 9);
    b += QByteArray("\xFF\xD9", 2);
    return b;
}

QByteArray pngBytes(quint32 width, quint32 height)
{
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + be32(13) + "IHDR" + be32(width) + be32(height)
        + QByteArray("\x08\x02\0\0\0", 5) + be32(0);
}

} // namespace vireo::test
