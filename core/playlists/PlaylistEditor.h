#pragma once
// The playlist editor without its window: the playlist list on the left (the
// tab's shared objects and those the editor made itself), the rows being
// edited, the current playlist, the modified flag and every command of the
// editor. Questions and file choices go through PlaylistEditorHost, so the
// window answers them with dialogs and tests answer them from a script.
#include "core/playlists/PlaylistFiles.h"
#include "core/views/TrackSource.h"
#include "core/views/TrackTable.h"

#include <QString>

#include <functional>
#include <vector>

namespace vireo {

class TID3TagUseful;

namespace playlists {

// One row of the editor: the track's path and a copy of its cells as the
// track list showed them (rows never borrow a track, so a library refresh
// cannot leave one dangling).
struct EditorRow {
    QString FileName;
    views::TrackRow Row;
};

// A row as FillListRow makes it for a track (or a stand-in).
EditorRow makeEditorRow(const TID3TagUseful &store, TID3ListItem *track, bool markMissing, bool showV2);
// Copies of the given rows (display positions) of the main track list, in
// list order, as "お気に入りに追加" appends them.
std::vector<EditorRow> copyTableRows(const views::TrackTable &table, std::vector<int> rows);

class PlaylistEditorHost {
public:
    virtual ~PlaylistEditorHost() = default;
    // "編集中のデータを保存しますか？" with Yes and No: true for Yes.
    virtual bool askSaveChanges() = 0;
    // "同名のファイルが存在します。上書きしますか？" with Yes and No: true for Yes.
    virtual bool askOverwrite() = 0;
    // The open and save dialogs, starting in the playlist folder; "" when cancelled.
    virtual QString chooseOpenFile(const QString &folder) = 0;
    virtual QString chooseSaveFile(const QString &folder) = 0;
    // A file error the user must see.
    virtual void showError(const QString &message) = 0;
};

class PlaylistEditor {
public:
    using StoreGetter = std::function<TID3TagUseful *()>;
    PlaylistEditor(PlaylistEditorHost &host, StoreGetter store);

    // Opening from the main window: the list becomes the tab's playlists, the
    // playlist folder is taken and modified is cleared; rows and the current
    // playlist stay. Returns the list position of tabSelection (-1 when none).
    int openFromMain(const std::vector<PlaylistPtr> &tabPlaylists, const QString &folder,
                     const TM3UFile *tabSelection = nullptr);
    // "お気に入りに追加": appends copies of rows; each one sets modified.
    void appendRows(const std::vector<EditorRow> &rows);

    // Before "新規作成", "開く" and a click in the list. False when the
    // command must stop: the user wanted the changes saved and the save was
    // cancelled or failed, so nothing may be thrown away.
    bool askToSave();
    // Empties the rows, clears modified, no current playlist.
    void clear();

    // "新規作成".
    void newPlaylist();
    // A click on the list entry at position index.
    bool loadFromList(int index);
    // "開く".
    bool open();
    // "上書き保存" / "保存(&S)": the rows' paths, in order, into the current
    // playlist, saved in the Unicode form. Nothing without a current playlist.
    // On failure the playlist keeps its old entries and modified stays set.
    bool save();
    // "名前をつけて保存": the plain form into the chosen file, which becomes the
    // current playlist and a new list entry. Choosing a playlist the list
    // already holds asks before it is overwritten (in the Unicode form).
    bool saveAs();
    // "やり直し(&Z)" / "キャンセル": drops the changes; a current playlist is
    // loaded again from its entries.
    void undo();

    // "上へ移動" / "下へ移動" for the first selected row: the row's new
    // position (unchanged, and modified untouched, at the ends or without a row).
    int moveUp(int row);
    int moveDown(int row);
    // "削除": every listed row; sets modified when one was deleted.
    void deleteRows(std::vector<int> rows);

    const std::vector<EditorRow> &rows() const { return m_rows; }
    QStringList rowPaths() const;
    bool modified() const { return m_modified; }
    const PlaylistPtr &current() const { return m_current; }
    const std::vector<PlaylistPtr> &list() const { return m_list; }
    // The list position of the current playlist, or -1.
    int currentListIndex() const;
    const QString &folder() const { return m_folder; }
    // Label2: " 編集中:" and the current playlist's path.
    const QString &label() const { return m_label; }

private:
    bool saveTo(const PlaylistPtr &playlist);
    void loadRows(const PlaylistPtr &playlist);
    void setCurrent(PlaylistPtr playlist);

    PlaylistEditorHost &m_host;
    StoreGetter m_store;
    std::vector<PlaylistPtr> m_list;
    PlaylistPtr m_current;
    std::vector<EditorRow> m_rows;
    bool m_modified = false;
    QString m_folder;
    QString m_label;
};

} // namespace playlists
} // namespace vireo
