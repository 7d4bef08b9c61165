#pragma once
// The main window's browsing state without the window: the view mode, the
// current track set, the album tabs above the track list, the cover strip's
// album list and the track list rows. Every operation records what changed;
// the window calls one operation, then takeChanges(), then shows the result.
#include "core/views/NodeData.h"
#include "core/views/Search.h"
#include "core/views/TrackSource.h"
#include "core/views/TrackTable.h"
#include "core/views/TreeBuilder.h"

#include <QString>

#include <optional>
#include <vector>

namespace vireo::views {

// `ViewMode` values.
enum class ViewMode : int { WholeLibrary = 0, Artist = 1, Album = 2, Playlists = 3, Loading = 4 };

// One album tab. The caption is what the strip shows and what tabs are found by;
// the kind tells the whole-library tab and the search-result tab from album tabs.
struct AlbumTab {
    enum class Kind { Album, WholeLibrary, SearchResult };
    QString Caption;
    Kind TabKind = Kind::Album;
};

// What an operation changed, for the window to show.
struct BrowseChanges {
    bool ViewModeChanged = false;
    bool Tabs = false;              // the tab strip (captions or active tab)
    bool Rows = false;              // the track table was refilled or emptied
    bool Covers = false;            // the cover strip's album list was replaced
    bool CoversScrollToFirst = false;
    std::optional<int> SelectCover; // cover cell to select and scroll into view
    bool FocusTrackList = false;
    bool ShowArtistPage = false;    // bring the left page's artist tab forward
    bool ShowAlbumPage = false;     // bring the left page's album tab forward
};

// A node of the artist tree (or the folder view) with its parent (nullptr for top level).
struct NodeRef {
    const TreeNode *Node = nullptr;
    const TreeNode *Parent = nullptr;
};

// Typical use by the window: after BuildTrees call treesBuilt(); on a tree
// selection call selectArtistTreeNode() or selectAlbumTreeNode(); on a tab
// click activateTab(); then takeChanges() and show tabs(), table(), albumList().
// The library source must outlive the state; call forgetTrack() before the
// store lets a track go and libraryRefreshing() before a refresh or clear.
class BrowseState {
public:
    explicit BrowseState(const TrackSource &library);

    // Settings and toggles the views read.
    void setShowV2(bool on) { m_showV2 = on; }            // "ID3v2表示" check state
    bool showV2() const { return m_showV2; }
    void setShowNoExistMP3Data(bool on) { m_showNoExist = on; }
    void setAllAlbumTabFlg(bool on) { m_allAlbumTab = on; }
    void setTagPreference(int preference) { m_tagPreference = preference == 2 ? 2 : 1; }
    int tagPreference() const { return m_tagPreference; }
    // After every BuildTrees: takes its tag preference and full album list.
    void treesBuilt(const LibraryTrees &trees);
    const AlbumList &fullAlbumList() const { return m_fullAlbumList; }

    // State.
    ViewMode viewMode() const { return m_viewMode; }
    const TrackList &currentTracks() const { return m_currentTracks; }
    const QString &currentArtist() const { return m_currentArtist; }
    const std::vector<AlbumTab> &tabs() const { return m_tabs; }
    int activeTab() const { return m_activeTab; }
    const AlbumList &albumList() const { return m_albumList; }   // the cover strip's cells
    TrackTable &table() { return m_table; }
    const TrackTable &table() const { return m_table; }

    // Tab strip.
    void clearTabs();
    void addTab(const QString &caption, AlbumTab::Kind kind = AlbumTab::Kind::Album);
    int findTab(const QString &caption) const; // exact, case-sensitive; -1 when none
    void activateTab(int position);
    // The tab-change step for position p: fills the table from the current tracks.
    void tabChange(int position);
    // "ID3v2表示" toggled: rebuilds the rows of the active tab with the other tag shown.
    void toggleShowV2(bool on);

    // View mode switch. For the artist view pass the artist tree's selected node
    // (or its first node); an empty NodeRef means the artist tree is empty.
    void switchViewMode(ViewMode target, NodeRef artistTreeSelection = {});
    // "全曲表示".
    void showWholeLibrary() { switchViewMode(ViewMode::WholeLibrary); }

    // Selection handlers of the artist tree and the folder view.
    void selectArtistTreeNode(NodeRef ref);
    // Selection of an album-tree node at position `position` of the album tree.
    void selectAlbumTreeNode(const TreeNode &node, int position);
    // The artist's tracks into the current set, then the tabs "全曲" and one per album.
    void chooseArtistTracks(const QString &artistKey);

    // SelectArtistAlbum: the artist view, then the first artist node whose key is
    // `artist` exactly and below it the first album node named `album` exactly,
    // each selection running the artist tree's handler. `current` is the tree's
    // selected (or first) node for the switch. Returns what the tree must show selected.
    ArtistAlbumSelection selectArtistAlbum(const std::vector<TreeNode> &artistTree, NodeRef current,
                                           const QString &artist, const QString &album);

    // "検索".
    void search(const SearchRequest &request);

    // A playlist chosen on the playlist tab: the playlist view without album
    // tabs, one row per entry (missing files marked), sorted by the current
    // key. The current track set is not changed.
    void showPlaylist(const TrackList &rows);

    // Before the store frees a track ("キャッシュから削除", "ファイル削除").
    void forgetTrack(const TID3ListItem *track);
    // Before the store is refreshed or cleared: drops every borrowed track and enters mode 4.
    void libraryRefreshing();

    BrowseChanges takeChanges();

private:
    void fillTable(const TrackList &tracks, bool markMissing);
    void emptyTable();
    bool libraryEmpty() const { return m_library.trackCount() == 0; }
    void setViewMode(ViewMode mode);
    void setCovers(const AlbumList &list);

    const TrackSource &m_library;
    TrackTable m_table;
    ViewMode m_viewMode = ViewMode::Loading;
    TrackList m_currentTracks;
    QString m_currentArtist;
    std::vector<AlbumTab> m_tabs;
    int m_activeTab = -1;
    AlbumList m_albumList;
    AlbumList m_fullAlbumList;
    int m_tagPreference = 1;
    bool m_showV2 = false;
    bool m_showNoExist = true;
    bool m_allAlbumTab = false;
    BrowseChanges m_changes;
};

} // namespace vireo::views
