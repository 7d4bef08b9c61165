// Reading an ID3v2.2, 2.3 or 2.4 tag into the fields of TID3v2.
#include "core/formats/ID3v2.h"

#include "core/formats/GenreTable.h"
#include "core/formats/Id3v2Convert.h"
#include "core/formats/Id3v2Header.h"
#include "core/formats/Id3v2Text.h"
#include "core/formats/Syncsafe.h"
#include "core/platform/CodePage.h"
#include "core/platform/FileAccess.h"

#include <QRegularExpression>

namespace vireo {

namespace {

// The URL after the description of a "WXXX" body: ISO-8859-1 by the
// standard; files whose URL follows the frame's UTF-16 or UTF-8 encoding
// are read that way.
QString decodeUrl(QByteArrayView bytes, uint8_t code)
{
    if ((code == 1 || code == 2) && bytes.size() >= 2
        && ((uchar(bytes[0]) == 0xFF && uchar(bytes[1]) == 0xFE) || (uchar(bytes[0]) == 0xFE && uchar(bytes[1]) == 0xFF))) {
        const qsizetype end = findId3v2Terminator(bytes, 0, code);
        return trimControl(decodeId3v2String(end < 0 ? bytes : bytes.first(end), code));
    }
    const qsizetype end = bytes.indexOf('\0');
    const QByteArrayView url = end < 0 ? bytes : bytes.first(end);
    const QString utf8 = QString::fromUtf8(url);
    return trimControl(utf8.contains(QChar::ReplacementCharacter) ? QString::fromLatin1(url) : utf8);
}

struct DescribedText {
    QString description;
    QString text;
};

// "COMM" (enc, language, description, text) or "WXXX" (enc, description, URL).
DescribedText decodeDescribed(QByteArrayView body, bool comment)
{
    DescribedText r;
    if (body.isEmpty())
        return r;
    const uint8_t code = uint8_t(body[0]);
    const qsizetype start = comment ? 4 : 1;
    if (body.size() < start)
        return r;
    const int sepLength = id3v2TerminatorLength(code);
    const qsizetype sep = findId3v2Terminator(body, start, code);
    QByteArrayView rest;
    if (sep < 0) {
        rest = body.sliced(qMin(body.size(), start + sepLength - 1));
    } else {
        r.description = trimControl(decodeId3v2String(body.sliced(start, sep - start), code));
        rest = body.sliced(sep + sepLength);
    }
    if (!comment) {
        r.text = decodeUrl(rest, code);
        return r;
    }
    QByteArray textBody(1, char(code));
    textBody += rest;
    r.text = decodeId3v2TextBody(textBody, 3);
    return r;
}

// One value of "TCON": "(17)" is the name of code 17, "(17)Rock" is Rock,
// "17" is the name of code 17; "(RX)" and "(CR)" are Remix and Cover;
// "((" starts a text that begins with "(".
QString genreValue(const QString &value)
{
    static const QRegularExpression plainCode(QStringLiteral("^\\d{1,3}$"));
    if (plainCode.match(value).hasMatch()) {
        const QString name = GenreName(value.toInt());
        return name.isEmpty() ? value : name;
    }
    QString rest = value;
    QString firstName;
    static const QRegularExpression codeGroup(QStringLiteral("^\\((\\d{1,3}|RX|CR)\\)"));
    for (;;) {
        const QRegularExpressionMatch m = codeGroup.match(rest);
        if (!m.hasMatch())
            break;
        const QString code = m.captured(1);
        const QString name = code == u"RX" ? QStringLiteral("Remix")
                           : code == u"CR" ? QStringLiteral("Cover")
                           : GenreName(code.toInt());
        if (firstName.isEmpty())
            firstName = name;
        rest = rest.mid(m.capturedLength(0));
    }
    if (rest.startsWith(u"(("))
        rest = rest.mid(1);
    if (!rest.isEmpty())
        return rest;
    return firstName.isEmpty() ? value : firstName;
}

uint16_t trackNumberOf(const QString &text)
{
    QByteArray ansi = toTagCodePage(text);
    const qsizetype slash = ansi.indexOf('/');
    if (slash >= 0)
        ansi.truncate(slash);
    while (!ansi.isEmpty() && (ansi[0] == ' ' || ansi[0] == '\t'))
        ansi.remove(0, 1);
    bool ok = false;
    const int n = ansi.toInt(&ok);
    return ok && n > 0 && n <= 0xFFFF ? uint16_t(n) : 0;
}

bool carriesEncoding(const QByteArray &id)
{
    return id.startsWith('T') || id == "COMM" || id == "COM" || id == "WXXX" || id == "WXX"
        || id == "USLT" || id == "ULT";
}

} // namespace

class Id3v2TagReader {
public:
    static Result load(TID3v2 &tag, const ByteSource &file);
};

Result Id3v2TagReader::load(TID3v2 &tag, const ByteSource &file)
{
    tag.Reset();
    if (!file.isOpen())
        return Result::failure(ErrorCode::InvalidArgument, QStringLiteral("no file open"));
    QByteArray headerBytes;
    if (!file.readExact(0, Id3v2Header::Size, headerBytes))
        return Result::failure(ErrorCode::BadData, file.name() + QStringLiteral(": file is shorter than 10 bytes"));
    const std::optional<Id3v2Header> header = Id3v2Header::parse(headerBytes);
    if (!header)
        return Result::success();
    tag.m_present = true;
    const int version = header->majorVersion;
    tag.m_majorVersion = uint8_t(version);
    tag.m_tagSize = id3v2WholeTagLength(headerBytes, file.size());
    if (tag.m_tagSize <= 0)
        return Result::success();
    if (!header->knownVersion()) {
        tag.m_unreadable = true;
        tag.m_readProblems.append(QStringLiteral("ID3v2.%1 tag: unknown version").arg(version));
        return Result::success();
    }
    if (header->compressedV22()) {
        // 2.2 compression has no defined scheme
        tag.m_unreadable = true;
        tag.m_readProblems.append(QStringLiteral("compressed ID3v2.2 tag cannot be read"));
        return Result::success();
    }

    QByteArray frames = file.readAt(Id3v2Header::Size, header->bodySize);
    const bool tagUnsync = header->unsynchronised();
    if (tagUnsync && version < 4)
        frames = removeUnsynchronisation(frames);
    Id3v2WalkReport walk;
    const QList<Id3v2RawFrame> raw = walkId3v2Frames(frames, version, header->hasExtendedHeader(), tagUnsync, &walk);
    tag.m_unparsed = std::move(walk.unparsed);
    tag.m_readProblems = std::move(walk.problems);
    frames = QByteArray(); // the frames hold their own copies

    TagInfo info;
    info.Header = headerBytes;
    info.FileSize = file.size();
    std::array<QByteArray, SlotCount> slotIds;
    for (int s = 1; s <= SlotCount; ++s)
        slotIds[s - 1] = id3v2SlotId(s, version);
    auto slotOf = [&](const QByteArray &id) {
        for (int s = 1; s <= SlotCount; ++s)
            if (slotIds[s - 1] == id)
                return s;
        return 0;
    };

    QList<bool> consumed(raw.size(), false);
    qsizetype commentIndex = -1, urlIndex = -1, pictureIndex = -1;
    bool commentHasEmptyDescription = false, urlHasEmptyDescription = false;
    bool pictureIsFront = false;
    for (qsizetype i = 0; i < raw.size(); ++i) {
        const Id3v2RawFrame &f = raw[i];
        if (!f.readable())
            continue;
        const int slot = slotOf(f.id);
        // The tag's encoding is that of its last text frame, but a Unicode
        // code is not given up for a later frame in the tag code page: the
        // code is what a rewrite uses, and the tag code page cannot hold
        // every character of the other frames.
        if (slot != SlotPicture && carriesEncoding(f.id) && !f.data.isEmpty() && uchar(f.data[0]) <= 3
            && (uchar(f.data[0]) != 0 || info.TextEncoding == 0))
            info.TextEncoding = uchar(f.data[0]);
        if (slot == 0)
            continue;
        if (slot == SlotComment || slot == SlotUrl) {
            // The frame with an empty description, else the last one.
            const bool empty = decodeDescribed(f.data, slot == SlotComment).description.isEmpty();
            qsizetype &index = slot == SlotComment ? commentIndex : urlIndex;
            bool &haveEmpty = slot == SlotComment ? commentHasEmptyDescription : urlHasEmptyDescription;
            if (!haveEmpty) {
                index = i;
                haveEmpty = empty;
            }
            continue;
        }
        if (slot == SlotPicture) {
            // The front cover, else the first picture.
            if (pictureIsFront)
                continue;
            TagPicInfo pic;
            const bool ok = version == 2 ? pic.LoadFrameV22(f.data) : pic.LoadFrame(f.data);
            if (!ok || pic.MimeType.isEmpty())
                continue;
            if (pictureIndex < 0 || pic.PictureType == 3) {
                pictureIndex = i;
                pictureIsFront = pic.PictureType == 3;
                tag.m_picture = pic;
            }
            continue;
        }
        info.FrameData[slot - 1] = f.data; // a later frame replaces an earlier one
        const bool written = slot != SlotContentGroup && slot != SlotOriginalAlbum
                          && !(slot == SlotRecordingTime && version == 2);
        // "TDRC" is carried to the converter, which makes its date and time frames.
        if (written && slot != SlotRecordingTime)
            consumed[i] = true;
    }
    if (commentIndex >= 0) {
        info.FrameData[SlotComment - 1] = raw[commentIndex].data;
        consumed[commentIndex] = true;
    }
    if (urlIndex >= 0) {
        info.FrameData[SlotUrl - 1] = raw[urlIndex].data;
        consumed[urlIndex] = true;
    }
    if (pictureIndex >= 0) {
        info.FrameData[SlotPicture - 1] = raw[pictureIndex].data;
        consumed[pictureIndex] = true;
    }
    // The writer puts its own comment (language "eng", no description) and
    // URL (no description) first; frames with the same key would duplicate them.
    for (qsizetype i = 0; i < raw.size(); ++i) {
        const Id3v2RawFrame &f = raw[i];
        if (consumed[i] || !f.readable())
            continue;
        const int slot = slotOf(f.id);
        if (slot == SlotComment && f.data.size() >= 4 && f.data.mid(1, 3) == "eng"
            && decodeDescribed(f.data, true).description.isEmpty())
            consumed[i] = true;
        if (slot == SlotUrl && decodeDescribed(f.data, false).description.isEmpty())
            consumed[i] = true;
    }

    auto text = [&](int slot) { return decodeId3v2TextBody(info.FrameData[slot - 1], version); };
    tag.m_title = text(SlotTitle);
    if (tag.m_title.isEmpty())
        tag.m_title = text(SlotContentGroup);
    tag.m_artist = text(SlotArtist);
    if (tag.m_artist.isEmpty())
        tag.m_artist = text(SlotOriginalArtist);
    tag.m_album = text(SlotAlbum);
    if (tag.m_album.isEmpty())
        tag.m_album = text(SlotOriginalAlbum);
    tag.m_trackText = text(SlotTrack);
    tag.m_trackNumber = trackNumberOf(tag.m_trackText);
    QString year = text(SlotYear);
    if (year.isEmpty())
        year = text(SlotRecordingTime).left(4);
    tag.m_year = throughTagCodePage(year);
    QStringList genres = text(SlotGenre).split(u'/');
    if (version < 4)
        genres = QStringList{genres.join(u'/')};
    for (QString &g : genres)
        g = genreValue(g);
    tag.m_genre = throughTagCodePage(genres.join(u'/'));
    tag.m_comment = decodeDescribed(info.FrameData[SlotComment - 1], true).text;
    tag.m_composer = text(SlotComposer);
    tag.m_encodedBy = text(SlotEncodedBy);
    tag.m_copyright = text(SlotCopyright);
    tag.m_language = text(SlotLanguage);
    tag.m_originalArtist = text(SlotOriginalArtist);
    tag.m_sizeText = text(SlotSize);
    tag.m_url = decodeDescribed(info.FrameData[SlotUrl - 1], false).text;
    tag.m_textEncoding = info.TextEncoding;

    QList<Id3v2RawFrame> carried;
    for (qsizetype i = 0; i < raw.size(); ++i)
        if (!consumed[i])
            carried.append(raw[i]);
    tag.m_otherFrames = convertFramesToV23(carried, &tag.m_droppedIds);
    return Result::success();
}

Result TID3v2::LoadTag(const QString &path)
{
    Reset();
    FileReader file;
    if (Result r = file.open(path); !r)
        return r;
    return Id3v2TagReader::load(*this, file);
}

Result TID3v2::LoadTag(const ByteSource &file) { return Id3v2TagReader::load(*this, file); }

Result TID3v2::parse(QByteArrayView bytes) { return Id3v2TagReader::load(*this, MemorySource(bytes)); }

} // namespace vireo
