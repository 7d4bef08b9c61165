#include "core/formats/ID3v2.h"

#include "core/formats/Id3v2Text.h"
#include "core/platform/FileAccess.h"

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

bool TagPicInfo::LoadFrame(QByteArrayView body)
{
    FrameSize = body.size();
    if (body.isEmpty())
        return false;
    const uint8_t code = uint8_t(body[0]);
    qsizetype pos = 1;
    const qsizetype mimeEnd = body.indexOf('\0', pos);
    const qsizetype stop = mimeEnd < 0 ? body.size() : mimeEnd;
    MimeType = QString::fromLatin1(body.sliced(pos, stop - pos));
    if (mimeEnd < 0)
        return false;
    pos = mimeEnd + 1;
    if (pos >= body.size())
        return false;
    PictureType = uint8_t(body[pos++]);
    const qsizetype descEnd = findId3v2Terminator(body, pos, code);
    if (descEnd < 0)
        return false;
    Description = trimControl(decodeId3v2String(body.sliced(pos, descEnd - pos), code));
    pos = descEnd + id3v2TerminatorLength(code);
    ImageData = body.sliced(pos).toByteArray();
    return true;
}

bool TagPicInfo::LoadFrame(const ByteSource &file, int64_t offset)
{
    QByteArray body;
    if (FrameSize <= 0 || !file.readExact(offset, FrameSize, body))
        return false;
    return LoadFrame(body);
}

bool TagPicInfo::LoadFrameV22(QByteArrayView body)
{
    // enc, 3-letter image format, type, description, data.
    FrameSize = body.size();
    if (body.size() < 5)
        return false;
    const QByteArray format = body.sliced(1, 3).toByteArray().toUpper();
    QByteArray converted = body.first(1).toByteArray();
    converted += format == "JPG" ? QByteArray("image/jpeg")
               : format == "PNG" ? QByteArray("image/png")
               : "image/" + format.toLower();
    converted += '\0';
    converted += body.sliced(4);
    const bool ok = LoadFrame(converted);
    FrameSize = body.size();
    return ok;
}

QByteArray id3v2SlotId(int slot, int majorVersion)
{
    static const char *const v3[SlotCount] = {
        "TIT2", "TPE1", "TALB", "TRCK", "TYER", "TCON", "COMM", "TCOM", "TENC",
        "TCOP", "TLAN", "WXXX", "TDRC", "TOPE", "TIT1", "TOAL", "TSIZ", "APIC"};
    static const char *const v2[SlotCount] = {
        "TT2", "TP1", "TAL", "TRK", "TYE", "TCO", "COM", "TCM", "TEN",
        "TCR", "TLA", "WXX", "TOR", "TOA", "TT1", "TOT", "TSI", "PIC"};
    if (slot < 1 || slot > SlotCount)
        return QByteArray();
    return QByteArray(majorVersion == 2 ? v2[slot - 1] : v3[slot - 1]);
}

void TID3v2::Reset() { *this = TID3v2(); }

void TID3v2::setTitle(const QString &v) { m_title = trimControl(v); }
void TID3v2::setArtist(const QString &v) { m_artist = trimControl(v); }
void TID3v2::setAlbum(const QString &v) { m_album = trimControl(v); }
void TID3v2::setYear(const QString &v) { m_year = trimControl(v); }
void TID3v2::setGenre(const QString &v) { m_genre = trimControl(v); }
void TID3v2::setComment(const QString &v) { m_comment = trimControl(v); }
void TID3v2::setComposer(const QString &v) { m_composer = trimControl(v); }
void TID3v2::setEncodedBy(const QString &v) { m_encodedBy = trimControl(v); }
void TID3v2::setCopyright(const QString &v) { m_copyright = trimControl(v); }
void TID3v2::setOriginalArtist(const QString &v) { m_originalArtist = trimTrailingControl(v); }
void TID3v2::setLanguage(const QString &v) { m_language = trimControl(v); }
void TID3v2::setUrl(const QString &v) { m_url = trimControl(v); }

} // namespace vireo
