#include "core/formats/LAMEHeader.h"

namespace vireo {

LAMEHeader LAMEHeader::parse(QByteArrayView bytes)
{
    LAMEHeader h;
    if (bytes.size() < 9)
        return h;
    const QByteArrayView v = bytes.first(9);
    if (!v.startsWith("LAME") && !v.startsWith("GOGO") && !v.startsWith("L3.9"))
        return h;
    h.Valid = true;
    qsizetype n = 9;
    while (n > 4 && static_cast<unsigned char>(v[n - 1]) <= 32)
        --n;
    h.Version = v.first(n).toByteArray();
    if (bytes.size() < Size)
        return h;
    const auto *p = reinterpret_cast<const unsigned char *>(bytes.data());
    h.TagRevision = p[9] >> 4;
    h.VbrMethod = p[9] & 15;
    h.LowpassHz = uint16_t(p[10] * 100);
    h.Bitrate = p[20];
    h.EncoderDelay = uint16_t((p[21] << 4) | (p[22] >> 4));
    h.EncoderPadding = uint16_t(((p[22] & 15) << 8) | p[23]);
    h.MusicLength = (uint32_t(p[28]) << 24) | (uint32_t(p[29]) << 16) | (uint32_t(p[30]) << 8) | p[31];
    return h;
}

} // namespace vireo
