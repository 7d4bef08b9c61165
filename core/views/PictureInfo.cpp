#include "core/views/PictureInfo.h"

#include <cstdint>
#include <cstring>

namespace vireo::views {

namespace {

uint32_t be16(QByteArrayView b, qsizetype i)
{
    return uint32_t(uint8_t(b[i])) << 8 | uint8_t(b[i + 1]);
}
uint32_t be32(QByteArrayView b, qsizetype i) { return be16(b, i) << 16 | be16(b, i + 2); }
uint32_t le16(QByteArrayView b, qsizetype i)
{
    return uint32_t(uint8_t(b[i + 1])) << 8 | uint8_t(b[i]);
}
uint32_t le32(QByteArrayView b, qsizetype i) { return le16(b, i + 2) << 16 | le16(b, i); }

ResultOf<PictureInfo> bad(const char *why)
{
    return Result::failure(ErrorCode::BadData, QString::fromLatin1(why));
}

ResultOf<PictureInfo> sized(const char *mime, int64_t w, int64_t h)
{
    if (w <= 0 || h <= 0 || w > 65535 * 4 || h > 65535 * 4)
        return bad("picture header gives no usable size");
    return PictureInfo{QString::fromLatin1(mime), int(w), int(h)};
}

// Walks the JPEG marker segments up to the first start-of-frame marker.
ResultOf<PictureInfo> jpegInfo(QByteArrayView b)
{
    qsizetype i = 2;
    while (i + 1 < b.size()) {
        if (uint8_t(b[i]) != 0xFF)
            return bad("damaged JPEG: marker expected");
        uint8_t marker = uint8_t(b[i + 1]);
        if (marker == 0xFF) { // fill byte
            ++i;
            continue;
        }
        i += 2;
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7))
            continue; // markers without a segment
        if (marker == 0xD9 || marker == 0xDA)
            return bad("damaged JPEG: no frame header before the image data");
        if (i + 2 > b.size())
            break;
        const uint32_t length = be16(b, i);
        if (length < 2)
            return bad("damaged JPEG: segment length below 2");
        const bool startOfFrame = marker >= 0xC0 && marker <= 0xCF && marker != 0xC4
            && marker != 0xC8 && marker != 0xCC;
        if (startOfFrame) {
            if (length < 7 || i + 7 > b.size())
                break;
            return sized("image/jpeg", be16(b, i + 5), be16(b, i + 3));
        }
        i += length;
    }
    return bad("JPEG picture cut short before its frame header");
}

} // namespace

ResultOf<PictureInfo> readPictureInfo(QByteArrayView b)
{
    if (b.size() >= 3 && uint8_t(b[0]) == 0xFF && uint8_t(b[1]) == 0xD8 && uint8_t(b[2]) == 0xFF)
        return jpegInfo(b);
    if (b.startsWith(QByteArrayView("\x89PNG\r\n\x1a\n", 8))) {
        if (b.size() < 24 || std::memcmp(b.data() + 12, "IHDR", 4) != 0)
            return bad("PNG picture without its header chunk");
        return sized("image/png", be32(b, 16), be32(b, 20));
    }
    if (b.startsWith("GIF87a") || b.startsWith("GIF89a")) {
        if (b.size() < 10)
            return bad("GIF picture cut short");
        return sized("image/gif", le16(b, 6), le16(b, 8));
    }
    if (b.startsWith("BM") && b.size() >= 18) {
        const uint32_t headerSize = le32(b, 14);
        if (headerSize == 12 && b.size() >= 22)
            return sized("image/bmp", le16(b, 18), le16(b, 20));
        if (headerSize >= 40 && b.size() >= 26) {
            // A negative height marks a picture stored top row first.
            const int64_t h = int32_t(le32(b, 22));
            return sized("image/bmp", int32_t(le32(b, 18)), h < 0 ? -h : h);
        }
        return bad("BMP picture with an unknown header");
    }
    return bad("not a JPEG, PNG, GIF or BMP picture");
}

} // namespace vireo::views
