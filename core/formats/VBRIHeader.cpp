#include "core/formats/VBRIHeader.h"

namespace vireo {
namespace {
uint32_t be(QByteArrayView b, int at, int width)
{
    uint32_t v = 0;
    for (int i = 0; i < width; ++i)
        v = (v << 8) | static_cast<unsigned char>(b[at + i]);
    return v;
}
void putBe(QByteArray &out, uint32_t v, int width)
{
    for (int i = width - 1; i >= 0; --i)
        out.append(char(v >> (8 * i)));
}
}

VBRIHeader VBRIHeader::parse(QByteArrayView bytes)
{
    VBRIHeader h;
    if (bytes.size() < Size || bytes.first(4) != "VBRI")
        return h;
    h.Valid = true;
    h.Version = uint16_t(be(bytes, 4, 2));
    h.Delay = uint16_t(be(bytes, 6, 2));
    h.Quality = uint16_t(be(bytes, 8, 2));
    h.Bytes = be(bytes, 10, 4);
    h.Frames = be(bytes, 14, 4);
    return h;
}

QByteArray VBRIHeader::render() const
{
    QByteArray out("VBRI");
    putBe(out, Version, 2);
    putBe(out, Delay, 2);
    putBe(out, Quality, 2);
    putBe(out, Bytes, 4);
    putBe(out, Frames, 4);
    return out;
}

} // namespace vireo
