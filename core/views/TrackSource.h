#pragma once
// What the views read from the library: the tracks in library order, the two
// store flags they depend on, and the store's one way of making a track row.
// StoreTrackSource adapts the library store; VectorTrackSource serves tests
// and benchmarks.
#include <QString>
#include <QtGlobal>

#include <array>
#include <functional>
#include <vector>

namespace vireo {

class TID3ListItem;

namespace views {

using TrackList = std::vector<TID3ListItem *>;

// One track-list row as the store's row filler makes it: 11 cells and an image index.
struct TrackRow {
    static constexpr int CellCount = 11;
    std::array<QString, CellCount> Cells;
    int ImageIndex = 2;
};

// Image indexes of a track row.
inline constexpr int kRowImageV1 = 0;
inline constexpr int kRowImageNone = 2;
inline constexpr int kRowImageMissing = 3;
inline constexpr int kRowImageV2 = 4;

using RowFiller = std::function<TrackRow(const TID3ListItem *track, bool markMissing, bool showV2)>;

class TrackSource {
public:
    virtual ~TrackSource() = default;
    virtual qsizetype trackCount() const = 0;
    // nullptr for an index outside 0..trackCount()-1.
    virtual TID3ListItem *trackAt(qsizetype index) const = 0;
    virtual bool cacheOnly() const = 0;
    virtual bool preferV2() const = 0;
    virtual TrackRow fillRow(const TID3ListItem *track, bool markMissing, bool showV2) const = 0;

    // The tag preference of the views: 2 (ID3v2 first) when preferV2(), else 1.
    int tagPreference() const { return preferV2() ? 2 : 1; }
    TrackList allTracks() const;
    RowFiller rowFiller() const;
};

// A library held as a plain vector of borrowed tracks.
class VectorTrackSource : public TrackSource {
public:
    VectorTrackSource() = default;
    VectorTrackSource(TrackList tracks, RowFiller filler) : m_tracks(std::move(tracks)), m_filler(std::move(filler)) {}

    TrackList &tracks() { return m_tracks; }
    void setCacheOnly(bool on) { m_cacheOnly = on; }
    void setPreferV2(bool on) { m_preferV2 = on; }
    void setRowFiller(RowFiller filler) { m_filler = std::move(filler); }

    qsizetype trackCount() const override { return qsizetype(m_tracks.size()); }
    TID3ListItem *trackAt(qsizetype index) const override
    {
        return index >= 0 && index < trackCount() ? m_tracks[size_t(index)] : nullptr;
    }
    bool cacheOnly() const override { return m_cacheOnly; }
    bool preferV2() const override { return m_preferV2; }
    TrackRow fillRow(const TID3ListItem *track, bool markMissing, bool showV2) const override
    {
        return m_filler ? m_filler(track, markMissing, showV2) : TrackRow{};
    }

private:
    TrackList m_tracks;
    RowFiller m_filler;
    bool m_cacheOnly = false;
    bool m_preferV2 = false;
};

} // namespace views
} // namespace vireo
