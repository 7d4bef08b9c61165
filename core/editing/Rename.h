#pragma once
// Artist and album rename from the artist tree, the name dialog's modes, the
// tree menu's enabled items, and the drops of files onto artist and album
// nodes: every rename writes both tags of every file concerned.
#include "core/editing/SaveBatch.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace vireo {
class TID3ListItem;
class TID3TagUseful;
}

namespace vireo::editing {

class UndoJournal;

// TMdlgForm's modes.
enum class NameMode { ArtistAdd = 0, ArtistRename = 1, AlbumAdd = 2, AlbumRename = 3 };
struct NameModeTexts {
    QString title, prompt, note;
};
NameModeTexts nameModeTexts(NameMode mode);
// The name as the dialog returns it: through the system code page.
QString enteredName(const QString &fieldText);

// Which items of the tree menu's "タグ情報追加変更" are enabled.
enum class TreePage { Artist, Album, Other };
struct RenameMenuState {
    bool artistAdd = false, artistRename = false, albumAdd = false, albumRename = false;
    bool songCount = true, artistNameShown = false;
};
// nodeKind: the selected node's kind (0 artist, 1 album), -1 for none.
RenameMenuState renameMenuState(TreePage page, int nodeKind);

// The tracks the artist view lists for an artist (either tag's artist equals
// it without regard to case; "コンピレーション" also takes the compilation tracks),
// and of those the ones of an album, in library order.
QList<TID3ListItem *> artistTracks(const TID3TagUseful &store, const QString &artist);
QList<TID3ListItem *> albumTracks(const TID3TagUseful &store, const QString &artist, const QString &album);

// "Artist名変更": both tags of every track get the new artist (the ID3v1 one
// cut to 30 bytes); tracks without a tag gain it.
SaveOutcome renameArtist(TID3TagUseful &store, UndoJournal *journal, const QList<TID3ListItem *> &tracks,
                         const QString &newName, const SaveProgress &progress = {});
// "Album名変更": the same for the album.
SaveOutcome renameAlbum(TID3TagUseful &store, UndoJournal *journal, const QList<TID3ListItem *> &tracks,
                        const QString &newName, const SaveProgress &progress = {});

// What a drop onto the artist tree does.
enum class DropAction { ScanFolder, AskArtistAndAlbum, AskArtist, Nothing };
// firstPathIsFile: the first dropped path is an existing file; nodeKind: the
// kind of the node under the drop point, -1 for none.
DropAction dropAction(bool firstPathIsFile, int nodeKind);
// The status-bar text of a drop (action 0 move, 1 copy, anything else link).
QString dropStatusText(int action, int x, int y);
// Gives dropped files the artist (and album): each file is looked up in the
// library by its current date (read again when it changed) and both tags written.
SaveOutcome applyNamesToFiles(TID3TagUseful &store, UndoJournal *journal, const QStringList &paths,
                              const std::optional<QString> &artist, const std::optional<QString> &album,
                              const SaveProgress &progress = {});

} // namespace vireo::editing
