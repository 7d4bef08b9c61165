#include "gui/app/AppServices.h"

#include "core/views/StoreTrackSource.h"
#include "core/library/LibraryStore.h"
#include "core/platform/Paths.h"
#include "core/settings/RegManager.h"

namespace vireo::gui {

AppServices::AppServices()
    : m_source(std::make_unique<views::StoreTrackSource>()),
      m_browse(std::make_unique<views::BrowseState>(*m_source)),
      m_settings(std::make_unique<TRegManager>())
{
    m_browse->table().setRowFiller(m_source->rowFiller());
}

AppServices::~AppServices()
{
    destroyStore();
}

void AppServices::makeStore()
{
    m_store = std::make_unique<TID3TagUseful>(programFolder + QStringLiteral("vireo"));
    setLibraryStore(m_store.get());
    m_source->setStore(m_store.get());
}

void AppServices::destroyStore()
{
    if (!m_store)
        return;
    m_browse->libraryRefreshing();
    m_source->setStore(nullptr);
    setLibraryStore(nullptr);
    m_store.reset();
}

void AppServices::setSettings(std::unique_ptr<TRegManager> store)
{
    m_settings = std::move(store);
}

const views::TrackSource &AppServices::library() const { return *m_source; }

} // namespace vireo::gui
