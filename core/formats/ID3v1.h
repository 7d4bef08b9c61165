#pragma once
// TID3v1: reads, writes and removes the 128-byte ID3v1 tag at the end of an
// MP3 file. Text fields are the tag's raw bytes (tag code page); nothing here
// converts characters.
#include "core/platform/Result.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <cstdint>

namespace vireo {

class ByteSource;

class TID3v1 {
public:
    static constexpr int BlockSize = 128;

    TID3v1() = default;

    // Back to the empty state: no tag, revision 1, empty texts, track 0, genre 255.
    void Reset();

    // Reads the file's tag. Succeeds when the file could be read and is at
    // least 128 bytes long; whether a tag was there is Present().
    Result LoadTag(const QString &path);
    // The same on a file the caller already opened, or on bytes in memory.
    Result LoadTag(const ByteSource &file);
    // Reads the tag from a whole file's bytes in memory (the same reader).
    Result parse(QByteArrayView bytes);
    // Writes the fields as the file's only ID3v1 tag: over the old tag's 128
    // bytes when there is one, appended otherwise. Files under 128 bytes are
    // refused and left untouched.
    Result SaveTag(const QString &path) const;
    // Removes the tag if there is one. Succeeds when the file could be read
    // and had no tag or was shortened.
    Result StripTag(const QString &path) const;

    // Parses a 128-byte block (after Reset); false when it is not 128 bytes.
    bool ParseBlock(QByteArrayView block);
    // The 128 bytes SaveTag writes.
    QByteArray RenderBlock() const;
    // Layout of a block from its bytes 125 and 126: 2 (ID3v1.1, with track) or 1.
    static uint8_t DecideRevision(uint8_t byte125, uint8_t byte126);

    bool Present() const { return m_present; }
    uint8_t Revision() const { return m_revision; }
    const QByteArray &Title() const { return m_title; }
    const QByteArray &Artist() const { return m_artist; }
    const QByteArray &Album() const { return m_album; }
    const QByteArray &Year() const { return m_year; }
    const QByteArray &Comment() const { return m_comment; }
    uint8_t Track() const { return m_track; }
    uint8_t Genre() const { return m_genre; }

    // Text setters drop trailing bytes 0..32 and keep at most 30 bytes (Year: 4).
    void SetTitle(QByteArrayView v) { m_title = field(v, 30); }
    void SetArtist(QByteArrayView v) { m_artist = field(v, 30); }
    void SetAlbum(QByteArrayView v) { m_album = field(v, 30); }
    void SetYear(QByteArrayView v) { m_year = field(v, 4); }
    void SetComment(QByteArrayView v) { m_comment = field(v, 30); }
    void SetTrack(uint8_t v) { m_track = v; }
    void SetGenre(uint8_t v) { m_genre = v; }

    // Drops trailing bytes 0..32 of at most `width` bytes.
    static QByteArray field(QByteArrayView bytes, int width);

private:
    static Result tooShort(const QString &path);

    bool m_present = false;
    uint8_t m_revision = 1;
    QByteArray m_title, m_artist, m_album, m_year, m_comment;
    uint8_t m_track = 0;
    uint8_t m_genre = 255;
};

} // namespace vireo
