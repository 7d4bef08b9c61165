#pragma once
// The library store seen as the views' track source: tracks in library order,
// CacheOnly, PreferV2 and FillListRow, all read live from the store. Without a
// store (before start-up makes it, after shutdown frees it) it is empty.
#include "core/views/TrackSource.h"

namespace vireo {

class TID3TagUseful;
struct ListRow;

namespace views {

class StoreTrackSource : public TrackSource {
public:
    StoreTrackSource() = default;
    explicit StoreTrackSource(const TID3TagUseful &store) : m_store(&store) {}
    void setStore(const TID3TagUseful *store) { m_store = store; }

    qsizetype trackCount() const override;
    TID3ListItem *trackAt(qsizetype index) const override;
    bool cacheOnly() const override;
    bool preferV2() const override;
    TrackRow fillRow(const TID3ListItem *track, bool markMissing, bool showV2) const override;

private:
    const TID3TagUseful *m_store = nullptr;
};

// The store's row as the views keep it.
TrackRow toTrackRow(const ListRow &row);

} // namespace views
} // namespace vireo
