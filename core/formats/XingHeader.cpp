#include "core/formats/XingHeader.h"

namespace vireo {
namespace {
uint32_t be32(QByteArrayView b, int at)
{
    const auto *p = reinterpret_cast<const unsigned char *>(b.data()) + at;
    return (uint32_t(p[0]) << 24) | (uint32_t(p[1]) << 16) | (uint32_t(p[2]) << 8) | p[3];
}
void putBe32(QByteArray &out, uint32_t v)
{
    out.append(char(v >> 24)).append(char(v >> 16)).append(char(v >> 8)).append(char(v));
}
}

XingHeader XingHeader::parse(QByteArrayView bytes)
{
    XingHeader h;
    if (bytes.size() < 8)
        return h;
    const QByteArrayView id = bytes.first(4);
    if (id != "Xing" && id != "Info")
        return h;
    h.IsInfo = id == "Info";
    h.Flags = be32(bytes, 4);
    int at = 8;
    auto take = [&](uint32_t flag, uint32_t *value, int width) {
        if (!(h.Flags & flag))
            return true;
        if (at + width > bytes.size())
            return false;
        if (value)
            *value = be32(bytes, at);
        at += width;
        return true;
    };
    if (!take(HasFrames, &h.Frames, 4) || !take(HasBytes, &h.Bytes, 4) || !take(HasToc, nullptr, 100)
        || !take(HasQuality, &h.Quality, 4))
        return XingHeader();
    h.FieldsEnd = at;
    h.Valid = true;
    return h;
}

QByteArray XingHeader::render() const
{
    QByteArray out(IsInfo ? "Info" : "Xing");
    putBe32(out, Flags);
    if (Flags & HasFrames)
        putBe32(out, Frames);
    if (Flags & HasBytes)
        putBe32(out, Bytes);
    if (Flags & HasToc)
        out.append(QByteArray(100, '\0'));
    if (Flags & HasQuality)
        putBe32(out, Quality);
    return out;
}

} // namespace vireo
