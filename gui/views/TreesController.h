#pragma once
// The left-hand trees: the artist tree, the album tree and the folder view,
// their node texts and selections, the page tabs, the tree menu and the
// song-count filter below the artist tree.
#include <QObject>

class QModelIndex;
class QTreeView;

namespace vireo::gui {

class AppServices;
class BrowseController;
class DataModule;
class TreeNodeModel;
struct MainWidgets;

class TreesController : public QObject {
    Q_OBJECT
public:
    TreesController(MainWidgets &w, AppServices &app, BrowseController &browse,
                    const DataModule &images, QObject *parent = nullptr);

    // Rebuilds the artist and album trees from the library (nothing changes
    // when the library is empty).
    void rebuildTrees();
    // Adds a folder node for a folder the user opened, with the files found there.
    void addFolderView(const QString &folder, int filesFound);
    // Shows the artist view and selects the artist (and album) node by exact names.
    void selectArtistAlbum(const QString &artist, const QString &album);
    // The view mode switch to the artist view, for the tree's selected (or first) node.
    void switchToArtistView();

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

    MainWidgets &w;
    AppServices &app;
    BrowseController &browse;
    TreeNodeModel *m_artist;
    TreeNodeModel *m_album;
    TreeNodeModel *m_folder;
    bool m_building = false;
};

} // namespace vireo::gui
