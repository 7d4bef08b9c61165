#include "core/fileops/CopyList.h"

#include "core/library/TrackRecord.h"

#include <algorithm>

namespace vireo {

QString CopyRow::path() const { return Data ? Data->FileName : QString(); }

int CopyList::appendRows(const std::vector<const ListRow *> &selectedInDisplayOrder)
{
    int appended = 0;
    m_rows.reserve(m_rows.size() + selectedInDisplayOrder.size());
    for (const ListRow *source : selectedInDisplayOrder) {
        if (!source || !source->Data || source->ImageIndex == RowImageMissing)
            continue;
        CopyRow row;
        row.Data = source->Data;
        row.Cells = source->Cells;
        row.ImageIndex = source->ImageIndex;
        row.Size = source->Data->FileSize;
        row.Caption = QString::number(m_rows.size() + 1);
        m_planner.AddPlanned(row.Size);
        m_rows.push_back(std::move(row));
        ++appended;
    }
    return appended;
}

void CopyList::swapWithNext(int index)
{
    std::swap(m_rows[size_t(index)], m_rows[size_t(index) + 1]);
    m_rows[size_t(index)].Caption = QString::number(index + 1);
    m_rows[size_t(index) + 1].Caption = QString::number(index + 2);
}

int CopyList::moveUp(int index)
{
    if (index < 0 || index >= count())
        return -1;
    if (index == 0)
        return 0;
    swapWithNext(index - 1);
    return index - 1;
}

int CopyList::moveDown(int index)
{
    if (index < 0 || index >= count())
        return -1;
    if (index == count() - 1)
        return index;
    swapWithNext(index);
    return index + 1;
}

void CopyList::removeRows(std::vector<int> indexes)
{
    std::sort(indexes.begin(), indexes.end());
    indexes.erase(std::unique(indexes.begin(), indexes.end()), indexes.end());
    // From the last to the first, so the positions stay valid.
    for (auto it = indexes.rbegin(); it != indexes.rend(); ++it) {
        if (*it < 0 || *it >= count())
            continue;
        m_planner.RemovePlanned(m_rows[size_t(*it)].Size);
        m_rows.erase(m_rows.begin() + *it);
    }
}

void CopyList::clear()
{
    m_rows.clear();
    m_planner.ClearPlanned();
}

void CopyList::setCopied(int index, bool copied)
{
    if (index >= 0 && index < count())
        m_rows[size_t(index)].Copied = copied;
}

QStringList CopyList::paths() const
{
    QStringList out;
    out.reserve(count());
    for (const CopyRow &row : m_rows)
        out << row.path();
    return out;
}

int CopyList::removeTracks(const std::vector<const TID3ListItem *> &tracks)
{
    std::vector<int> doomed;
    for (int i = 0; i < count(); ++i) {
        if (std::find(tracks.begin(), tracks.end(), m_rows[size_t(i)].Data) != tracks.end())
            doomed.push_back(i);
    }
    removeRows(doomed);
    return int(doomed.size());
}

int CopyList::relink(const std::function<TID3ListItem *(const QString &path)> &find, bool keepRows)
{
    int changed = 0;
    std::vector<int> doomed;
    for (int i = 0; i < count(); ++i) {
        CopyRow &row = m_rows[size_t(i)];
        if (!row.Data)
            continue;
        TID3ListItem *now = find(row.Data->FileName);
        if (now == row.Data)
            continue;
        ++changed;
        if (now || keepRows)
            row.Data = now;
        else
            doomed.push_back(i);
    }
    removeRows(doomed);
    return changed;
}

} // namespace vireo
