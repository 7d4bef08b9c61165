#pragma once
// One MPEG audio frame header: the 4-byte test, its fields, and the bit-rate,
// sample-rate and frame-length arithmetic of ISO/IEC 11172-3 and 13818-3.
#include <array>
#include <cstdint>

namespace vireo {

// The first audio frame found by the analyser.
struct FrameHeader {
    bool Found = false;
    int64_t Position = 0;   // offset of the frame within the searched block
    int64_t FileOffset = 0; // offset of the frame within the file
    uint16_t Size = 0;      // frame length in bytes
    bool XingZeros = false; // the 6 bytes after the header are all zero
    std::array<uint8_t, 4> HeaderBytes{};
    uint8_t VersionId = 1;  // 0 MPEG 2.5, 1 reserved, 2 MPEG 2, 3 MPEG 1
    uint8_t LayerId = 0;    // 0 reserved, 1 Layer III, 2 Layer II, 3 Layer I
    bool Protected = false; // a CRC follows the header
    uint16_t BitRateIndex = 0;
    uint16_t SampleRateIndex = 3;
    bool PaddingBit = false;
    bool PrivateBit = false;
    uint8_t ModeId = 4; // 0 stereo, 1 joint stereo, 2 dual channel, 3 mono, 4 unknown
    uint8_t ModeExtension = 4;
    bool CopyrightFlag = false;
    bool OriginalFlag = false;
    uint8_t EmphasisId = 2;
};

namespace mpeg {

constexpr int SearchBlockSize = 3458; // twice the longest frame (1728 + 1 padding byte)
constexpr int LastSearchOffset = 1729;

enum : uint8_t { Mpeg25 = 0, MpegReserved = 1, Mpeg2 = 2, Mpeg1 = 3 };
enum : uint8_t { LayerReserved = 0, Layer3 = 1, Layer2 = 2, Layer1 = 3 };
enum : uint8_t { ModeMono = 3 };

// Sync, no reserved version or layer, no free-format or bad bit rate, no
// reserved sample rate or emphasis.
bool isFrameHeader(const uint8_t *b);
// The fields of a header (does not test it).
FrameHeader decodeHeader(const uint8_t *b);

int tableBitRate(uint8_t versionId, uint8_t layerId, int index); // kbit/s
int tableSampleRate(uint8_t versionId, int index);               // Hz
inline int tableBitRate(const FrameHeader &h) { return tableBitRate(h.VersionId, h.LayerId, h.BitRateIndex); }
inline int tableSampleRate(const FrameHeader &h) { return tableSampleRate(h.VersionId, h.SampleRateIndex); }

// PCM samples each frame holds: 384 (Layer I), 1152 (Layer II, MPEG 1 Layer III), 576.
int samplesPerFrame(uint8_t versionId, uint8_t layerId);
// Bytes per (kbit/s ÷ kHz): samples per frame ÷ 8.
inline int coefficient(uint8_t versionId, uint8_t layerId) { return samplesPerFrame(versionId, layerId) / 8; }
// 4 for Layer I, 1 otherwise; 0 without the padding bit.
int paddingSize(const FrameHeader &h);
// Length of the frame in bytes including the header; 0 for an undecodable header.
int frameLength(const FrameHeader &h);
// Where a Xing or "Info" header starts: after the header and the side information.
int xingOffset(const FrameHeader &h);
// Where a VBRI header starts: always 32 bytes after the 4 header bytes.
constexpr int VbriOffset = 36;

} // namespace mpeg
} // namespace vireo
