#pragma once
// The left panel: the artist tree, the album tree and the folder view, their
// node texts and selections, the page tabs and their scroll buttons, the tree
// menu and the song-count filter below the artist tree. Owns the tree panel's
// widgets.
#include "gui/shell/TreePanelWidgets.h"

#include <QObject>

class QMainWindow;
class QModelIndex;

namespace vireo {
class AppSession;
struct MainWindowSettings;
namespace views {
class LibraryViews;
}
}

namespace vireo::gui {

class DataModule;
class MainMediator;
class TreeNodeModel;

class TreesController : public QObject {
    Q_OBJECT
public:
    TreesController(views::LibraryViews &views, const AppSession &session, MainMediator &mediator,
                    const DataModule &images, QMainWindow *window, QObject *parent = nullptr);

    TreePanelWidgets &widgets() { return w; }

    // Rebuilds the artist and album trees from the library (nothing changes
    // when the library is empty).
    void rebuildTrees();
    // Adds a folder node for a folder the user opened, with the files found there.
    void addFolderView(const QString &folder, int filesFound);
    // Shows the artist view and selects the artist (and album) node by exact names.
    void selectArtistAlbum(const QString &artist, const QString &album);
    // The view mode switch to the artist view, for the tree's selected (or first) node.
    void switchToArtistView();
    // "曲数表示".
    void setShowCounts(bool on);
    // Shutdown: the trees show nothing and their nodes are freed.
    void clearTrees();

    // Tree fonts and colours, hidden genres and the tree toggles.
    void applySettings(const MainWindowSettings &s);
    void collectSettings(MainWindowSettings &s) const;

    TreeNodeModel &artistModel() { return *m_artist; }
    TreeNodeModel &albumModel() { return *m_album; }
    TreeNodeModel &folderModel() { return *m_folder; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void artistNodeChosen(TreeNodeModel &model, const QModelIndex &index);
    void albumNodeChosen(const QModelIndex &index);
    void pageChanged(int page);
    void runFilter();
    bool handlersIdle() const;
    void showChanges();
    void updateScrollButtons();
    void scrollTabs(int direction);

    views::LibraryViews &m_views;
    const AppSession &session;
    MainMediator &mediator;
    TreePanelWidgets w;
    TreeNodeModel *m_artist;
    TreeNodeModel *m_album;
    TreeNodeModel *m_folder;
    bool m_building = false;
};

} // namespace vireo::gui
