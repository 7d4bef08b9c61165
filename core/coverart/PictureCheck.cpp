#include "core/coverart/PictureCheck.h"

namespace vireo::coverart {
namespace {

int byteAt(const QByteArray &d, qsizetype i) { return static_cast<unsigned char>(d[i]); }
int be16(const QByteArray &d, qsizetype i) { return (byteAt(d, i) << 8) | byteAt(d, i + 1); }
int le16(const QByteArray &d, qsizetype i) { return byteAt(d, i) | (byteAt(d, i + 1) << 8); }
quint32 be32(const QByteArray &d, qsizetype i)
{
    return (quint32(byteAt(d, i)) << 24) | (quint32(byteAt(d, i + 1)) << 16)
        | (quint32(byteAt(d, i + 2)) << 8) | quint32(byteAt(d, i + 3));
}

PictureInfo jpegInfo(const QByteArray &d)
{
    // Walk the marker segments up to the first start-of-frame.
    qsizetype i = 2;
    while (i + 3 < d.size()) {
        if (byteAt(d, i) != 0xFF)
            return {};
        int marker = byteAt(d, i + 1);
        if (marker == 0xFF) { // fill byte
            ++i;
            continue;
        }
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) {
            i += 2;
            continue;
        }
        if (marker == 0xD9 || marker == 0xDA) // end of image or scan before any frame
            return {};
        const int length = be16(d, i + 2);
        if (length < 2)
            return {};
        const bool sof = marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
        if (sof) {
            if (i + 9 > d.size() - 1)
                return {};
            return {PictureFormat::Jpeg, be16(d, i + 7), be16(d, i + 5)};
        }
        i += 2 + length;
    }
    return {};
}

} // namespace

bool IsJpegData(const QByteArray &data)
{
    return data.size() >= 4 && byteAt(data, 0) == 0xFF && byteAt(data, 1) == 0xD8
        && byteAt(data, data.size() - 2) == 0xFF && byteAt(data, data.size() - 1) == 0xD9;
}

PictureInfo inspectPicture(const QByteArray &data)
{
    if (IsJpegData(data))
        return jpegInfo(data);
    static const QByteArray png("\x89PNG\r\n\x1a\n", 8);
    if (data.startsWith(png)) {
        if (data.size() < 24 || data.mid(12, 4) != "IHDR")
            return {};
        const quint32 w = be32(data, 16), h = be32(data, 20);
        if (w == 0 || h == 0 || w > 0x7FFFFFFF || h > 0x7FFFFFFF)
            return {};
        return {PictureFormat::Png, int(w), int(h)};
    }
    if (data.startsWith("GIF87a") || data.startsWith("GIF89a")) {
        if (data.size() < 10)
            return {};
        return {PictureFormat::Gif, le16(data, 6), le16(data, 8)};
    }
    return {};
}

} // namespace vireo::coverart
