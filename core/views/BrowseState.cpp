#include "core/views/BrowseState.h"

#include "core/views/TreeBuilder.h"
#include "core/views/ViewTexts.h"

#include "core/library/TrackRecord.h"

#include <algorithm>

namespace vireo::views {

BrowseState::BrowseState(const TrackSource &library) : m_library(library)
{
    m_table.setRowFiller(library.rowFiller());
}

void BrowseState::treesBuilt(const LibraryTrees &trees)
{
    setTagPreference(trees.TagPreference);
    m_fullAlbumList = trees.FullAlbumList;
}

BrowseChanges BrowseState::takeChanges()
{
    BrowseChanges out = m_changes;
    m_changes = BrowseChanges{};
    return out;
}

void BrowseState::setViewMode(ViewMode mode)
{
    if (m_viewMode != mode)
        m_changes.ViewModeChanged = true;
    m_viewMode = mode;
}

void BrowseState::setCovers(const AlbumList &list)
{
    m_albumList = list;
    m_changes.Covers = true;
}

void BrowseState::fillTable(const TrackList &tracks, bool markMissing)
{
    m_table.fill(tracks, markMissing, m_showV2);
    m_changes.Rows = true;
}

void BrowseState::emptyTable()
{
    m_table.clear();
    m_changes.Rows = true;
}

// ---- tab strip ----

void BrowseState::clearTabs()
{
    m_tabs.clear();
    m_activeTab = -1;
    m_changes.Tabs = true;
}

void BrowseState::addTab(const QString &caption, AlbumTab::Kind kind)
{
    m_tabs.push_back(AlbumTab{caption, kind});
    m_changes.Tabs = true;
    if (m_tabs.size() == 1) {
        m_activeTab = 0;
        tabChange(0);
    }
}

int BrowseState::findTab(const QString &caption) const
{
    for (size_t i = 0; i < m_tabs.size(); ++i)
        if (m_tabs[i].Caption == caption)
            return int(i);
    return -1;
}

void BrowseState::activateTab(int position)
{
    if (position < 0 || position >= int(m_tabs.size()))
        return;
    m_activeTab = position;
    m_changes.Tabs = true;
    tabChange(position);
}

void BrowseState::tabChange(int p)
{
    if (m_tabs.empty() || libraryEmpty())
        return;
    if (p >= int(m_tabs.size()))
        p = -1;
    if (p < 0) {
        emptyTable();
        return;
    }
    const AlbumTab &tab = m_tabs[size_t(p)];
    if (tab.TabKind != AlbumTab::Kind::Album || tab.Caption == kAllTracksTab) {
        m_activeTab = p;
        fillTable(m_currentTracks, false);
        return;
    }
    if (m_activeTab < 0) {
        emptyTable();
        return;
    }
    const QString album = m_tabs[size_t(m_activeTab)].Caption;
    TrackList rows;
    for (TID3ListItem *t : m_currentTracks)
        if (t->MatchAlbum(album, m_tagPreference) >= 0)
            rows.push_back(t);
    fillTable(rows, false);
    if (m_viewMode == ViewMode::Artist)
        m_changes.SelectCover = std::max(0, m_activeTab - 1);
}

void BrowseState::toggleShowV2(bool on)
{
    m_showV2 = on;
    if (!m_tabs.empty())
        tabChange(m_activeTab);
}

// ---- view modes ----

void BrowseState::switchViewMode(ViewMode target, NodeRef artistTreeSelection)
{
    if (libraryEmpty())
        return;
    switch (target) {
    case ViewMode::WholeLibrary:
        if (m_viewMode == ViewMode::WholeLibrary)
            return;
        setViewMode(ViewMode::WholeLibrary);
        m_currentArtist.clear();
        m_currentTracks = m_library.allTracks();
        clearTabs();
        // The one unnamed tab lists the whole current set as it becomes active.
        addTab(QString(), AlbumTab::Kind::WholeLibrary);
        m_changes.FocusTrackList = true;
        return;
    case ViewMode::Artist:
        if (m_viewMode == ViewMode::Artist || !artistTreeSelection.Node)
            return;
        setViewMode(ViewMode::Artist);
        selectArtistTreeNode(artistTreeSelection);
        return;
    case ViewMode::Album:
        if (m_viewMode == ViewMode::Album)
            return;
        setViewMode(ViewMode::Album);
        m_currentArtist.clear();
        clearTabs();
        m_currentTracks = m_library.allTracks();
        setCovers(m_fullAlbumList);
        m_changes.FocusTrackList = true;
        return;
    case ViewMode::Playlists:
        if (m_viewMode == ViewMode::Playlists)
            return;
        setViewMode(ViewMode::Playlists);
        m_currentArtist.clear();
        clearTabs();
        emptyTable();
        return;
    case ViewMode::Loading:
        setViewMode(ViewMode::Loading);
        return;
    }
}

// ---- tree selections ----

void BrowseState::chooseArtistTracks(const QString &artistKey)
{
    clearTabs();
    m_currentTracks.clear();
    const bool cacheOnly = m_library.cacheOnly();
    const bool compilations = artistKey.contains(kCompilationNode, Qt::CaseInsensitive);
    const qsizetype n = m_library.trackCount();
    for (qsizetype i = 0; i < n; ++i) {
        TID3ListItem *t = m_library.trackAt(i);
        if (!isTrackVisible(*t, cacheOnly, m_showNoExist))
            continue;
        if (t->MatchArtist(artistKey, m_tagPreference) >= 0 || (compilations && t->CompilationIndex >= 0))
            m_currentTracks.push_back(t);
    }
    addTab(kAllTracksTab);
    for (const AlbumEntry &e : m_albumList)
        m_tabs.push_back(AlbumTab{e.Name, AlbumTab::Kind::Album});
    m_changes.Tabs = true;
}

void BrowseState::selectArtistTreeNode(NodeRef ref)
{
    if (!ref.Node || !ref.Node->Data)
        return;
    const TreeNode &node = *ref.Node;
    if (node.Data->Kind == T_Vireo_NodeData::ArtistKind) {
        m_currentArtist = node.Data->Artist;
        m_changes.CoversScrollToFirst = true;
        setCovers(albumEntriesOf(node.Children));
        chooseArtistTracks(m_currentArtist);
        return;
    }
    if (node.Data->Kind != T_Vireo_NodeData::AlbumKind || !ref.Parent || !ref.Parent->Data)
        return;
    const TreeNode &parent = *ref.Parent;
    if (parent.Data->Artist != m_currentArtist) {
        m_currentArtist = parent.Data->Artist;
        setCovers(albumEntriesOf(parent.Children));
        chooseArtistTracks(m_currentArtist);
    }
    const int tab = findTab(node.Data->Album);
    activateTab(tab >= 0 ? tab : 0);
}

void BrowseState::selectAlbumTreeNode(const TreeNode &node, int position)
{
    if (!node.Data)
        return;
    switchViewMode(ViewMode::Album);
    m_changes.ShowAlbumPage = true;
    const QString album = node.Data->Album;
    if (m_allAlbumTab) {
        const int tab = findTab(album);
        activateTab(tab >= 0 ? tab : 0);
    } else {
        clearTabs();
        addTab(album);
    }
    m_changes.SelectCover = std::max(0, position);
}

ArtistAlbumSelection BrowseState::selectArtistAlbum(const std::vector<TreeNode> &artistTree, NodeRef current,
                                                   const QString &artist, const QString &album)
{
    switchViewMode(ViewMode::Artist, current);
    m_changes.ShowArtistPage = true;
    const ArtistAlbumSelection sel = findArtistAlbum(artistTree, artist, album);
    if (sel.ArtistIndex < 0)
        return sel;
    const TreeNode &node = artistTree[size_t(sel.ArtistIndex)];
    selectArtistTreeNode({&node, nullptr});
    if (sel.AlbumIndex >= 0)
        selectArtistTreeNode({&node.Children[size_t(sel.AlbumIndex)], &node});
    return sel;
}

// ---- search ----

void BrowseState::search(const SearchRequest &request)
{
    m_tabs.clear();
    m_tabs.push_back(AlbumTab{kSearchResultTab, AlbumTab::Kind::SearchResult});
    m_activeTab = 0;
    m_changes.Tabs = true;
    m_currentTracks = SearchTracks(m_library, request);
    fillTable(m_currentTracks, true);
}

// ---- library changes ----

void BrowseState::showPlaylist(const TrackList &rows)
{
    if (m_viewMode != ViewMode::Playlists) {
        setViewMode(ViewMode::Playlists);
        m_currentArtist.clear();
    }
    clearTabs();
    m_table.fill(rows, true, m_showV2);
    m_changes.Rows = true;
}

void BrowseState::forgetTrack(const TID3ListItem *track)
{
    std::erase(m_currentTracks, track);
    const int before = m_table.rowCount();
    m_table.removeTrack(track);
    if (m_table.rowCount() != before)
        m_changes.Rows = true;
}

void BrowseState::libraryRefreshing()
{
    m_currentTracks.clear();
    m_table.clear();
    m_changes.Rows = true;
    setViewMode(ViewMode::Loading);
}

} // namespace vireo::views
