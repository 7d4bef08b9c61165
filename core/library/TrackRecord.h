#pragma once
// TID3ListItem: the library's record of one MP3 file (path, date, size, a copy
// of its ID3v1 and ID3v2 values), the values derived from it that every view
// shows, and the write-back of its values to the file's tags.
#include "core/platform/Result.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <array>
#include <cstdint>
#include <cstring>

namespace vireo {

class TID3v1;
class TID3v2;

// A fixed-width byte buffer of the tag code page; a shorter text is followed
// by zero bytes.
template <int N>
class FixedText {
public:
    static constexpr int Width = N;
    FixedText() { m_bytes.fill(0); }
    FixedText(QByteArrayView v) { set(v); }
    FixedText &operator=(QByteArrayView v) { set(v); return *this; }
    // Keeps the first N bytes; the rest of the buffer becomes zero.
    void set(QByteArrayView v)
    {
        m_bytes.fill(0);
        // An empty view may have no data at all; memcpy must not see it.
        if (!v.isEmpty())
            std::memcpy(m_bytes.data(), v.data(), std::min<qsizetype>(v.size(), N));
    }
    // The bytes up to the first zero byte or the end of the buffer.
    QByteArray bytes() const { return QByteArray(m_bytes.data(), length()); }
    // The bytes converted from the tag code page.
    QString text() const;
    qsizetype length() const
    {
        const void *z = std::memchr(m_bytes.data(), 0, N);
        return z ? static_cast<const char *>(z) - m_bytes.data() : N;
    }
    bool isEmpty() const { return m_bytes[0] == 0; }
    const std::array<char, N> &raw() const { return m_bytes; }
    bool operator==(const FixedText &o) const { return m_bytes == o.m_bytes; }

private:
    std::array<char, N> m_bytes;
};

// The ID3v1 values of a track as tag code-page bytes.
struct TID3v1Record {
    FixedText<30> Title;
    FixedText<30> Artist;
    FixedText<30> Album;
    FixedText<4> Year;
    FixedText<30> Comment;
    uint8_t Genre = 255; // 255 = none
    uint8_t Track = 0;   // 0 = none (shown as ID3v1.0)

    // The values of a loaded tag object.
    static TID3v1Record FromTag(const TID3v1 &tag);
    bool operator==(const TID3v1Record &) const = default;
};

// The ID3v2 values of a track as Unicode texts and numbers.
struct TID3v2Record {
    QString Artist;
    QString Title;
    QString Album;
    QString Comment;
    QString Year;
    QString Genre; // as text, not a code
    uint16_t TrackNumber = 0; // 0 = none
    QString EncodedBy;
    QString Copyright;
    QString OriginalArtist;
    QString Url;
    QString Composer;
    uint16_t MajorVersion = 0;  // 2, 3 or 4
    uint16_t TextEncoding = 0;  // 0 tag code page, 1 UTF-16 with BOM, 2 UTF-16 without, 3 UTF-8
    QString PictureSourceFile;  // image to embed on the next write; set only by the tag editor
    QString PictureMimeType;

    // The values of a loaded tag object (the picture fields stay empty).
    static TID3v2Record FromTag(const TID3v2 &tag);
    bool operator==(const TID3v2Record &) const = default;
};

// Tag preference of the derived values: which tag supplies artist and album.
enum TagPreference : int { PreferV1 = 1, PreferV2 = 2 };

class TID3ListItem {
public:
    TID3ListItem(QString fileName, int32_t fileDate);

    const QString FileName;    // full path; the library key; never changed
    int32_t FileDate = 0;      // packed DOS date-time; -1 unconvertible, 0 none
    int64_t FileSize = 0;      // bytes, as last given to the library lookup
    bool HasV1 = false;
    bool HasV2 = false;
    int32_t CompilationIndex = -1;
    bool Exists = false;
    TID3v2Record V2;
    TID3v1Record V1;

    void SetV1(const TID3v1Record &v1);
    void SetV2(const TID3v2Record &v2);

    // Artist (album) of the preferred tag when present, else of the other tag,
    // else empty. Presence decides, not emptiness; ID3v2 values are untrimmed.
    QString PreferredArtist(int preference) const;
    QString PreferredAlbum(int preference) const;
    // 0: the preferred tag's value equals name (case-insensitively); 1: only
    // the other tag's does; -1: neither, or no tag.
    int MatchArtist(QStringView name, int preference) const;
    int MatchAlbum(QStringView name, int preference) const;
    // "ID3v2.<version>", "ID3v1.1", "ID3v1.0" or "-".
    QString TagVersionLabel() const;
    // 1 "utf16", 2 "utf16BE", 3 "utf8"; anything else empty.
    static QString EncodingName(int code);

    // Writes V1 as the file's ID3v1 tag through the given tag object (the
    // store's single one) and sets HasV1.
    Result WriteV1ToFile(TID3v1 &tag);
    Result WriteV1ToFile();
    // Loads the file's ID3v2 tag, overwrites the fields V2 holds and saves it
    // (as ID3v2.3); sets HasV2 on success.
    Result WriteV2ToFile();
    Result WriteV2ToFile(TID3v2 &tag);
    // Strips the file's ID3v1 (ID3v2) tag when HasV1 (HasV2) and clears the
    // flag; fails with nothing done when the flag is clear.
    Result RemoveV1FromFile(TID3v1 &tag);
    Result RemoveV1FromFile();
    Result RemoveV2FromFile();
};

} // namespace vireo
