#pragma once
// The composition root: everything the main window owns for the whole run
// (the library store, the settings store, the browsing state, the trees and
// the flags of start-up and shutdown), handed to the controllers by reference.
#include "core/views/BrowseState.h"
#include "core/views/TreeBuilder.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

namespace vireo {
class TID3TagUseful;
class TRegManager;
namespace views {
class StoreTrackSource;
}
}

namespace vireo::gui {


class AppServices {
public:
    AppServices();
    ~AppServices();

    // Made by start-up in its order, destroyed by shutdown in its order.
    void makeStore();
    void destroyStore(); // the store writes the ID3v1 cache, then the ID3v2 cache
    TID3TagUseful *store() const { return m_store.get(); }
    const views::TrackSource &library() const;
    views::BrowseState &browse() { return *m_browse; }
    TRegManager &settings() { return *m_settings; }
    void setSettings(std::unique_ptr<TRegManager> store);

    // Program folder with its final "/", and the temporary playlist beside it.
    QString programFolder;
    QString tempPlaylistPath;
    QString musicFolder;         // MP3Dir, the default music folder
    QString lastFolder;          // the last folder the user picked
    bool startingUp = false;
    bool closing = false;

    QStringList hiddenGenres;    // genres left out of the trees
    bool showNoExistMP3Data = true;
    bool showTitleNums = false;
    bool showAlbumArtist = false;
    views::LibraryTrees trees;
    std::vector<views::TreeNode> folderTree;

private:
    std::unique_ptr<TID3TagUseful> m_store;
    std::unique_ptr<views::StoreTrackSource> m_source;
    std::unique_ptr<views::BrowseState> m_browse;
    std::unique_ptr<TRegManager> m_settings;
};

} // namespace vireo::gui
