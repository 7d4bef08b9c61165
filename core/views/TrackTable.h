#pragma once
// The rows of the main track list: borrowed tracks in the order a view added
// them, their cells made lazily by the store's row filler, and the column-click
// sort. The GUI wraps it in a QAbstractItemModel.
#include "core/views/TrackSource.h"

#include <QCollator>
#include <QString>

#include <array>
#include <optional>
#include <vector>

namespace vireo::views {

// The twelve columns of the track list, by position.
struct TrackColumn {
    int Position;
    QString Caption;
    int Tag;          // 0: no tag (positions 0 and 1)
    int DesignWidth;  // -1: fills the rest
    bool RightAligned;
};
inline constexpr int kTrackColumnCount = 12;
const std::vector<TrackColumn> &trackColumns();
// Position of the first column with that tag, or -1.
int columnPositionOfTag(int tag);

// The text comparison of the views: the user's locale, case-sensitive.
QCollator viewCollator();

class TrackTable {
public:
    TrackTable();

    void setRowFiller(RowFiller filler);
    // Collation for the text columns (the user's locale unless set).
    void setCollator(const QCollator &collator);

    // Replaces the rows: one per track, in order, then sorts with the current sort key.
    void fill(const TrackList &tracks, bool markMissing, bool showV2);
    void clear();

    int rowCount() const { return int(m_order.size()); }
    // Row by display position (after sorting).
    TID3ListItem *track(int row) const;
    const TrackRow &row(int row) const;
    // Column position 0 is the image column (empty text); 1..11 are cells 0..10.
    QString cellText(int row, int position) const;
    int imageIndex(int row) const;
    // Display position of the first row of a track, or -1.
    int rowOfTrack(const TID3ListItem *track) const;

    // Removes one row / every row of a track (a track the store is about to free).
    void removeRow(int row);
    void removeTrack(const TID3ListItem *track);
    // Makes the cells again (after a tag change), keeping rows and order.
    void refreshCells();

    // Sort key: 0 not sorted; position + 1 of the sort column, negative descending.
    int sortKey() const { return m_sortKey; }
    void setSortKey(int key);
    // A header click: the same column flips the direction, another sorts ascending.
    // A position outside 0..11 counts as 1.
    void columnClick(int position);
    int lastSortColumn() const { return m_lastSortColumn; }
    // From the settings; a value outside 0..11 becomes 1.
    void setLastSortColumn(int position);
    static int validSortColumn(int position);

    // Sorts the rows (stable: equal rows keep the order they were added in).
    void sort();

    // Compares two added rows by index under sort key k (<0, 0, >0), as the sort does.
    int compareRows(int addedA, int addedB, int key) const;

private:
    struct Entry {
        TID3ListItem *Track = nullptr;
        mutable std::optional<TrackRow> Row;
    };
    const TrackRow &rowOfEntry(const Entry &e) const;

    void dropSortKeys();

    RowFiller m_filler;
    QCollator m_collator;
    // Collation keys of a text column's cells, made on the first sort by it.
    std::array<std::vector<QCollatorSortKey>, kTrackColumnCount> m_sortKeys;
    std::vector<Entry> m_entries;   // in the order added
    std::vector<int> m_order;       // display position -> entry index
    bool m_markMissing = false;
    bool m_showV2 = false;
    int m_sortKey = 0;
    int m_lastSortColumn = 1;
};

} // namespace vireo::views
