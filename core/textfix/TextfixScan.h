#pragma once
// The library-wide search for garbled tag texts. It works from the track
// records the caches hold (ID3v1 bytes, ID3v2 texts and the tag's encoding
// code) and opens no MP3 file. Every text field is judged by the detector;
// then the fields of one folder (one album, as a rule) are weighed together:
// an album whose other texts are Japanese settles its one ambiguous text.
#include "core/textfix/TextDetector.h"

#include <QList>
#include <QString>

#include <functional>

namespace vireo {
class TID3ListItem;
class TID3TagUseful;
}

namespace vireo::textfix {

enum class TagField {
    V1Title, V1Artist, V1Album, V1Comment,
    V2Title, V2Artist, V2Album, V2Comment, V2Composer, V2OriginalArtist, V2EncodedBy, V2Copyright,
};
constexpr int TagFieldCount = 12;

// "v1.title", "v2.artist", ...; and back (false for an unknown name).
QString fieldName(TagField f);
bool fieldFromName(const QString &name, TagField *out);
bool isV1Field(TagField f);

// One text field of a track as stored: the detector's input.
struct StoredText {
    Declared declared = Declared::Id3v1;
    QByteArray bytes; // ID3v1 and encoding-0 texts: the bytes
    QString text;     // Unicode frames: the text
    bool isBytes() const { return declared == Declared::Id3v1 || declared == Declared::Id3v2Latin1; }
    // Same stored value; Unicode texts match whatever Unicode encoding holds them.
    bool sameAs(const StoredText &o) const
    {
        return isBytes() ? declared == o.declared && bytes == o.bytes : !o.isBytes() && text == o.text;
    }
};
// The stored form of a field of a track record; false when the track has no
// such tag. An encoding-0 text comes back as the tag code page's bytes.
bool storedText(const TID3ListItem &track, TagField field, StoredText *out);
Detection detectStored(const StoredText &s);

// A field that is garbled or may be.
struct Suspect {
    QString file;
    TagField field = TagField::V1Title;
    StoredText stored;
    Detection detection;
    bool byAgreement = false; // the verdict was settled by the other texts of the folder
};

struct ScanOptions {
    bool useAgreement = true;
    // Called now and then with (tracks done, tracks in all); never required.
    std::function<void(qsizetype, qsizetype)> progress;
};

struct ScanReport {
    QList<Suspect> suspects; // repairs and uncertain texts that have a proposal, in library order
    qsizetype tracks = 0;
    qsizetype fields = 0;    // non-empty text fields looked at
};

// Judges the given tracks (borrowed; the store's when null list).
ScanReport scanTracks(const QList<const TID3ListItem *> &tracks, const ScanOptions &options = {});
ScanReport scanLibrary(const TID3TagUseful &store, const ScanOptions &options = {});

} // namespace vireo::textfix
