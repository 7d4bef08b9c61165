#include "core/editing/Rename.h"

#include "core/editing/EditingTexts.h"
#include "core/editing/TagWriteBack.h"
#include "core/library/LibraryStore.h"
#include "core/library/TrackRecord.h"
#include "core/platform/CodePage.h"
#include "core/platform/FileAccess.h"

namespace vireo::editing {

NameModeTexts nameModeTexts(NameMode mode)
{
    const QString dropNote = QStringLiteral("追加後、MP3ﾌｧｲﾙをﾄﾞﾗｯｸﾞ&ﾄﾞﾛｯﾌﾟしてください。");
    switch (mode) {
    case NameMode::ArtistAdd:
        return {QStringLiteral("アーティスト名追加"), QStringLiteral("追加するアーティスト名を入力してください。"), dropNote};
    case NameMode::ArtistRename:
        return {QStringLiteral("アーティスト名変更"), QStringLiteral("変更するアーティスト名を入力してください"),
                QStringLiteral("ここでｱｰﾃｨｽﾄ名を変更すると、現在のｱｰﾃｨｽﾄ名が設定されているMP3ﾌｧｲﾙのｱｰﾃｨｽﾄ名も変更します")};
    case NameMode::AlbumAdd:
        return {QStringLiteral("アルバム名追加"), QStringLiteral("追加するアルバム名を入力してください"), dropNote};
    case NameMode::AlbumRename:
        return {QStringLiteral("アルバム名変更"), QStringLiteral("変更するアルバム名を入力してください"),
                QStringLiteral("ここでｱﾙﾊﾞﾑ名を変更すると、MP3ﾌｧｲﾙのｱﾙﾊﾞﾑ名も変更します")};
    }
    return {};
}

QString enteredName(const QString &fieldText)
{
    return fromSystemCodePage(toSystemCodePage(fieldText));
}

RenameMenuState renameMenuState(TreePage page, int nodeKind)
{
    RenameMenuState s;
    if (page == TreePage::Artist) {
        if (nodeKind == 0)
            s.artistAdd = s.artistRename = s.albumAdd = true;
        else if (nodeKind == 1)
            s.albumAdd = s.albumRename = true;
    } else if (page == TreePage::Album && nodeKind >= 0) {
        s.albumRename = true;
        s.artistNameShown = true;
        s.songCount = false;
    }
    return s;
}

QList<TID3ListItem *> artistTracks(const TID3TagUseful &store, const QString &artist)
{
    QList<TID3ListItem *> out;
    const int p = store.Preference();
    const bool compilation = artist.contains(QStringLiteral("コンピレーション"), Qt::CaseInsensitive);
    for (qsizetype i = 0, n = store.TrackCount(); i < n; ++i) {
        TID3ListItem *t = store.TrackAt(i);
        if (t->MatchArtist(artist, p) >= 0 || (compilation && t->CompilationIndex >= 0))
            out.append(t);
    }
    return out;
}

QList<TID3ListItem *> albumTracks(const TID3TagUseful &store, const QString &artist, const QString &album)
{
    QList<TID3ListItem *> out;
    const int p = store.Preference();
    for (TID3ListItem *t : artistTracks(store, artist))
        if (t->MatchAlbum(album, p) >= 0)
            out.append(t);
    return out;
}

namespace {

// A name the tag code page cannot hold would lose characters in an ID3v2 tag
// of encoding 0, and a new tag has no encoding yet: both get UTF-16.
void keepNameWhole(TID3ListItem &t, const QString &name)
{
    if (!t.HasV2 || (t.V2.TextEncoding == 0 && throughTagCodePage(name) != name))
        t.V2.TextEncoding = 1;
}

Result writeBoth(TID3TagUseful &store, TID3ListItem &t)
{
    const Result r1 = writeV1(t, store.V1Reader());
    const Result r2 = writeV2(t);
    return r1.ok() ? r2 : r1;
}

} // namespace

SaveOutcome renameArtist(TID3TagUseful &store, UndoJournal *journal, const QList<TID3ListItem *> &tracks,
                         const QString &newName, const SaveProgress &progress)
{
    const QByteArray v1 = toTagCodePage(newName);
    return runSave(store, journal, QStringLiteral("rename artist to ") + newName, tracks,
                   [&](TID3ListItem &t) {
                       t.V1.Artist = v1;
                       t.V2.Artist = newName;
                       keepNameWhole(t, newName);
                       return writeBoth(store, t);
                   },
                   progress);
}

SaveOutcome renameAlbum(TID3TagUseful &store, UndoJournal *journal, const QList<TID3ListItem *> &tracks,
                        const QString &newName, const SaveProgress &progress)
{
    const QByteArray v1 = toTagCodePage(newName);
    return runSave(store, journal, QStringLiteral("rename album to ") + newName, tracks,
                   [&](TID3ListItem &t) {
                       t.V1.Album = v1;
                       t.V2.Album = newName;
                       keepNameWhole(t, newName);
                       return writeBoth(store, t);
                   },
                   progress);
}

DropAction dropAction(bool firstPathIsFile, int nodeKind)
{
    if (!firstPathIsFile)
        return DropAction::ScanFolder;
    if (nodeKind == 1)
        return DropAction::AskArtistAndAlbum;
    if (nodeKind == 0)
        return DropAction::AskArtist;
    return DropAction::Nothing;
}

QString dropStatusText(int action, int x, int y)
{
    const QString text = action == 0 ? texts::dropMoved() : action == 1 ? texts::dropCopied() : texts::dropLinked();
    return text.arg(x).arg(y);
}

SaveOutcome applyNamesToFiles(TID3TagUseful &store, UndoJournal *journal, const QStringList &paths,
                              const std::optional<QString> &artist, const std::optional<QString> &album,
                              const SaveProgress &progress)
{
    QList<TID3ListItem *> tracks;
    for (const QString &path : paths) {
        const FileStat st = statFile(path);
        store.DropIfStale(path, st.dosDate);
        tracks.append(store.FindOrRead(path, st.dosDate, st.size));
    }
    const QByteArray v1Artist = artist ? toTagCodePage(*artist) : QByteArray();
    const QByteArray v1Album = album ? toTagCodePage(*album) : QByteArray();
    const QString description = QStringLiteral("drop of %1 files").arg(paths.size());
    return runSave(store, journal, description, tracks,
                   [&](TID3ListItem &t) {
                       if (artist) {
                           t.V1.Artist = v1Artist;
                           t.V2.Artist = *artist;
                           keepNameWhole(t, *artist);
                       }
                       if (album) {
                           t.V1.Album = v1Album;
                           t.V2.Album = *album;
                           keepNameWhole(t, *album);
                       }
                       return writeBoth(store, t);
                   },
                   progress);
}

} // namespace vireo::editing
