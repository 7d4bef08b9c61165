#include "core/views/StoreTrackSource.h"

#include "core/library/LibraryStore.h"

namespace vireo::views {

qsizetype StoreTrackSource::trackCount() const { return m_store ? m_store->TrackCount() : 0; }

TID3ListItem *StoreTrackSource::trackAt(qsizetype index) const
{
    return index >= 0 && index < trackCount() ? m_store->TrackAt(index) : nullptr;
}

bool StoreTrackSource::cacheOnly() const { return m_store && m_store->CacheOnly; }

bool StoreTrackSource::preferV2() const { return m_store && m_store->PreferV2; }

TrackRow StoreTrackSource::fillRow(const TID3ListItem *track, bool markMissing, bool showV2) const
{
    if (!m_store || !track)
        return {};
    // FillListRow only reads the track; the row merely borrows the pointer.
    return toTrackRow(m_store->FillListRow(const_cast<TID3ListItem *>(track), markMissing, showV2));
}

TrackRow toTrackRow(const ListRow &row)
{
    TrackRow out;
    out.ImageIndex = row.ImageIndex;
    const qsizetype n = std::min<qsizetype>(row.Cells.size(), TrackRow::CellCount);
    for (qsizetype i = 0; i < n; ++i)
        out.Cells[size_t(i)] = row.Cells[i];
    return out;
}

} // namespace vireo::views
