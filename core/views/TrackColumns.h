#pragma once
// Showing and hiding track-list columns by tag with the widths given back,
// and the running size of the selection shown in the status bar.
#include "core/views/TrackTable.h"

#include <QString>

#include <array>

namespace vireo::views {

// Column widths of the track list by position, and the width each tag gets back when shown.
class ColumnWidths {
public:
    ColumnWidths();

    int width(int position) const;
    void setWidth(int position, int width);
    // Restore widths of tags 1..10 (the settings load gives 200, 50, 200, 100, 200, 50, 50, 50, 100, 50).
    int restoreWidth(int tag) const;
    void setRestoreWidth(int tag, int width);

    // A column of width 0 is hidden; the command of a tag is checked while its column shows.
    bool isShown(int tag) const;
    // The "ListSetting" command of a tag: hides its column (keeping its width to
    // give back) when checked, otherwise shows it at the restore width.
    void toggle(int tag);

private:
    std::array<int, kTrackColumnCount> m_widths{};
    std::array<int, 11> m_restore{};     // by tag, index 0 unused
    std::array<bool, 11> m_checked{};    // check marks by tag
};

// The selection-size label after one more row became selected: the label read
// as a number plus the file's size in MB (whole kilobytes / 1024, rounded to one
// decimal, halves to even), written in the shortest form ("0" for zero).
QString addSelectionSize(const QString &label, qint64 fileSize);

} // namespace vireo::views
