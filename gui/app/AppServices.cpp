#include "gui/app/AppServices.h"

#include "core/app/AppSession.h"
#include "core/fileops/AdvancedFileCopy.h"
#include "core/library/EventLog.h"
#include "core/library/LibraryStore.h"
#include "core/settings/RegManager.h"
#include "core/views/LibraryViews.h"
#include "core/views/StoreTrackSource.h"
#include "gui/playback/PlaybackServices.h"

namespace vireo::gui {

AppServices::AppServices()
    : m_session(std::make_unique<AppSession>()),
      m_settings(std::make_unique<TRegManager>()),
      m_source(std::make_unique<views::StoreTrackSource>()),
      m_views(std::make_unique<views::LibraryViews>(*m_source)),
      m_copier(std::make_unique<TAdvancedFileCopy>())
{
}

AppServices::~AppServices()
{
    destroyPlayback();
    destroyStore();
}

void AppServices::makePlayback(std::function<PlayerChoice()> choice)
{
    m_playback = std::make_unique<PlaybackServices>(m_session->tempPlaylistPath(), std::move(choice),
                                                    [](const QString &line) { WriteLog(line); });
}

void AppServices::destroyPlayback()
{
    if (!m_playback)
        return;
    m_playback->stopAll();
    m_playback.reset();
}

void AppServices::makeStore()
{
    m_store = std::make_unique<TID3TagUseful>(m_session->programFolder() + QStringLiteral("vireo"));
    m_source->setStore(m_store.get());
}

void AppServices::destroyStore()
{
    if (!m_store)
        return;
    m_views->browse().libraryRefreshing();
    m_source->setStore(nullptr);
    m_store.reset();
}

void AppServices::setSettings(std::unique_ptr<TRegManager> store)
{
    m_settings = std::move(store);
}

const views::TrackSource &AppServices::library() const { return *m_source; }

} // namespace vireo::gui
