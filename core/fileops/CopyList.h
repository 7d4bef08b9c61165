#pragma once
// The copy list of the copy tab: rows copied from the track list, in the
// order their files will be copied, each with its order number (caption) and
// copied mark. Every change keeps the planner's planned bytes in step.
#include "core/fileops/AdvancedFileCopy.h"
#include "core/library/ListRow.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

namespace vireo {

struct CopyRow {
    TID3ListItem *Data = nullptr; // borrowed from the library store
    QString Caption;              // the order number
    QStringList Cells;            // the track-list row's 11 cells
    int ImageIndex = RowImageNoTag;
    int64_t Size = 0;             // the track's file size, as planned
    bool Copied = false;          // the copied mark
    QString path() const;
};

class CopyList {
public:
    explicit CopyList(TAdvancedFileCopy &planner) : m_planner(planner) {}

    int count() const { return int(m_rows.size()); }
    const CopyRow &at(int index) const { return m_rows[size_t(index)]; }
    const std::vector<CopyRow> &rows() const { return m_rows; }

    // "選択順にコピー": appends the given track-list rows (the selected ones,
    // in display order), skipping rows marked as missing files. Each new row's
    // caption is the row count after it; its size is added to planned.
    // Returns the number of rows appended.
    int appendRows(const std::vector<const ListRow *> &selectedInDisplayOrder);
    // Moves the row one place; returns its new position (the same position
    // when it cannot move, -1 for an invalid index). Both rows touched get
    // their 1-based positions as captions.
    int moveUp(int index);
    int moveDown(int index);
    // Removes the rows at the given positions (any order), subtracting their
    // sizes from planned. Remaining captions are not renumbered.
    void removeRows(std::vector<int> indexes);
    // "クリア": no rows, nothing planned.
    void clear();

    void setCopied(int index, bool copied = true);
    // The source paths in row order (what the copy loop copies).
    QStringList paths() const;
    // Drops every row whose track is among those the library no longer has
    // (after a delete), subtracting their sizes; returns how many went.
    int removeTracks(const std::vector<const TID3ListItem *> &tracks);
    // After the library was refreshed or cleared: each row takes the record
    // the library now holds for its path (find), and a row whose path the
    // library no longer holds leaves the list (or, with keepRows, keeps its
    // place and cells but borrows nothing). Returns how many rows changed.
    int relink(const std::function<TID3ListItem *(const QString &path)> &find, bool keepRows = false);

private:
    void swapWithNext(int index);

    TAdvancedFileCopy &m_planner;
    std::vector<CopyRow> m_rows;
};

} // namespace vireo
