#include "core/views/TrackTable.h"

#include "core/views/ColumnTags.h"

#include <QLocale>

#include <algorithm>
#include <cstdlib>
#include <numeric>

namespace vireo::views {

const std::vector<TrackColumn> &trackColumns()
{
    constexpr auto tagAt = [](size_t position) { return trackcolumn::kTagOfPosition[position]; };
    static const std::vector<TrackColumn> columns = {
        {0, QString(), tagAt(0), 25, false},
        {1, QStringLiteral("歌詞"), tagAt(1), 30, false},
        {2, QStringLiteral("フォルダ名"), tagAt(2), 50, false},
        {3, QStringLiteral("ファイル名"), tagAt(3), 200, false},
        {4, QStringLiteral("Track"), tagAt(4), 20, true},
        {5, QStringLiteral("タイトル"), tagAt(5), 200, false},
        {6, QStringLiteral("アーティスト"), tagAt(6), 100, false},
        {7, QStringLiteral("アルバム"), tagAt(7), 200, false},
        {8, QStringLiteral("Year"), tagAt(8), 50, false},
        {9, QStringLiteral("Genre"), tagAt(9), 50, false},
        {10, QStringLiteral("Comment"), tagAt(10), 50, false},
        {11, QStringLiteral("ID3Info"), tagAt(11), -1, false},
    };
    return columns;
}

int columnPositionOfTag(int tag) { return trackcolumn::positionOfTag(tag); }

QCollator viewCollator()
{
    QCollator collator{QLocale()};
    collator.setCaseSensitivity(Qt::CaseSensitive);
    collator.setNumericMode(false);
    collator.setIgnorePunctuation(false);
    return collator;
}

namespace {
constexpr int kTrackCell = 3;       // cell of the "Track" column
constexpr int kTrackSortKey = 5;    // its sort key (position 4 + 1)

// The "Track" cell holds a decimal number or nothing.
int trackNumberOf(const QString &cell) { return cell.toInt(); }
} // namespace

TrackTable::TrackTable() : m_collator(viewCollator()) {}

void TrackTable::setRowFiller(RowFiller filler)
{
    m_filler = std::move(filler);
    refreshCells();
}

void TrackTable::setCollator(const QCollator &collator)
{
    m_collator = collator;
    dropSortKeys();
}

void TrackTable::dropSortKeys()
{
    for (auto &keys : m_sortKeys)
        keys.clear();
}

void TrackTable::fill(const TrackList &tracks, bool markMissing, bool showV2)
{
    m_markMissing = markMissing;
    m_showV2 = showV2;
    dropSortKeys();
    m_entries.clear();
    m_entries.reserve(tracks.size());
    for (TID3ListItem *t : tracks)
        m_entries.push_back(Entry{t, std::nullopt});
    m_order.resize(m_entries.size());
    std::iota(m_order.begin(), m_order.end(), 0);
    sort();
}

void TrackTable::clear()
{
    dropSortKeys();
    m_entries.clear();
    m_order.clear();
}

const TrackRow &TrackTable::rowOfEntry(const Entry &e) const
{
    if (!e.Row)
        e.Row = m_filler ? m_filler(e.Track, m_markMissing, m_showV2) : TrackRow{};
    return *e.Row;
}

TID3ListItem *TrackTable::track(int row) const
{
    if (row < 0 || row >= rowCount())
        return nullptr;
    return m_entries[size_t(m_order[size_t(row)])].Track;
}

const TrackRow &TrackTable::row(int row) const
{
    static const TrackRow empty;
    if (row < 0 || row >= rowCount())
        return empty;
    return rowOfEntry(m_entries[size_t(m_order[size_t(row)])]);
}

QString TrackTable::cellText(int r, int position) const
{
    if (position < 1 || position >= kTrackColumnCount)
        return QString();
    return row(r).Cells[size_t(position - 1)];
}

int TrackTable::imageIndex(int r) const
{
    return row(r).ImageIndex;
}

int TrackTable::rowOfTrack(const TID3ListItem *t) const
{
    for (int r = 0; r < rowCount(); ++r)
        if (track(r) == t)
            return r;
    return -1;
}

void TrackTable::removeRow(int r)
{
    if (r < 0 || r >= rowCount())
        return;
    const int entry = m_order[size_t(r)];
    m_entries.erase(m_entries.begin() + entry);
    for (auto &keys : m_sortKeys)
        if (!keys.empty())
            keys.erase(keys.begin() + entry);
    m_order.erase(m_order.begin() + r);
    for (int &o : m_order)
        if (o > entry)
            --o;
}

void TrackTable::removeTrack(const TID3ListItem *t)
{
    for (int r = rowCount() - 1; r >= 0; --r)
        if (track(r) == t)
            removeRow(r);
}

void TrackTable::refreshCells()
{
    dropSortKeys();
    for (Entry &e : m_entries)
        e.Row.reset();
}

void TrackTable::setSortKey(int key)
{
    m_sortKey = std::clamp(key, -kTrackColumnCount, kTrackColumnCount);
}

int TrackTable::validSortColumn(int position)
{
    return position >= 0 && position < kTrackColumnCount ? position : 1;
}

void TrackTable::setLastSortColumn(int position)
{
    m_lastSortColumn = validSortColumn(position);
}

void TrackTable::columnClick(int position)
{
    position = validSortColumn(position);
    if (position + 1 == std::abs(m_sortKey))
        m_sortKey = -m_sortKey;
    else
        m_sortKey = position + 1;
    sort();
    m_lastSortColumn = position;
}

int TrackTable::compareRows(int a, int b, int key) const
{
    const int k = std::abs(key);
    int result = 0;
    if (k <= 2) {
        // The image column's caption and the "歌詞" cell are always empty.
        result = 0;
    } else if (k == kTrackSortKey) {
        const QString &ta = rowOfEntry(m_entries[size_t(a)]).Cells[kTrackCell];
        const QString &tb = rowOfEntry(m_entries[size_t(b)]).Cells[kTrackCell];
        // Rows without a number come first (and stay together, in the order added).
        if (ta.isEmpty() || tb.isEmpty())
            result = int(tb.isEmpty()) - int(ta.isEmpty());
        else
            result = trackNumberOf(ta) - trackNumberOf(tb);
    } else {
        const int cell = k - 2;
        result = m_collator.compare(rowOfEntry(m_entries[size_t(a)]).Cells[size_t(cell)],
                                    rowOfEntry(m_entries[size_t(b)]).Cells[size_t(cell)]);
    }
    return key < 0 ? -result : result;
}

void TrackTable::sort()
{
    std::iota(m_order.begin(), m_order.end(), 0);
    const int k = std::abs(m_sortKey);
    if (k <= 2 || m_entries.size() < 2)
        return;
    const bool descending = m_sortKey < 0;
    if (k == kTrackSortKey) {
        // -1 for an empty cell puts those rows before every number.
        std::vector<int> value(m_entries.size());
        for (size_t i = 0; i < m_entries.size(); ++i) {
            const QString &cell = rowOfEntry(m_entries[i]).Cells[kTrackCell];
            value[i] = cell.isEmpty() ? -1 : trackNumberOf(cell);
        }
        std::stable_sort(m_order.begin(), m_order.end(), [&](int a, int b) {
            const bool ea = value[size_t(a)] < 0, eb = value[size_t(b)] < 0;
            if (ea || eb)
                return descending ? (eb && !ea) : (ea && !eb);
            return descending ? value[size_t(a)] > value[size_t(b)] : value[size_t(a)] < value[size_t(b)];
        });
        return;
    }
    const size_t cell = size_t(k - 2);
    std::vector<QCollatorSortKey> &keys = m_sortKeys[cell];
    if (keys.size() != m_entries.size()) {
        keys.clear();
        keys.reserve(m_entries.size());
        for (const Entry &e : m_entries)
            keys.push_back(m_collator.sortKey(rowOfEntry(e).Cells[cell]));
    }
    std::stable_sort(m_order.begin(), m_order.end(), [&](int a, int b) {
        const int c = keys[size_t(a)].compare(keys[size_t(b)]);
        return descending ? c > 0 : c < 0;
    });
}

} // namespace vireo::views
