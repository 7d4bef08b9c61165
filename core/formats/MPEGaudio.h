#pragma once
// TMPEGaudio: what one MP3 file's audio stream is (version, layer, bit rate,
// sample rate, mode, frames, playing time, encoder), from its first frame and
// the Xing/"Info"/VBRI/LAME headers in it, reading at most three small blocks.
#include "core/formats/ID3v1.h"
#include "core/formats/ID3v2.h"
#include "core/formats/LAMEHeader.h"
#include "core/formats/MPEGaudioFrame.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <cstdint>

namespace vireo {

class ByteSource;

// The variable-bit-rate header of the first frame ("Xing" or "VBRI").
struct VBRData {
    bool Found = false;
    QByteArray Id;        // "Xing" or "VBRI"
    int64_t Frames = 0;   // frames in the stream
    int64_t Bytes = 0;    // bytes in the stream
    uint8_t Scale = 0;    // quality byte
    QByteArray VendorText; // the encoder string after a Xing header's fields (for example LAME3.100)
};

// LAME's "Info" header: the same layout as "Xing" in a constant-bit-rate stream.
struct CBRInfo {
    bool Found = false;
    int64_t Frames = 0;
    int64_t Bytes = 0;
    QByteArray VendorText;
};

class TMPEGaudio {
public:
    TMPEGaudio() { Reset(); }

    void Reset();
    // Fills everything from the file; succeeds when the file could be read to
    // the end of the analysis (also when no frame was found). A file without
    // a frame ends in the empty state, tags included, unless KeepTags is set.
    // A file shorter than 128 bytes fails (BadData) with its tags unread.
    Result Analyse(const QString &path);
    // The same over a file already opened, or over bytes in memory.
    Result Analyse(const ByteSource &file);
    // Analyses a whole file's bytes in memory (the same code as Analyse).
    Result parse(QByteArrayView bytes);

    QString VersionText() const;
    QString LayerText() const;
    QString ChannelModeText() const;
    QString EmphasisText() const;

    uint16_t BitRate() const;    // kbit/s; the average of a VBR stream
    uint16_t SampleRate() const; // Hz
    int64_t FrameCount() const;
    double Duration() const;     // seconds
    int EncoderId() const;       // 0 Unknown, 1 Xing, 2 FhG, 3 LAME, 4 Blade, 5 GoGo, 6 Shine
    QString EncoderText() const;
    bool IsValid() const;

    // Keep the loaded tags even when no audio frame is found (for callers
    // that report tags of any file).
    bool KeepTags = false;

    int64_t FileLength = 0;
    QByteArray TailVendorText; // "LAME" and its version, or "GOGO", found near the end
    VBRData VBR;
    CBRInfo Info;
    LAMEHeader Lame;
    FrameHeader Frame;
    TID3v1 ID3v1;
    TID3v2 ID3v2;

    // Looks for the first frame among the block's offsets 0..1729 (a frame
    // whose next frame's header also passes the test) and reads its headers.
    // blockOffset is where the block lies in the file.
    bool SearchFrame(QByteArrayView block, int64_t blockOffset);
    // Looks for an encoder mark within two frame lengths before `end`.
    void SearchTail(QByteArrayView block, int64_t blockOffset, int64_t end);

private:
    void readVbrHeaders(QByteArrayView block, qsizetype framePos);
    int64_t audioBytes() const;
    QByteArray vendorForText() const;
};

} // namespace vireo
