#include "core/library/TrackRecord.h"

#include "core/formats/ID3v1.h"
#include "core/formats/ID3v2.h"
#include "core/platform/CodePage.h"

namespace vireo {

template <int N>
QString FixedText<N>::text() const
{
    return fromTagCodePage(QByteArrayView(m_bytes.data(), length()));
}
template class FixedText<30>;
template class FixedText<4>;

TID3v1Record TID3v1Record::FromTag(const TID3v1 &tag)
{
    TID3v1Record r;
    r.Title = tag.Title();
    r.Artist = tag.Artist();
    r.Album = tag.Album();
    r.Year = tag.Year();
    r.Comment = tag.Comment();
    r.Genre = tag.Genre();
    r.Track = tag.Track();
    return r;
}

TID3ListItem::TID3ListItem(QString fileName, int32_t fileDate)
    : FileName(std::move(fileName)), FileDate(fileDate)
{
}

void TID3ListItem::SetV1(const TID3v1Record &v1)
{
    V1 = v1;
    HasV1 = true;
}

void TID3ListItem::SetV2(const TID3v2Record &v2)
{
    V2 = v2;
    HasV2 = true;
}

QString TID3ListItem::PreferredArtist(int preference) const
{
    if (preference == PreferV2) {
        if (HasV2)
            return V2.Artist;
        return HasV1 ? V1.Artist.text() : QString();
    }
    if (HasV1)
        return V1.Artist.text();
    return HasV2 ? V2.Artist : QString();
}

QString TID3ListItem::PreferredAlbum(int preference) const
{
    if (preference == PreferV2) {
        if (HasV2)
            return V2.Album;
        return HasV1 ? V1.Album.text() : QString();
    }
    if (HasV1)
        return V1.Album.text();
    return HasV2 ? V2.Album : QString();
}

namespace {
int matchBoth(QStringView name, int preference, bool hasV1, const QString &v1, bool hasV2, const QString &v2)
{
    const bool m1 = hasV1 && name.compare(v1, Qt::CaseInsensitive) == 0;
    const bool m2 = hasV2 && name.compare(v2, Qt::CaseInsensitive) == 0;
    const bool preferred = preference == PreferV2 ? m2 : m1;
    const bool other = preference == PreferV2 ? m1 : m2;
    if (preferred)
        return 0;
    return other ? 1 : -1;
}
}

int TID3ListItem::MatchArtist(QStringView name, int preference) const
{
    return matchBoth(name, preference, HasV1, HasV1 ? V1.Artist.text() : QString(), HasV2, V2.Artist);
}

int TID3ListItem::MatchAlbum(QStringView name, int preference) const
{
    return matchBoth(name, preference, HasV1, HasV1 ? V1.Album.text() : QString(), HasV2, V2.Album);
}

QString TID3ListItem::TagVersionLabel() const
{
    if (HasV2)
        return QStringLiteral("ID3v2.") + QString::number(V2.MajorVersion);
    if (HasV1)
        return V1.Track != 0 ? QStringLiteral("ID3v1.1") : QStringLiteral("ID3v1.0");
    return QStringLiteral("-");
}

QString TID3ListItem::EncodingName(int code)
{
    switch (code) {
    case 1: return QStringLiteral("utf16");
    case 2: return QStringLiteral("utf16BE");
    case 3: return QStringLiteral("utf8");
    default: return {};
    }
}

Result TID3ListItem::WriteV1ToFile(TID3v1 &tag)
{
    tag.Reset();
    tag.SetTitle(V1.Title.bytes());
    tag.SetArtist(V1.Artist.bytes());
    tag.SetAlbum(V1.Album.bytes());
    tag.SetYear(V1.Year.bytes());
    tag.SetGenre(V1.Genre);
    tag.SetComment(V1.Comment.bytes());
    tag.SetTrack(V1.Track);
    if (Result r = tag.SaveTag(FileName); !r)
        return r;
    HasV1 = true;
    return Result::success();
}

Result TID3ListItem::WriteV1ToFile()
{
    TID3v1 tag;
    return WriteV1ToFile(tag);
}

Result TID3ListItem::RemoveV1FromFile(TID3v1 &tag)
{
    if (!HasV1)
        return Result::failure(ErrorCode::InvalidArgument, FileName + QStringLiteral(": no ID3v1 tag"));
    // The flag follows the file: a failed strip leaves the tag there.
    if (Result r = tag.StripTag(FileName); !r)
        return r;
    HasV1 = false;
    return Result::success();
}

Result TID3ListItem::RemoveV1FromFile()
{
    TID3v1 tag;
    return RemoveV1FromFile(tag);
}

TID3v2Record TID3v2Record::FromTag(const TID3v2 &tag)
{
    TID3v2Record r;
    r.Artist = tag.Artist();
    r.Title = tag.Title();
    r.Album = tag.Album();
    r.Comment = tag.Comment();
    r.Year = tag.Year();
    r.Genre = tag.Genre();
    r.TrackNumber = tag.TrackNumber();
    r.EncodedBy = tag.EncodedBy();
    r.Copyright = tag.Copyright();
    r.OriginalArtist = tag.OriginalArtist();
    r.Url = tag.Url();
    r.Composer = tag.Composer();
    r.MajorVersion = tag.MajorVersion();
    r.TextEncoding = tag.TextEncoding();
    return r;
}

Result TID3ListItem::WriteV2ToFile()
{
    TID3v2 tag;
    return WriteV2ToFile(tag);
}

Result TID3ListItem::WriteV2ToFile(TID3v2 &tag)
{
    // What V2 does not hold (language, size text, other frames, the picture
    // when no new one was chosen) is written back as loaded.
    if (Result r = tag.LoadTag(FileName); !r)
        return r;
    tag.setTitle(V2.Title);
    tag.setArtist(V2.Artist);
    tag.setAlbum(V2.Album);
    tag.setTrackNumber(V2.TrackNumber);
    tag.setYear(V2.Year);
    tag.setGenre(V2.Genre);
    tag.setComment(V2.Comment);
    tag.setEncodedBy(V2.EncodedBy);
    tag.setCopyright(V2.Copyright);
    tag.setOriginalArtist(V2.OriginalArtist);
    tag.setUrl(V2.Url);
    tag.setComposer(V2.Composer);
    tag.setTextEncoding(V2.TextEncoding);
    if (!V2.PictureSourceFile.isEmpty()) {
        tag.Picture().SourceFile = V2.PictureSourceFile;
        tag.Picture().MimeType = V2.PictureMimeType;
    }
    if (Result r = tag.SaveTag(FileName); !r)
        return r;
    HasV2 = true;
    return Result::success();
}

Result TID3ListItem::RemoveV2FromFile()
{
    if (!HasV2)
        return Result::failure(ErrorCode::InvalidArgument, FileName + QStringLiteral(": no ID3v2 tag"));
    TID3v2 tag;
    if (Result r = tag.StripTag(FileName); !r)
        return r;
    HasV2 = false;
    return Result::success();
}

} // namespace vireo
