#include "app/StoreTrackSource.h"

#include "library/LibraryStore.h"
#include "views/StoreTrackSource.h"

namespace vireo::gui {

qsizetype StoreTrackSource::trackCount() const { return m_store ? m_store->TrackCount() : 0; }

TID3ListItem *StoreTrackSource::trackAt(qsizetype index) const
{
    return m_store ? m_store->TrackAt(index) : nullptr;
}

bool StoreTrackSource::cacheOnly() const { return m_store && m_store->CacheOnly; }

bool StoreTrackSource::preferV2() const { return m_store && m_store->PreferV2; }

views::TrackRow StoreTrackSource::fillRow(const TID3ListItem *track, bool markMissing, bool showV2) const
{
    if (!m_store || !track)
        return {};
    return views::toTrackRow(m_store->FillListRow(const_cast<TID3ListItem *>(track), markMissing, showV2));
}

} // namespace vireo::gui
