#pragma once
// The track-list area: the album tabs, the track list's columns (widths, hide
// and show by tag), sorting by a header click, select all, the selection size,
// its context menu, "キャッシュから削除", "全曲表示", "ID3v2表示", and drops of
// files on the list. Owns the track-list area's widgets.
#include "core/views/TrackColumns.h"
#include "gui/shell/TrackAreaWidgets.h"

#include <QObject>
#include <QStringList>
#include <vector>

class QItemSelection;
class QMainWindow;

namespace vireo {
class TID3ListItem;
struct MainWindowSettings;
namespace views {
class LibraryViews;
}
}

namespace vireo::gui {

class DataModule;
class MainMediator;
class StoreAccess;
class TrackListModel;

class TrackListController : public QObject {
    Q_OBJECT
public:
    TrackListController(const StoreAccess &store, views::LibraryViews &views, MainMediator &mediator,
                        const DataModule &images, QMainWindow *window, QObject *parent = nullptr);

    TrackAreaWidgets &widgets() { return w; }
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
    // "全曲表示".
    void showWholeLibrary();
    // "キャッシュから削除".
    void deleteSelectedFromCache();
    // These tracks leave the list, the browse state and the library.
    void forgetTracks(const std::vector<TID3ListItem *> &tracks);
    // Shutdown: the list shows no rows.
    void clearRows();

    // The list's font, colours, column widths, sort column, album-tab and ID3v2 toggles.
    void applySettings(const MainWindowSettings &s);
    void collectSettings(MainWindowSettings &s) const;

signals:
    // Files or folders were dropped on the track list (local paths).
    void filesDropped(const QStringList &names);
    // Tracks left the library ("キャッシュから削除", "ファイル削除"): views borrowing them let go.
    void tracksForgotten(const std::vector<const vireo::TID3ListItem *> &tracks);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void selectionChanged(const QItemSelection &selected, const QItemSelection &deselected);
    // The track list was refilled: the selection is gone.
    void rowsChanged();
    void setSelectionSize(const QString &text);
    // Shows the widths and check marks the column state holds.
    void showWidths();
    void showTabs();
    void tabClicked(int index);
    void showChanges();

    const StoreAccess &m_store;
    views::LibraryViews &m_views;
    MainMediator &mediator;
    TrackAreaWidgets w;
    TrackListModel *m_model;
    views::ColumnWidths m_widths;
    QString m_selectionSize = QStringLiteral("0");
    bool m_showingWidths = false;
    bool m_showingTabs = false;
};

} // namespace vireo::gui
