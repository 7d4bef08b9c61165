#include "core/textfix/TextfixApply.h"

#include "core/editing/EditingTexts.h"
#include "core/editing/UndoJournal.h"
#include "core/formats/ID3v1.h"
#include "core/formats/ID3v2.h"
#include "core/library/EventLog.h"
#include "core/library/LibraryStore.h"
#include "core/library/TrackRecord.h"
#include "core/library/TrackTags.h"
#include "core/platform/CodePage.h"
#include "core/platform/FileAccess.h"
#include "core/textfix/CharClass.h"

#include <QMap>

namespace vireo::textfix {
namespace {

QString *v2Slot(TID3v2Record &r, TagField f)
{
    switch (f) {
    case TagField::V2Title: case TagField::V1Title: return &r.Title;
    case TagField::V2Artist: case TagField::V1Artist: return &r.Artist;
    case TagField::V2Album: case TagField::V1Album: return &r.Album;
    case TagField::V2Comment: case TagField::V1Comment: return &r.Comment;
    case TagField::V2Composer: return &r.Composer;
    case TagField::V2OriginalArtist: return &r.OriginalArtist;
    case TagField::V2EncodedBy: return &r.EncodedBy;
    case TagField::V2Copyright: return &r.Copyright;
    }
    return nullptr;
}

FixedText<30> *v1Slot(TID3v1Record &r, TagField f)
{
    switch (f) {
    case TagField::V1Title: return &r.Title;
    case TagField::V1Artist: return &r.Artist;
    case TagField::V1Album: return &r.Album;
    case TagField::V1Comment: return &r.Comment;
    default: return nullptr;
    }
}

// The text in the tag code page when it holds every character and fits the
// 30 bytes of an ID3v1 field; null otherwise.
QByteArray v1Bytes(const QString &text)
{
    const QByteArray b = toTagCodePage(text);
    if (b.size() > 30 || fromTagCodePage(b) != text)
        return QByteArray();
    return b;
}

// A text of encoding 0 read through the tag code page shows bytes it cannot
// decode as a middle dot; one glued to anything but Japanese text is such a
// byte, and writing the text back in Unicode would make the loss permanent.
bool mayHoldUnreadBytes(const TID3v2Record &r)
{
    for (const QString *v : {&r.Title, &r.Artist, &r.Album, &r.Comment, &r.Year, &r.Genre, &r.EncodedBy,
                             &r.Copyright, &r.OriginalArtist, &r.Url, &r.Composer}) {
        for (qsizetype i = 0; i < v->size(); ++i) {
            if ((*v)[i] != QChar(0x30FB))
                continue;
            const bool before = i > 0 && isCjkKind(charInfo((*v)[i - 1].unicode()).kind);
            const bool after = i + 1 < v->size() && isCjkKind(charInfo((*v)[i + 1].unicode()).kind);
            if (!before || !after)
                return true;
        }
    }
    return false;
}

FileOutcome applyToFile(const QString &file, const QList<Suspect> &items, TID3TagUseful *store)
{
    FileOutcome out;
    out.file = file;
    const FileStat st = statFile(file);
    if (!st.exists || st.isDir) {
        out.error = QStringLiteral("%1: the file is gone").arg(file);
        return out;
    }
    TID3ListItem record(file, st.dosDate);
    readTrackTags(record);
    const TID3ListItem before = record;

    bool writeV1 = false, writeV2 = false;
    int v1Fields = 0;
    for (const Suspect &s : items) {
        StoredText now;
        if (!storedText(before, s.field, &now) || !now.sameAs(s.stored)) {
            out.notes << QStringLiteral("%1: changed since the scan; skipped").arg(fieldName(s.field));
            continue;
        }
        const QString &text = s.detection.proposed;
        if (text.isEmpty())
            continue;
        if (!isV1Field(s.field)) {
            *v2Slot(record.V2, s.field) = text;
            writeV2 = true;
            ++out.fieldsWritten;
            continue;
        }
        const QByteArray bytes = v1Bytes(text);
        if (!bytes.isNull()) {
            *v1Slot(record.V1, s.field) = bytes;
            writeV1 = true;
            ++out.fieldsWritten;
            ++v1Fields;
            continue;
        }
        // The tag code page cannot hold the text: it goes to the ID3v2 tag,
        // unless that already holds a different, readable value.
        QString *slot = v2Slot(record.V2, s.field);
        if (!record.HasV2) {
            record.V2 = TID3v2Record();
            record.V2.Title = record.V1.Title.text();
            record.V2.Artist = record.V1.Artist.text();
            record.V2.Album = record.V1.Album.text();
            record.V2.Comment = record.V1.Comment.text();
            record.V2.Year = record.V1.Year.text();
            record.V2.TrackNumber = record.V1.Track;
        }
        if (record.HasV2 && !slot->isEmpty() && *slot != s.detection.current && *slot != text
            && detectUnicodeText(*slot).verdict == Verdict::Genuine) {
            out.notes << QStringLiteral("%1: the tag code page cannot hold \"%2\" and the ID3v2 tag has its own value; skipped")
                             .arg(fieldName(s.field), text);
            continue;
        }
        *slot = text;
        writeV2 = true;
        ++out.fieldsWritten;
        out.notes << QStringLiteral("%1: the tag code page cannot hold \"%2\"; written to the ID3v2 tag")
                         .arg(fieldName(s.field), text);
    }
    if (!writeV1 && !writeV2) {
        out.ok = true;
        return out;
    }
    if (writeV2 && before.HasV2 && before.V2.TextEncoding == 0 && mayHoldUnreadBytes(before.V2)) {
        out.error = QStringLiteral("%1: the ID3v2 tag holds bytes the tag code page cannot read (shown as \"・\"); "
                                   "rewriting it would lose them, so it was left as it is").arg(file);
        out.fieldsWritten = 0;
        return out;
    }
    if (writeV2) {
        record.V2.TextEncoding = 1; // UTF-16 with byte-order mark: every program reads it
        TID3v2 writer;
        if (const Result r = record.WriteV2ToFile(writer); !r) {
            out.error = QStringLiteral("cannot write the ID3v2 tag of %1: %2").arg(file, r.message());
            out.fieldsWritten = 0;
            return out;
        }
    }
    if (writeV1) {
        if (const Result r = record.WriteV1ToFile(); !r) {
            out.error = QStringLiteral("cannot write the ID3v1 tag of %1: %2").arg(file, r.message());
            out.fieldsWritten -= v1Fields;
            // The ID3v2 part, if any, is on disk: the record below follows it,
            // with the ID3v1 values the file still has.
            record.V1 = before.V1;
            writeV1 = false;
        }
    }
    if (store) {
        if (TID3ListItem *t = store->FindTrack(file)) {
            if (record.HasV1 && (writeV1 || t->HasV1))
                t->SetV1(record.V1);
            if (record.HasV2)
                t->SetV2(record.V2);
            const FileStat after = statFile(file);
            t->FileDate = after.dosDate;
            t->FileSize = after.size;
        }
    }
    out.ok = out.error.isEmpty();
    WriteLog(QStringLiteral("文字化け修復: %1 (%2)").arg(file).arg(out.fieldsWritten));
    return out;
}

} // namespace

QList<Suspect> selectForApply(const QList<Suspect> &suspects, double minConfidence)
{
    QList<Suspect> out;
    for (const Suspect &s : suspects)
        if (s.detection.verdict == Verdict::Repair && s.detection.confidence >= minConfidence
            && s.detection.hasProposal())
            out.append(s);
    return out;
}

ApplyReport applyRepairs(const QList<Suspect> &chosen, TID3TagUseful *store,
                         const std::function<void(qsizetype, qsizetype)> &progress,
                         editing::UndoJournal *journal)
{
    // One write per file, in the order the files first appear.
    QStringList order;
    QHash<QString, QList<Suspect>> byFile;
    for (const Suspect &s : chosen) {
        auto it = byFile.find(s.file);
        if (it == byFile.end()) {
            order.append(s.file);
            it = byFile.insert(s.file, {});
        }
        it->append(s);
    }
    ApplyReport report;
    std::unique_ptr<editing::UndoJournal::Recording> rec =
        journal && !order.isEmpty() ? journal->begin(QStringLiteral("textfix apply (%1 files)").arg(order.size()))
                                    : nullptr;
    if (rec && !rec->keepAll(order))
        report.journalError = rec->overLimit() ? editing::texts::undoUnavailable()
                                               : QStringLiteral("the undo journal could not be written");
    for (qsizetype i = 0; i < order.size(); ++i) {
        if (progress)
            progress(i, order.size());
        FileOutcome o = applyToFile(order[i], byFile.value(order[i]), store);
        if (rec)
            rec->written(order[i]);
        report.fieldsWritten += o.fieldsWritten;
        if (!o.ok)
            ++report.filesFailed;
        report.files.append(std::move(o));
    }
    if (rec)
        if (const Result r = rec->commit(); !r && report.journalError.isEmpty())
            report.journalError = r.message();
    if (progress)
        progress(order.size(), order.size());
    return report;
}

} // namespace vireo::textfix
