#pragma once
// The composition root: owns, privately and for the whole run, every service
// the windows use and hands each out by accessor. Controllers receive what
// they need through their constructors; nothing else reaches into this object.
//
// Services present today: the library store (made and freed by the start-up
// and shutdown sequence), the settings store, the browsing state of the
// library (trees, track table, toggles) and the run state (folders, flags).
// Services still to come get their own slot below, each a private
// std::unique_ptr with one accessor, made where the start-up sequence makes it.
#include "core/app/AppSession.h"
#include "core/views/LibraryViews.h"
#include "gui/shell/StoreAccess.h"

#include <QString>

#include <functional>
#include <memory>

namespace vireo {
class TAdvancedFileCopy;
class TID3TagUseful;
class TRegManager;
namespace views {
class StoreTrackSource;
}
}

namespace vireo {
struct PlayerChoice;
}

namespace vireo::gui {

class PlaybackServices;

class AppServices : public StoreAccess {
public:
    AppServices();
    ~AppServices() override;
    AppServices(const AppServices &) = delete;
    AppServices &operator=(const AppServices &) = delete;

    // The library store; null before start-up makes it and after shutdown frees it.
    TID3TagUseful *store() const override { return m_store.get(); }
    // Made by start-up from the program folder (loads the compilation list).
    void makeStore();
    // Shutdown: the store writes the ID3v1 cache, then the ID3v2 cache.
    void destroyStore();

    TRegManager &settings() { return *m_settings; }
    void setSettings(std::unique_ptr<TRegManager> store);

    // The library as the views read it (empty without a store).
    const vireo::views::TrackSource &library() const;
    vireo::views::LibraryViews &views() { return *m_views; }
    vireo::views::BrowseState &browse() { return m_views->browse(); }
    AppSession &session() { return *m_session; }

    // The built-in players, the mixer, the remote player and the MPRIS
    // service; made by start-up ("MP3プレイヤーコントローラ初期化"), stopped
    // and freed by shutdown ("内蔵プレイヤー開放").
    PlaybackServices *playback() const { return m_playback.get(); }
    void makePlayback(std::function<PlayerChoice()> choice);
    void destroyPlayback();

    // The copy planner of the copy tab, for the whole run.
    TAdvancedFileCopy &copier() { return *m_copier; }

    // Still to come, each with its accessor here:
    //   playlists()    the playlist tab's objects (core/playlists)

private:
    std::unique_ptr<AppSession> m_session;
    std::unique_ptr<TRegManager> m_settings;
    std::unique_ptr<vireo::views::StoreTrackSource> m_source;
    std::unique_ptr<vireo::views::LibraryViews> m_views;
    std::unique_ptr<TID3TagUseful> m_store;
    std::unique_ptr<PlaybackServices> m_playback;
    std::unique_ptr<TAdvancedFileCopy> m_copier;
};

} // namespace vireo::gui
