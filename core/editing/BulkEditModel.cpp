#include "core/editing/BulkEditModel.h"

#include "core/editing/EditingTexts.h"
#include "core/editing/TagEditorModel.h"
#include "core/editing/TagWriteBack.h"
#include "core/formats/GenreTable.h"
#include "core/library/LibraryStore.h"
#include "core/library/TrackRecord.h"
#include "core/platform/CodePage.h"

namespace vireo::editing {

QString trimBlanks(const QString &text)
{
    qsizetype b = 0, e = text.size();
    while (b < e && text[b].unicode() <= 32)
        ++b;
    while (e > b && text[e - 1].unicode() <= 32)
        --e;
    return text.mid(b, e - b);
}

void ComboState::addUnique(const QString &item)
{
    if (!items.contains(item))
        items.append(item);
}

void ComboState::select(int index)
{
    selected = index >= 0 && index < items.size() ? index : -1;
    if (selected >= 0)
        text = items[selected];
}

QStringList BulkEditModel::v1Header()
{
    return {QStringLiteral("ファイル名"), QStringLiteral("トラック"), QStringLiteral("曲名"), QStringLiteral("コメント")};
}

QStringList BulkEditModel::v2Header()
{
    return {QStringLiteral("FileName"),  QStringLiteral("Track"),     QStringLiteral("Title"),
            QStringLiteral("Comment"),   QStringLiteral("EnCoded by"), QStringLiteral("Copyright"),
            QStringLiteral("Orig. Artist"), QStringLiteral("URL"),    QStringLiteral("Composer")};
}

QStringList BulkEditModel::encodingEntries()
{
    return TagEditorModel::encodingEntries();
}

BulkEditModel::BulkEditModel(TID3TagUseful &store, UndoJournal *journal) : m_store(store), m_journal(journal)
{
    reset();
}

void BulkEditModel::reset()
{
    chkArtist = chkAlbum = chkYear = chkGenre = true;
    chkTrack = chkTitle = chkComment = true;
    v1Enabled = true;
    setV2Enabled(true);
    artist = album = year = selGenre = genreChoices = ComboState();
    genreChoices.items = TagEditorModel::genreEntries();
    v1Grid = {v1Header()};
    v2Grid = {v2Header()};
    v1Tracks = {nullptr};
    v2Tracks = {nullptr};
    encodingIndex = -1;
    v1Enabled = false;
    setV2Enabled(false);
}

void BulkEditModel::setV2Enabled(bool on)
{
    m_v2Enabled = on;
    chkEncodedBy = chkCopyright = chkOriginal = chkUrl = chkComposer = on;
}

void BulkEditModel::addTrack(TID3ListItem *t)
{
    if (t->HasV1)
        v1Enabled = true;
    if (t->HasV2)
        setV2Enabled(true);
    const auto collect = [](ComboState &box, const QString &value) {
        const QString v = trimBlanks(value);
        if (!v.isEmpty())
            box.addUnique(v);
    };
    const TID3v1Record &r1 = t->V1;
    collect(artist, r1.Artist.text());
    collect(album, r1.Album.text());
    collect(year, r1.Year.text());
    if (r1.Genre != NoGenre && !GenreName(r1.Genre).isEmpty())
        selGenre.addUnique(GenreName(r1.Genre));
    v1Grid.append({t->FileName, r1.Track ? QString::number(r1.Track) : QString(), r1.Title.text(),
                   r1.Comment.text()});
    v1Tracks.append(t);

    const TID3v2Record &r2 = t->V2;
    collect(artist, r2.Artist);
    collect(album, r2.Album);
    collect(year, r2.Year);
    if (!r2.Genre.isEmpty())
        selGenre.addUnique(r2.Genre);
    v2Grid.append({t->FileName, r2.TrackNumber ? QString::number(r2.TrackNumber) : QString(), r2.Title, r2.Comment,
                   r2.EncodedBy, r2.Copyright, r2.OriginalArtist, r2.Url, r2.Composer});
    v2Tracks.append(t);
    if (!selGenre.items.isEmpty())
        selGenre.select(0);
}

void BulkEditModel::prepareShow()
{
    for (ComboState *box : {&artist, &album, &year})
        if (!box->items.isEmpty())
            box->select(0);
}

void BulkEditModel::copyChosenGenre()
{
    if (genreChoices.selected < 0)
        return;
    const QString g = genreChoices.items[genreChoices.selected];
    selGenre.addUnique(g);
    selGenre.select(int(selGenre.items.indexOf(g)));
}

namespace {

void copyColumns(const QList<QStringList> &from, const QList<TID3ListItem *> &fromTracks, QList<QStringList> &to,
                 QList<TID3ListItem *> &toTracks, int width)
{
    while (to.size() < from.size()) {
        to.append(QStringList(width));
        toTracks.append(nullptr);
    }
    while (to.size() > from.size()) {
        to.removeLast();
        toTracks.removeLast();
    }
    for (qsizetype r = 0; r < from.size(); ++r) {
        for (int c = 0; c < 4; ++c)
            to[r][c] = from[r].value(c);
        toTracks[r] = fromTracks[r];
    }
}

int cellNumber(const QString &text)
{
    bool ok = false;
    const int n = text.trimmed().toInt(&ok);
    return ok ? n : 0;
}

} // namespace

void BulkEditModel::copyV1ToV2()
{
    copyColumns(v1Grid, v1Tracks, v2Grid, v2Tracks, V2Columns);
}

void BulkEditModel::copyV2ToV1()
{
    copyColumns(v2Grid, v2Tracks, v1Grid, v1Tracks, V1Columns);
}

bool BulkEditModel::anyV1Field() const
{
    return chkArtist || chkAlbum || chkYear || chkGenre || chkTrack || chkTitle || chkComment;
}

bool BulkEditModel::anyV2Field() const
{
    return anyV1Field() || chkEncodedBy || chkCopyright || chkOriginal || chkUrl || chkComposer;
}

QString BulkEditModel::checkBeforeSave() const
{
    if (!m_v2Enabled || encodingIndex > 0 || !anyV2Field())
        return {};
    QStringList lossy;
    const auto check = [&](bool ticked, const QString &label, const QString &text) {
        if (ticked && !text.isEmpty() && throughTagCodePage(text) != text && lossy.size() < 10)
            lossy.append(label + QStringLiteral("：") + text);
    };
    check(chkArtist, QStringLiteral("Artist"), artist.text);
    check(chkAlbum, QStringLiteral("Album"), album.text);
    check(chkGenre, QStringLiteral("Genre"), selGenre.text);
    const bool ticked[] = {false, false, chkTitle, chkComment, chkEncodedBy, chkCopyright, chkOriginal, chkUrl,
                           chkComposer};
    for (qsizetype r = 1; r < v2Grid.size(); ++r)
        for (int c = V2Title; c < V2Columns; ++c)
            check(ticked[c], v2Header()[c], v2Grid[r].value(c));
    return lossy.isEmpty() ? QString() : texts::ansiLosesCharacters().arg(lossy.join(QLatin1Char('\n')));
}

Result BulkEditModel::writeRow(TID3ListItem &t, int row)
{
    Result first;
    const QStringList &c1 = v1Grid[row];
    const QStringList c2 = row < v2Grid.size() ? v2Grid[row] : QStringList(V2Columns);
    if (v1Enabled) {
        TID3v1Record &r = t.V1;
        if (chkArtist)
            r.Artist = toTagCodePage(artist.text);
        if (chkAlbum)
            r.Album = toTagCodePage(album.text);
        if (chkYear)
            r.Year = toTagCodePage(year.text);
        if (chkGenre)
            r.Genre = selGenre.text.isEmpty() ? NoGenre : GenreCode(selGenre.text);
        if (chkTitle)
            r.Title = toTagCodePage(c1.value(V1Title));
        // ID3v1.1 keeps the title's last byte zero.
        r.Title = r.Title.bytes().left(29);
        if (chkComment)
            r.Comment = toTagCodePage(c1.value(V1Comment)).left(28);
        if (chkTrack) {
            if (const int n = cellNumber(c1.value(V1Track)); n != 0)
                r.Track = uint8_t(((n % 256) + 256) % 256);
        }
        if (anyV1Field())
            if (const Result w = writeV1(t, m_store.V1Reader()); !w && first.ok())
                first = w;
    }
    if (m_v2Enabled) {
        TID3v2Record &r = t.V2;
        r.TextEncoding = uint16_t(TagEditorModel::encodingCode(encodingIndex));
        if (chkArtist)
            r.Artist = artist.text;
        if (chkAlbum)
            r.Album = album.text;
        const int n = cellNumber(c2.value(V2Track));
        r.TrackNumber = n > 0 && n <= 65535 ? uint16_t(n) : 0;
        if (chkYear)
            r.Year = year.text;
        if (chkGenre)
            r.Genre = m_store.GenreText(selGenre.text);
        if (chkTitle) r.Title = c2.value(V2Title);
        if (chkComment) r.Comment = c2.value(V2Comment);
        if (chkEncodedBy) r.EncodedBy = c2.value(V2EncodedBy);
        if (chkCopyright) r.Copyright = c2.value(V2Copyright);
        if (chkOriginal) r.OriginalArtist = c2.value(V2OriginalArtist);
        if (chkUrl) r.Url = c2.value(V2Url);
        if (chkComposer) r.Composer = c2.value(V2Composer);
        if (anyV2Field())
            if (const Result w = writeV2(t); !w && first.ok())
                first = w;
    }
    return first;
}

SaveOutcome BulkEditModel::save(const SaveProgress &progress)
{
    m_confirmedArtist = artist.text;
    m_confirmedAlbum = album.text;
    QList<TID3ListItem *> tracks;
    QList<int> rows;
    for (int r = 1; r < v1Grid.size(); ++r) {
        if (TID3ListItem *t = v1Tracks.value(r)) {
            rows.append(r);
            tracks.append(t);
        }
    }
    int next = 0; // runSave writes the tracks once each, in order
    const QString description = QStringLiteral("bulk edit of %1 files").arg(tracks.size());
    return runSave(m_store, m_journal, description, tracks,
                   [&](TID3ListItem &t) { return writeRow(t, rows[next++]); }, progress);
}

} // namespace vireo::editing
