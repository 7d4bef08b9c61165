#pragma once
// The one channel between the main window's controllers. A controller that
// changed shared state says so here; the composition root connects the
// controllers that show that state. No controller holds another.
#include "core/views/BrowseState.h"

#include <QObject>
#include <QString>

namespace vireo::gui {

class MainMediator : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // What the last core operation on the browse state changed, shown in order:
    // album tabs, track rows, the left page, the focus.
    void showBrowseChanges(const views::BrowseChanges &changes)
    {
        if (changes.Tabs)
            emit albumTabsChanged();
        if (changes.Rows)
            emit trackRowsChanged();
        if (changes.ShowArtistPage)
            emit leftPageRequested(0);
        if (changes.ShowAlbumPage)
            emit leftPageRequested(1);
        if (changes.FocusTrackList)
            emit trackListFocusRequested();
        if (changes.Covers)
            emit coversChanged(changes.CoversScrollToFirst);
        if (changes.SelectCover)
            emit coverSelected(*changes.SelectCover);
    }

    // The track rows stay, their cells were made again.
    void showCellChanges() { emit trackCellsChanged(); }
    void requestLeftPage(int page) { emit leftPageRequested(page); }
    void requestTreesRebuild() { emit treesRebuildRequested(); }
    void requestPlaylistsReload() { emit playlistsReloadRequested(); }
    void requestFolderView(const QString &folder, int filesFound) { emit folderViewRequested(folder, filesFound); }
    void requestArtistView() { emit artistViewRequested(); }
    void showTrackCount(const QString &text) { emit trackCountChanged(text); }
    void showStatus(const QString &text) { emit statusChanged(text); }
    void showSelectionSize(const QString &text) { emit selectionSizeChanged(text); }

signals:
    // Browsing
    void albumTabsChanged();
    void trackRowsChanged();
    void trackCellsChanged();
    void leftPageRequested(int page);
    void trackListFocusRequested();
    // The cover strip's album list was replaced (scrolled back to its first cell)
    void coversChanged(bool scrollToFirst);
    // The cover strip's cell to select and scroll into view
    void coverSelected(int column);
    // The library changed under the trees
    void treesRebuildRequested();
    // A whole-library refresh: the playlist tab searches its folder again
    // (before the trees are rebuilt).
    void playlistsReloadRequested();
    void folderViewRequested(const QString &folder, int filesFound);
    void artistViewRequested();
    // Status bar texts
    void trackCountChanged(const QString &text);
    void statusChanged(const QString &text);
    void selectionSizeChanged(const QString &text);
};

} // namespace vireo::gui
