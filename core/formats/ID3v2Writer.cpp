// Writing the fields of TID3v2 as an ID3v2.3 tag, in place or through a
// copy of the file, and removing a tag.
#include "core/formats/ID3v2.h"

#include "core/formats/Id3v2Text.h"
#include "core/formats/Syncsafe.h"
#include "core/platform/FileAccess.h"

#include <QFile>
#include <QFileInfo>
#include <QUrl>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vireo {

namespace {

constexpr int64_t kRewritePaddedLength = 4096;
constexpr int64_t kCopyChunk = 1 << 20;

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

// Gives the owner write permission when the file lacks it (the read-only
// attribute of other systems); fails when the file is not a regular file.
Result makeWritable(const QString &path)
{
    const QByteArray native = QFile::encodeName(path);
    struct stat st;
    if (::stat(native.constData(), &st) != 0)
        return errnoFailure(path, errno);
    if (!S_ISREG(st.st_mode))
        return Result::failure(ErrorCode::Unsupported, path + QStringLiteral(": not a regular file"));
    if (!(st.st_mode & S_IWUSR) && ::chmod(native.constData(), (st.st_mode & 07777) | S_IWUSR) != 0)
        return writeFailure(path, errno);
    return Result::success();
}

} // namespace

Result TID3v2::SaveTag(const QString &path)
{
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
    tag += "ID3";
    tag += char(3);
    tag += char(0);
    tag += char(0);
    tag += syncsafeBytes(uint32_t(tagLength - 10));
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
    if (Result r = makeWritable(path); !r)
        return r;
    const QByteArray native = QFile::encodeName(path);
    const int fd = ::open(native.constData(), O_WRONLY | O_CLOEXEC);
    if (fd < 0)
        return writeFailure(path, errno);
    const bool ok = writeAllFd(fd, tag.constData(), tag.size()) && ::fsync(fd) == 0;
    const int e = errno;
    if (::close(fd) != 0 || !ok)
        return writeFailure(path, ok ? errno : e);
    return Result::success();
}

// Writes the new tag (none for a strip) and the file's content after its
// old tag into path + "~", then puts that copy in the file's place in one
// rename. The original is never deleted first.
Result TID3v2::writeThroughCopy(const QString &path, const QByteArray *tag)
{
    // Write beside the real file when path is a symbolic link, so the link stays a link.
    const QFileInfo info(path);
    const QString target = info.isSymLink() ? info.canonicalFilePath() : path;

    FileReader source;
    QByteArray header;
    if (Result r = source.open(target); !r)
        return r;
    if (!source.readExact(0, 10, header))
        return Result::failure(ErrorCode::BadData, target + QStringLiteral(": file is shorter than 10 bytes"));
    const bool hasTag = header.startsWith("ID3");
    if (!tag && !hasTag)
        return Result::failure(ErrorCode::Failed, target + QStringLiteral(": no ID3v2 tag"));
    if (Result r = makeWritable(path); !r)
        return r;
    const int64_t from = hasTag ? id3v2WholeTagLength(header, source.size()) : 0;

    const QString tmpPath = target + u'~';
    const QByteArray tmpNative = QFile::encodeName(tmpPath);
    const int fd = ::open(tmpNative.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0)
        return writeFailure(tmpPath, errno);
    auto abandon = [&](Result why) {
        ::close(fd);
        ::unlink(tmpNative.constData());
        return why;
    };
    // Keep the owner and group where the system lets us (the mode is kept on rename).
    struct stat st;
    if (::stat(QFile::encodeName(target).constData(), &st) == 0 && ::fchown(fd, st.st_uid, st.st_gid) != 0) {
        // Not permitted for another owner's file: the copy stays ours, as any editor's would.
    }
    if (tag && !writeAllFd(fd, tag->constData(), tag->size()))
        return abandon(writeFailure(tmpPath, errno));
    for (int64_t pos = from; pos < source.size();) {
        const QByteArray chunk = source.readAt(pos, qMin(kCopyChunk, source.size() - pos));
        if (chunk.isEmpty())
            return abandon(Result::failure(ErrorCode::IoError, target + QStringLiteral(": read error")));
        if (!writeAllFd(fd, chunk.constData(), chunk.size()))
            return abandon(writeFailure(tmpPath, errno));
        pos += chunk.size();
    }
    source.close();
    if (::close(fd) != 0) {
        const int e = errno;
        ::unlink(tmpNative.constData());
        return writeFailure(tmpPath, e);
    }
    return replaceFileWith(tmpPath, target);
}

} // namespace vireo
