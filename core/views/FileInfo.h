#pragma once
// What the file information page shows for one track: the stream box texts
// from the MPEG analysis, the rows of the ID3v1/ID3v2 grid, and the picture
// embedded in the file's ID3v2 tag.
#include "core/library/TrackRecord.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>
#include <vector>

namespace vireo {
class TMPEGaudio;
}

namespace vireo::views {

// "4.2 MB": bytes / 1024 / 1024 with one decimal.
QString fileSizeText(int64_t bytes);
// "44.1 KHz", "8.0 KHz".
QString sampleRateText(int hertz);
// "3分6秒": the duration is rounded to whole seconds first, so it never reads 60 seconds.
QString durationText(double seconds);
// "VBR 192 kbit/s" or "CBR 128 kbit/s".
QString bitRateText(bool vbr, int kbitPerSecond);
QString yesNoText(bool yes);

// The twelve boxes, in the order of kStreamCaptions.
enum StreamBox {
    FileSizeBox, MPEGTypeBox, BitRateBox, DurationBox, SampleRateBox, ChannelModeBox,
    TotalFramesBox, CRCProtectionBox, EmphasisBox, EncoderBox, CopyrightBox, OriginalBox,
    StreamBoxCount
};
using StreamTexts = std::array<QString, StreamBoxCount>;
StreamTexts streamTexts(const TMPEGaudio &audio);

struct GridRow {
    QString Name;
    QString Value;
};
// The seven ID3v1 rows (track empty when 0, genre empty above code 147).
std::vector<GridRow> id3v1Rows(const TID3v1Record &v1);
// The twelve ID3v2 rows.
std::vector<GridRow> id3v2Rows(const TID3v2Record &v2);

// One reading of a file for the page.
struct FileInfoReport {
    enum Status {
        Missing,    // no file at the path (or the path is empty): the track no longer exists
        Unreadable, // the file exists but cannot be read: Error says why
        NoStream,   // read, but no valid MPEG audio stream: the boxes stay empty
        Valid,
    };
    Status status = Missing;
    QString Error;
    StreamTexts Texts;      // filled when Valid
    QByteArray Picture;     // the ID3v2 picture bytes; empty when there is none
    QString PictureMime;    // as the tag states it (decoding goes by content)
    bool exists() const { return status != Missing; }
};
FileInfoReport ReadFileInfo(const QString &path);

} // namespace vireo::views
