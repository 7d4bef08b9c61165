#pragma once
// The ID3v2 tag of one MP3 file: read in versions 2.2, 2.3 and 2.4 into a
// fixed set of text fields plus one attached picture, written back as 2.3
// (frames this class does not own are carried over), or stripped.
#include "core/formats/Id3v2Frame.h"
#include "core/platform/Result.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>

namespace vireo {

class ByteSource;

// The attached picture of a tag ("APIC", or "PIC" in 2.2 tags).
class TagPicInfo {
public:
    QByteArray ImageData;  // the image file bytes (JPEG or PNG as stored)
    QString MimeType;      // for example "image/jpeg"; empty = no picture
    uint8_t PictureType = 0;
    int64_t FrameSize = 0; // size of the frame body to parse
    QString SourceFile;    // image file to embed on the next save; never set by reading
    QString Description;   // description read with the picture, written back with it

    void Clear();
    // Parses an "APIC" body of FrameSize bytes (FrameSize is set to its size).
    bool LoadFrame(QByteArrayView body);
    // Reads FrameSize bytes at offset and parses them as an "APIC" body.
    bool LoadFrame(const ByteSource &file, int64_t offset);
    // Parses a 2.2 "PIC" body (three-letter image format instead of a MIME type).
    bool LoadFrameV22(QByteArrayView body);
};

// The 18 frame slots: which frame feeds which field.
enum Id3v2Slot {
    SlotTitle = 1, SlotArtist, SlotAlbum, SlotTrack, SlotYear, SlotGenre, SlotComment,
    SlotComposer, SlotEncodedBy, SlotCopyright, SlotLanguage, SlotUrl, SlotRecordingTime,
    SlotOriginalArtist, SlotContentGroup, SlotOriginalAlbum, SlotSize, SlotPicture,
    SlotCount = 18
};
// The identifier of a slot for a major version (2 gives the three-letter form).
QByteArray id3v2SlotId(int slot, int majorVersion);

// Working record of one read or one write; slot arrays are indexed slot - 1.
struct TagInfo {
    QByteArray Header;   // the file's first 10 bytes (zero-filled when shorter)
    int64_t FileSize = 0;
    std::array<QByteArray, SlotCount> FrameData; // chosen frame body per slot
    std::array<QString, SlotCount> FrameText;    // texts to write per slot
    bool NeedsRewrite = false;
    int64_t PaddingSize = 0;
    uint8_t TextEncoding = 0;
};

class TID3v2 {
public:
    TID3v2() = default;

    void Reset();

    // Resets and reads the file's tag. Succeeds when the file could be opened
    // and its first 10 bytes read; whether a tag was there is Present().
    Result LoadTag(const QString &path);
    // The same on a file the caller already opened, or on bytes in memory.
    Result LoadTag(const ByteSource &file);
    // Reads the tag from a whole file's bytes in memory (the same reader).
    Result parse(QByteArrayView bytes);
    // Writes the fields as the file's tag (ID3v2.3), in place when the new
    // tag fits the old one of at most 4096 bytes, else through a copy. On
    // failure the file is unchanged; when Picture().SourceFile cannot be read
    // the failure names that file and the MP3 file is not opened.
    Result SaveTag(const QString &path);
    // Removes the file's ID3v2 tag; fails (file untouched) when it has none.
    Result StripTag(const QString &path);

    bool Present() const { return m_present; }
    uint8_t MajorVersion() const { return m_majorVersion; }
    int64_t TagSize() const { return m_tagSize; } // whole tag length; 0 when bogus or none

    QString Title() const { return m_title; }
    QString Artist() const { return m_artist; }
    QString Album() const { return m_album; }
    uint16_t TrackNumber() const { return m_trackNumber; }
    QString TrackText() const { return m_trackText; }
    QString Year() const { return m_year; }
    QString Genre() const { return m_genre; }
    QString Comment() const { return m_comment; }
    QString Composer() const { return m_composer; }
    QString EncodedBy() const { return m_encodedBy; }
    QString Copyright() const { return m_copyright; }
    QString OriginalArtist() const { return m_originalArtist; }
    QString Language() const { return m_language; }
    QString Url() const { return m_url; }
    QString SizeText() const { return m_sizeText; }
    uint16_t TextEncoding() const { return m_textEncoding; }

    // Setters trim leading and trailing characters of code 0 to 32
    // (OriginalArtist only trailing ones).
    void setTitle(const QString &v);
    void setArtist(const QString &v);
    void setAlbum(const QString &v);
    void setTrackNumber(uint16_t v) { m_trackNumber = v; }
    void setYear(const QString &v);
    void setGenre(const QString &v);
    void setComment(const QString &v);
    void setComposer(const QString &v);
    void setEncodedBy(const QString &v);
    void setCopyright(const QString &v);
    void setOriginalArtist(const QString &v);
    void setLanguage(const QString &v);
    void setUrl(const QString &v);
    void setTextEncoding(uint16_t v) { m_textEncoding = v; }

    TagPicInfo &Picture() { return m_picture; }
    const TagPicInfo &Picture() const { return m_picture; }

    // Frames of the loaded tag that no field stands for, already in their
    // ID3v2.3 form; SaveTag writes them after its own frames.
    const QList<Id3v2Frame> &otherFrames() const { return m_otherFrames; }
    // Identifiers of loaded frames that have no ID3v2.3 form and are not written back.
    const QList<QByteArray> &droppedFrameIds() const { return m_droppedIds; }
    // What the last load could not read (frames skipped, bytes after the
    // last frame that are not padding, a tag of unknown form), one line each.
    // SaveTag carries unread bytes of an ID3v2.3 tag over unchanged and
    // refuses to save over any other tag with unread parts.
    const QStringList &readProblems() const { return m_readProblems; }

private:
    friend class Id3v2TagReader;

    Result writeThroughCopy(const QString &path, const QByteArray *tag);
    Result writeInPlace(const QString &path, const QByteArray &tag);

    bool m_present = false;
    uint8_t m_majorVersion = 0;
    int64_t m_tagSize = 0;
    QString m_title, m_artist, m_album, m_trackText, m_year, m_genre, m_comment;
    QString m_composer, m_encodedBy, m_copyright, m_originalArtist, m_language, m_url, m_sizeText;
    uint16_t m_trackNumber = 0;
    uint16_t m_textEncoding = 0;
    TagPicInfo m_picture;
    QList<Id3v2Frame> m_otherFrames;
    QList<QByteArray> m_droppedIds;
    QByteArray m_unparsed;
    QStringList m_readProblems;
    bool m_unreadable = false;
};

} // namespace vireo
