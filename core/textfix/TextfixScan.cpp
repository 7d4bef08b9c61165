#include "core/textfix/TextfixScan.h"

#include "core/library/LibraryStore.h"
#include "core/library/TrackRecord.h"
#include "core/platform/CodePage.h"
#include "core/textfix/CharClass.h"

#include <QHash>

namespace vireo::textfix {
namespace {

const char *const kFieldNames[TagFieldCount] = {
    "v1.title", "v1.artist", "v1.album", "v1.comment", "v2.title", "v2.artist", "v2.album", "v2.comment",
    "v2.composer", "v2.original-artist", "v2.encoded-by", "v2.copyright",
};

const QString &v2Value(const TID3v2Record &r, TagField f)
{
    switch (f) {
    case TagField::V2Title: return r.Title;
    case TagField::V2Artist: return r.Artist;
    case TagField::V2Album: return r.Album;
    case TagField::V2Comment: return r.Comment;
    case TagField::V2Composer: return r.Composer;
    case TagField::V2OriginalArtist: return r.OriginalArtist;
    case TagField::V2EncodedBy: return r.EncodedBy;
    default: return r.Copyright;
    }
}

QByteArray v1Value(const TID3v1Record &r, TagField f)
{
    switch (f) {
    case TagField::V1Title: return r.Title.bytes();
    case TagField::V1Artist: return r.Artist.bytes();
    case TagField::V1Album: return r.Album.bytes();
    default: return r.Comment.bytes();
    }
}

QString folderOf(const QString &path)
{
    const qsizetype slash = path.lastIndexOf(u'/');
    return slash < 0 ? QString() : path.left(slash);
}

bool hasKana(QStringView t)
{
    for (QChar c : t)
        if (charInfo(c.unicode()).kind == CharKind::Kana)
            return true;
    return false;
}

bool hasHangulOrHanziOnly(QStringView t)
{
    for (QChar c : t) {
        const CharInfo ci = charInfo(c.unicode());
        if (ci.kind == CharKind::Hangul || (ci.kind == CharKind::Han && !(ci.bits & (JisLevel1 | JisLevel2))))
            return true;
    }
    return false;
}

// The field read as Shift-JIS, when that reading is valid and gives the
// stored form back; null otherwise.
QString japaneseReading(const StoredText &s)
{
    switch (s.declared) {
    case Declared::Id3v1:
    case Declared::Id3v2Latin1:
        return decodeStrict("CP932", s.bytes);
    default: {
        const QByteArray western = encodeWestern(s.text);
        if (western.isNull())
            return QString();
        if (decodeWestern(western) != s.text && QString::fromLatin1(western) != s.text)
            return QString();
        return decodeStrict("CP932", western);
    }
    }
}

struct Judged {
    const TID3ListItem *track;
    TagField field;
    StoredText stored;
    Detection detection;
};

} // namespace

QString fieldName(TagField f) { return QString::fromLatin1(kFieldNames[int(f)]); }

bool fieldFromName(const QString &name, TagField *out)
{
    for (int i = 0; i < TagFieldCount; ++i)
        if (name == QLatin1String(kFieldNames[i])) {
            *out = TagField(i);
            return true;
        }
    return false;
}

bool isV1Field(TagField f) { return int(f) <= int(TagField::V1Comment); }

bool storedText(const TID3ListItem &track, TagField field, StoredText *out)
{
    if (isV1Field(field)) {
        if (!track.HasV1)
            return false;
        out->declared = Declared::Id3v1;
        out->bytes = v1Value(track.V1, field);
        out->text.clear();
        return true;
    }
    if (!track.HasV2)
        return false;
    const QString &v = v2Value(track.V2, field);
    if (track.V2.TextEncoding == 0) {
        out->declared = Declared::Id3v2Latin1;
        out->bytes = toTagCodePage(v);
        out->text.clear();
    } else {
        out->declared = track.V2.TextEncoding == 3 ? Declared::Id3v2Utf8
            : track.V2.TextEncoding == 2           ? Declared::Id3v2Utf16BE
                                                   : Declared::Id3v2Utf16;
        out->bytes.clear();
        out->text = v;
    }
    return true;
}

Detection detectStored(const StoredText &s)
{
    if (s.declared == Declared::Id3v1 || s.declared == Declared::Id3v2Latin1)
        return detect(s.bytes, s.declared);
    return detectUnicodeText(s.text);
}

ScanReport scanTracks(const QList<const TID3ListItem *> &tracks, const ScanOptions &options)
{
    ScanReport report;
    report.tracks = tracks.size();
    // Artists and albums repeat over an album's tracks: judge each stored form once.
    QHash<QString, Detection> memo;
    QList<Judged> judged;
    QHash<QString, int> japaneseEvidence, foreignEvidence; // per folder
    StoredText s;
    for (qsizetype i = 0; i < tracks.size(); ++i) {
        const TID3ListItem *t = tracks[i];
        if (options.progress && i % 4096 == 0)
            options.progress(i, tracks.size());
        if (!t)
            continue;
        for (int f = 0; f < TagFieldCount; ++f) {
            if (!storedText(*t, TagField(f), &s))
                continue;
            const bool bytesForm = s.declared == Declared::Id3v1 || s.declared == Declared::Id3v2Latin1;
            if (bytesForm ? s.bytes.isEmpty() : s.text.isEmpty())
                continue;
            ++report.fields;
            bool ascii = true;
            if (bytesForm) {
                for (char c : s.bytes)
                    ascii = ascii && uchar(c) < 0x80;
            } else {
                for (QChar c : s.text)
                    ascii = ascii && c.unicode() < 0x80;
            }
            if (ascii)
                continue;
            QString key = QString::number(int(s.declared)) + u'|'
                + (bytesForm ? QString::fromLatin1(s.bytes) : s.text);
            auto it = memo.constFind(key);
            if (it == memo.constEnd())
                it = memo.insert(key, detectStored(s));
            const Detection &d = *it;
            if (options.useAgreement) {
                const QString folder = folderOf(t->FileName);
                const bool japanese = (d.verdict == Verdict::Repair && d.believed == "CP932" && d.confidence >= 0.8)
                    || (d.verdict == Verdict::Genuine && hasKana(d.current));
                const bool foreign = (d.verdict == Verdict::Genuine && hasHangulOrHanziOnly(d.current))
                    || (d.verdict == Verdict::Uncertain && (d.believed == "GBK" || d.believed == "BIG5" || d.believed == "CP949")
                        && hasHangulOrHanziOnly(d.proposed));
                if (japanese)
                    ++japaneseEvidence[folder];
                if (foreign)
                    ++foreignEvidence[folder];
            }
            if (d.verdict == Verdict::Genuine)
                continue;
            // An ID3v1 text the tag code page cannot hold was settled by
            // giving the ID3v2 tag the repaired text; its bytes stay.
            if (isV1Field(TagField(f)) && t->HasV2 && !d.proposed.isEmpty()
                && v2Value(t->V2, TagField(f - int(TagField::V1Title) + int(TagField::V2Title))) == d.proposed)
                continue;
            judged.append({t, TagField(f), s, d});
        }
    }
    for (Judged &j : judged) {
        bool agreed = false;
        if (options.useAgreement && j.detection.verdict == Verdict::Uncertain) {
            const QString folder = folderOf(j.track->FileName);
            if (japaneseEvidence.value(folder) >= 2 && foreignEvidence.value(folder) == 0) {
                const QString jp = japaneseReading(j.stored);
                if (!jp.isNull() && plausibility(jp, 1) >= 0.3) {
                    agreed = true;
                    if (j.stored.declared == Declared::Id3v1 && tagCodePage().compare("CP932", Qt::CaseInsensitive) == 0) {
                        continue; // already read as Shift-JIS: nothing to repair
                    }
                    j.detection.verdict = Verdict::Repair;
                    j.detection.proposed = jp;
                    j.detection.believed = "CP932";
                    j.detection.confidence = 0.85;
                    j.detection.reason = QStringLiteral("the other texts of the folder are Japanese");
                }
            }
        }
        if (!j.detection.hasProposal())
            continue;
        report.suspects.append({j.track->FileName, j.field, j.stored, j.detection, agreed});
    }
    if (options.progress)
        options.progress(tracks.size(), tracks.size());
    return report;
}

ScanReport scanLibrary(const TID3TagUseful &store, const ScanOptions &options)
{
    QList<const TID3ListItem *> tracks;
    tracks.reserve(store.TrackCount());
    for (qsizetype i = 0, n = store.TrackCount(); i < n; ++i)
        tracks.append(store.TrackAt(i));
    return scanTracks(tracks, options);
}

} // namespace vireo::textfix
