#pragma once
// The track list: its columns (widths, hide and show by tag), sorting by a
// header click, select all, the selection size in the status bar, its context
// menu and "キャッシュから削除".
#include "core/views/TrackColumns.h"

#include <QObject>

class QItemSelection;

namespace vireo::gui {

class AppServices;
class DataModule;
class TrackListModel;
struct MainWidgets;

class TrackListController : public QObject {
    Q_OBJECT
public:
    TrackListController(MainWidgets &w, AppServices &app, const DataModule &images,
                        QObject *parent = nullptr);

    TrackListModel &model() { return *m_model; }

    // Width of the column at a position (0 = hidden), and setting it.
    int columnWidth(int position) const;
    void setColumnWidth(int position, int width);
    // Width of the column with a tag, and setting it (0 hides it and clears
    // its "ListSetting" check mark).
    int widthOfTag(int tag) const;
    void setWidthOfTag(int tag, int width);
    // Restore widths by tag 1..10: what a hidden column gets back when shown.
    void setRestoreWidth(int tag, int width);
    int restoreWidth(int tag) const;
    // The "ListSetting" command of a tag.
    void toggleColumn(int tag);

    // A header click on a position: sorts, and that column becomes LastSortColumn.
    void columnClick(int position);
    void selectAll();
    // "キャッシュから削除".
    void deleteSelectedFromCache();
    // The track list was refilled: the selection is gone.
    void rowsChanged();

private:
    void selectionChanged(const QItemSelection &selected, const QItemSelection &deselected);
    // Shows the widths and check marks the column state holds.
    void showWidths();

    MainWidgets &w;
    AppServices &app;
    TrackListModel *m_model;
    views::ColumnWidths m_widths;
    bool m_showingWidths = false;
};

} // namespace vireo::gui
