#pragma once
// The "VBRI" header that Fraunhofer's encoder writes into the first frame,
// always 32 bytes after the 4 header bytes.
#include <QByteArray>
#include <QByteArrayView>
#include <cstdint>

namespace vireo {

struct VBRIHeader {
    static constexpr int Size = 18; // the fixed fields up to the frame count

    bool Valid = false;
    uint16_t Version = 0;
    uint16_t Delay = 0;
    uint16_t Quality = 0;
    uint32_t Bytes = 0;
    uint32_t Frames = 0;

    static VBRIHeader parse(QByteArrayView bytes);
    QByteArray render() const;
};

} // namespace vireo
