#pragma once
// The library store seen as the views' track source while the store may not
// exist yet: empty before start-up makes the store and after shutdown frees it.
#include "views/TrackSource.h"

namespace vireo {
class TID3TagUseful;
}

namespace vireo::gui {

class StoreTrackSource : public views::TrackSource {
public:
    void setStore(const TID3TagUseful *store) { m_store = store; }

    qsizetype trackCount() const override;
    TID3ListItem *trackAt(qsizetype index) const override;
    bool cacheOnly() const override;
    bool preferV2() const override;
    views::TrackRow fillRow(const TID3ListItem *track, bool markMissing, bool showV2) const override;

private:
    const TID3TagUseful *m_store = nullptr;
};

} // namespace vireo::gui
