#include "ID3v2.h"

#include "platform/FileAccess.h"

namespace vireo {

void TagPicInfo::Clear()
{
    ImageData.clear();
    MimeType.clear();
    PictureType = 0;
    FrameSize = 0;
    SourceFile.clear();
    Description.clear();
}

bool TagPicInfo::LoadFrame(QByteArrayView) { return false; }
bool TagPicInfo::LoadFrame(const FileReader &, int64_t) { return false; }
bool TagPicInfo::LoadFrameV22(QByteArrayView) { return false; }

QByteArray id3v2SlotId(int, int) { return {}; }

void TID3v2::Reset() { *this = TID3v2(); }
bool TID3v2::LoadTag(const QString &) { Reset(); return false; }
bool TID3v2::SaveTag(const QString &) { return false; }
bool TID3v2::StripTag(const QString &) { return false; }

void TID3v2::setTitle(const QString &v) { m_title = v; }
void TID3v2::setArtist(const QString &v) { m_artist = v; }
void TID3v2::setAlbum(const QString &v) { m_album = v; }
void TID3v2::setYear(const QString &v) { m_year = v; }
void TID3v2::setGenre(const QString &v) { m_genre = v; }
void TID3v2::setComment(const QString &v) { m_comment = v; }
void TID3v2::setComposer(const QString &v) { m_composer = v; }
void TID3v2::setEncodedBy(const QString &v) { m_encodedBy = v; }
void TID3v2::setCopyright(const QString &v) { m_copyright = v; }
void TID3v2::setOriginalArtist(const QString &v) { m_originalArtist = v; }
void TID3v2::setLanguage(const QString &v) { m_language = v; }
void TID3v2::setUrl(const QString &v) { m_url = v; }

bool TID3v2::writeThroughCopy(const QString &, const QByteArray *, int64_t) { return false; }
bool TID3v2::writeInPlace(const QString &, const QByteArray &) { return false; }
bool TID3v2::fail(TagWriteError e, const QString &text)
{
    m_lastError = e;
    m_lastErrorText = text;
    return false;
}

} // namespace vireo
