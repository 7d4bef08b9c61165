#include "core/views/FileInfo.h"

#include "core/formats/GenreTable.h"
#include "core/formats/MPEGaudio.h"
#include "core/platform/FileAccess.h"
#include "core/views/FileInfoTexts.h"

#include <algorithm>
#include <cmath>

namespace vireo::views {

QString fileSizeText(int64_t bytes)
{
    return QString::number(double(std::max<int64_t>(bytes, 0)) / 1024.0 / 1024.0, 'f', 1)
        + QStringLiteral(" MB");
}

QString sampleRateText(int hertz)
{
    return QString::number(hertz / 1000.0, 'f', 1) + QStringLiteral(" KHz");
}

QString durationText(double seconds)
{
    // Round the whole duration first, then split: 119.7 s is 2分0秒, never 1分60秒.
    int64_t total = 0;
    if (std::isfinite(seconds) && seconds > 0)
        total = seconds >= 1e12 ? int64_t(1e12) : std::llround(seconds);
    return QString::number(total / 60) + u'分' + QString::number(total % 60) + u'秒';
}

QString bitRateText(bool vbr, int kbitPerSecond)
{
    return (vbr ? QStringLiteral("VBR ") : QStringLiteral("CBR ")) + QString::number(kbitPerSecond)
        + QStringLiteral(" kbit/s");
}

QString yesNoText(bool yes) { return yes ? QStringLiteral("Yes") : QStringLiteral("No"); }

StreamTexts streamTexts(const TMPEGaudio &a)
{
    StreamTexts t;
    t[FileSizeBox] = fileSizeText(a.FileLength);
    t[MPEGTypeBox] = a.VersionText() + u' ' + a.LayerText();
    t[BitRateBox] = bitRateText(a.VBR.Found, a.BitRate());
    t[DurationBox] = durationText(a.Duration());
    t[SampleRateBox] = sampleRateText(a.SampleRate());
    t[ChannelModeBox] = a.ChannelModeText();
    t[TotalFramesBox] = QString::number(a.FrameCount());
    t[CRCProtectionBox] = yesNoText(a.Frame.Protected);
    t[EmphasisBox] = a.EmphasisText();
    t[EncoderBox] = a.EncoderText();
    t[CopyrightBox] = yesNoText(a.Frame.CopyrightFlag);
    t[OriginalBox] = yesNoText(a.Frame.OriginalFlag);
    return t;
}

namespace {
QString numberOrEmpty(int n) { return n == 0 ? QString() : QString::number(n); }

std::vector<GridRow> rows(const QStringList &values)
{
    std::vector<GridRow> out;
    out.reserve(values.size());
    for (qsizetype i = 0; i < values.size(); ++i)
        out.push_back({kTagRowNames[i], values[i]});
    return out;
}
} // namespace

std::vector<GridRow> id3v1Rows(const TID3v1Record &v1)
{
    return rows({v1.Title.text(), v1.Artist.text(), v1.Album.text(), numberOrEmpty(v1.Track),
                 v1.Year.text(), v1.Genre <= 147 ? GenreName(v1.Genre) : QString(),
                 v1.Comment.text()});
}

std::vector<GridRow> id3v2Rows(const TID3v2Record &v2)
{
    return rows({v2.Title, v2.Artist, v2.Album, numberOrEmpty(v2.TrackNumber), v2.Year, v2.Genre,
                 v2.Comment, v2.EncodedBy, v2.Copyright, v2.OriginalArtist, v2.Url, v2.Composer});
}

FileInfoReport ReadFileInfo(const QString &path)
{
    FileInfoReport r;
    const FileStat st = path.isEmpty() ? FileStat{} : statFile(path);
    if (!st.exists || st.isDir)
        return r;
    TMPEGaudio audio;
    // The picture belongs to the file whether or not a stream is found in it.
    audio.KeepTags = true;
    if (const Result analysed = audio.Analyse(path); !analysed) {
        r.status = FileInfoReport::Unreadable;
        r.Error = analysed.message();
        return r;
    }
    const TagPicInfo &pic = audio.ID3v2.Picture();
    r.Picture = pic.ImageData;
    r.PictureMime = pic.MimeType;
    if (!audio.IsValid()) {
        r.status = FileInfoReport::NoStream;
        return r;
    }
    r.status = FileInfoReport::Valid;
    r.Texts = streamTexts(audio);
    return r;
}

} // namespace vireo::views
