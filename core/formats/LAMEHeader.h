#pragma once
// The LAME extension that follows a Xing or "Info" header's fields: the
// encoder's version string and the encoding details LAME records.
#include <QByteArray>
#include <QByteArrayView>
#include <cstdint>

namespace vireo {

struct LAMEHeader {
    static constexpr int Size = 36; // through the music CRC and tag CRC

    bool Valid = false;        // the version string begins with "LAME" (or "L3.9"/"GOGO")
    QByteArray Version;        // for example "LAME3.100" or "LAME3.99r" (9 bytes, trailing blanks dropped)
    uint8_t TagRevision = 0;
    uint8_t VbrMethod = 0;     // 1 CBR, 2 ABR, 3..6 VBR, 8 CBR two-pass, 9 ABR two-pass
    uint16_t LowpassHz = 0;
    uint8_t Bitrate = 0;       // ABR target or CBR/minimum bit rate in kbit/s
    uint16_t EncoderDelay = 0; // samples
    uint16_t EncoderPadding = 0;
    uint32_t MusicLength = 0;  // bytes from the Xing frame to the last audio frame

    // Parses the bytes right after a Xing header's fields. A shorter run
    // gives only the version string (when at least 9 bytes are there).
    static LAMEHeader parse(QByteArrayView bytes);
};

} // namespace vireo
