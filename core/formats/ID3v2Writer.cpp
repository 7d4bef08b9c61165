// Writing the fields of TID3v2 as an ID3v2.3 tag, in place or through a
// copy of the file, and removing a tag.
#include "core/formats/ID3v2.h"

#include "core/formats/Id3v2Header.h"
#include "core/formats/Id3v2Text.h"
#include "core/platform/FileAccess.h"
#include "core/platform/FileWriter.h"

#include <QUrl>

#include <cerrno>

namespace vireo {

namespace {

constexpr int64_t kRewritePaddedLength = 4096;

uint8_t writtenCode(uint16_t encoding)
{
    return encoding <= 3 ? uint8_t(encoding) : 0;
}

QByteArray textFrameBody(const QString &text, uint8_t code)
{
    QByteArray b(1, char(code));
    b += encodeId3v2String(text, code, true);
    b += id3v2Terminator(code);
    return b;
}

QByteArray commentBody(const QString &text, uint8_t code)
{
    QByteArray b(1, char(code));
    b += "eng";
    b += id3v2Terminator(code);
    b += encodeId3v2String(text, code, true);
    b += id3v2Terminator(code);
    return b;
}

// URLs are ISO-8859-1 in every ID3v2 version; characters outside it are
// percent-encoded as UTF-8 so that the address still works.
QByteArray urlBody(const QString &url, uint8_t code)
{
    QByteArray b(1, char(code));
    b += id3v2Terminator(code);
    for (QChar c : url) {
        if (c.unicode() < 0x80)
            b += char(c.unicode());
        else
            b += QUrl::toPercentEncoding(QString(c));
    }
    return b;
}

QByteArray pictureBody(const TagPicInfo &pic, const QByteArray &image, uint8_t code)
{
    QByteArray b(1, char(code));
    b += pic.MimeType.toLatin1();
    b += '\0';
    b += char(3);
    b += encodeId3v2String(pic.Description, code, true);
    b += id3v2Terminator(code);
    b += image;
    return b;
}

} // namespace

Result TID3v2::SaveTag(const QString &path)
{
    // A tag this object could only partly read is not saved over, unless
    // its unread bytes can be carried over as they are (same version).
    if (m_unreadable || (!m_unparsed.isEmpty() && m_majorVersion != 3))
        return Result::failure(ErrorCode::BadData,
                               path + QStringLiteral(": the ID3v2 tag could not be read whole (%1); saving would lose part of it")
                                          .arg(m_readProblems.value(0)));

    TagInfo info;
    info.Header = QByteArray(10, '\0');
    {
        FileReader reader;
        if (reader.open(path)) {
            info.FileSize = reader.size();
            QByteArray h;
            if (reader.readExact(0, 10, h))
                info.Header = h;
        }
    }

    info.TextEncoding = writtenCode(m_textEncoding);
    const uint8_t code = info.TextEncoding;
    QString track;
    if (m_trackNumber != 0) {
        track = QString::number(m_trackNumber);
        // Keep the total of "3/12" that the number field cannot hold.
        const qsizetype slash = m_trackText.indexOf(u'/');
        if (slash >= 0) {
            const QString total = m_trackText.mid(slash + 1).trimmed();
            bool ok = false;
            total.toUInt(&ok);
            if (ok)
                track += u'/' + total;
        }
    }
    info.FrameText[SlotTitle - 1] = m_title;
    info.FrameText[SlotArtist - 1] = m_artist;
    info.FrameText[SlotAlbum - 1] = m_album;
    info.FrameText[SlotTrack - 1] = track;
    info.FrameText[SlotYear - 1] = m_year;
    info.FrameText[SlotGenre - 1] = m_genre;
    info.FrameText[SlotComment - 1] = m_comment;
    info.FrameText[SlotComposer - 1] = m_composer;
    info.FrameText[SlotEncodedBy - 1] = m_encodedBy;
    info.FrameText[SlotCopyright - 1] = m_copyright;
    info.FrameText[SlotLanguage - 1] = m_language;
    info.FrameText[SlotUrl - 1] = m_url;
    info.FrameText[SlotOriginalArtist - 1] = m_originalArtist;
    info.FrameText[SlotSize - 1] = m_sizeText;

    QByteArray image;
    if (!m_picture.MimeType.isEmpty()) {
        if (!m_picture.SourceFile.isEmpty()) {
            errno = 0;
            if (!readWholeFile(m_picture.SourceFile, image))
                return errnoFailure(m_picture.SourceFile, errno ? errno : EIO);
        } else {
            image = m_picture.ImageData;
        }
    }

    QByteArray frames;
    static const int order[] = {SlotTitle, SlotArtist, SlotAlbum, SlotTrack, SlotYear, SlotGenre,
                                SlotComment, SlotComposer, SlotEncodedBy, SlotCopyright, SlotLanguage,
                                SlotUrl, SlotOriginalArtist, SlotSize};
    for (int slot : order) {
        const QString &text = info.FrameText[slot - 1];
        if (text.isEmpty())
            continue;
        Id3v2Frame f;
        f.id = id3v2SlotId(slot, 3);
        f.body = slot == SlotComment ? commentBody(text, code)
               : slot == SlotUrl     ? urlBody(text, code)
                                     : textFrameBody(text, code);
        frames += renderId3v2Frame(f);
    }
    if (!m_picture.MimeType.isEmpty())
        frames += renderId3v2Frame({QByteArray("APIC"), 0, 0, pictureBody(m_picture, image, code)});
    for (const Id3v2Frame &f : m_otherFrames)
        frames += renderId3v2Frame(f);
    frames += m_unparsed;

    const int64_t b = int64_t(frames.size()) + 10;
    const bool hasTag = info.Header.startsWith("ID3");
    const int64_t oldLength = id3v2WholeTagLength(info.Header, info.FileSize);
    info.NeedsRewrite = !hasTag || oldLength < b || oldLength > kRewritePaddedLength;
    info.PaddingSize = info.NeedsRewrite ? kRewritePaddedLength - b : oldLength - b;
    const int64_t padding = qMax<int64_t>(0, info.PaddingSize);
    const int64_t tagLength = b + padding;
    if (tagLength - 10 >= (int64_t(1) << 28))
        return Result::failure(ErrorCode::TooLarge, path + QStringLiteral(": tag too large"));

    QByteArray tag;
    tag.reserve(tagLength);
    Id3v2Header header;
    header.majorVersion = 3;
    header.bodySize = uint32_t(tagLength - Id3v2Header::Size);
    tag += header.render();
    tag += frames;
    tag += QByteArray(padding, '\0');

    if (!info.NeedsRewrite)
        return writeInPlace(path, tag);
    return writeThroughCopy(path, &tag);
}

Result TID3v2::StripTag(const QString &path)
{
    return writeThroughCopy(path, nullptr);
}

Result TID3v2::writeInPlace(const QString &path, const QByteArray &tag)
{
    if (Result r = makeOwnerWritable(path); !r)
        return r;
    FileWriter file;
    if (Result r = file.open(path); !r)
        return r;
    if (Result r = file.writeAt(tag, 0); !r)
        return r;
    if (Result r = file.sync(); !r)
        return r;
    return file.close();
}

// Writes the new tag (none for a strip) and the file's content after its
// old tag into an exclusive copy beside the file, then puts that copy in the
// file's place in one rename. The original is never deleted first.
Result TID3v2::writeThroughCopy(const QString &path, const QByteArray *tag)
{
    FileReader source;
    if (Result r = source.open(path); !r)
        return r;
    QByteArray header;
    if (!source.readExact(0, 10, header))
        return Result::failure(ErrorCode::BadData, path + QStringLiteral(": file is shorter than 10 bytes"));
    const bool hasTag = header.startsWith("ID3");
    if (!tag && !hasTag)
        return Result::failure(ErrorCode::Failed, path + QStringLiteral(": no ID3v2 tag"));
    const int64_t from = hasTag ? id3v2WholeTagLength(header, source.size()) : 0;
    source.close();
    if (Result r = makeOwnerWritable(path); !r)
        return r;
    return rewriteThroughCopy(path, tag ? *tag : QByteArray(), from);
}

} // namespace vireo
