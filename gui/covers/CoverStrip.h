#pragma once
// JacketListWindow's content: a one-row strip of album covers between a "<"
// and a ">" button, with its pop-up menu (web search, three sizes, album
// names, close) and a hint naming the album and artist under the pointer.
// Covers come from a CoverCache, found and decoded when a cell is first painted.
#include "core/views/CoverStripGeometry.h"
#include "core/views/NodeData.h"

#include <QFont>
#include <QWidget>

class QAction;
class QActionGroup;
class QMenu;
class QToolButton;

namespace vireo {
struct MainWindowSettings;
}

namespace vireo::covers {

class CoverCache;
class CoverGrid;

class CoverStrip : public QWidget {
    Q_OBJECT
public:
    CoverStrip(CoverCache &cache, QWidget *parent = nullptr);

    // Replaces the album list (the cells, in order) and repaints.
    void SetCovers(const views::AlbumList &list);
    // Selects a cell and scrolls it into view (negative values become 0).
    void SelectCover(int row, int column);
    // Scrolls so the column is the first visible one (the selection stays).
    void scrollToColumn(int column);

    const views::AlbumList &covers() const { return m_list; }
    views::StripView view() const { return m_view; }
    int selectedColumn() const { return m_view.selected; }
    int firstVisibleColumn() const { return m_view.first; }

    // JKListSize: 1..3, the cell side is 64 × the step (JKListSizeChangeClick).
    void setSizeStep(int setting);
    int sizeStep() const { return m_sizeStep; }
    int cellSide() const { return views::coverCellSide(m_sizeStep); }
    // JKListAlbumname: album names drawn on the covers.
    void setShowAlbumNames(bool on);
    bool showAlbumNames() const { return m_showNames; }
    // The height of the artist tree's font, which places the caption.
    void setCaptionFontHeight(int pixels);
    int captionFontHeight() const { return m_captionFontHeight; }
    const QFont &cellFont() const { return m_cellFont; }

    void applySettings(const MainWindowSettings &s);
    void collectSettings(MainWindowSettings &s) const;

    QMenu *popupMenu() const { return m_menu; }
    QAction *searchAction() const { return m_search; }
    QAction *closeAction() const { return m_close; }
    QToolButton *previousButton() const { return m_prev; }
    QToolButton *nextButton() const { return m_next; }
    QWidget *grid() const;
    CoverCache &cache() { return m_cache; }

signals:
    // A cell was chosen (click, "<" or ">"): show its album.
    void OpenCoverAlbum(int column);
    // "画像検索（amazon)" on the selected cell.
    void coverSearchRequested(int column);
    // "閉じる".
    void closeRequested();

private:
    friend class CoverGrid;
    void stepLeft();
    void stepRight();
    void gridResized();
    void cellPressed(int column, bool open);
    void buildMenu();

    CoverCache &m_cache;
    views::AlbumList m_list;
    views::StripView m_view;
    int m_sizeStep = 1;
    bool m_showNames = false;
    int m_captionFontHeight = 0;
    QFont m_cellFont;
    CoverGrid *m_grid = nullptr;
    QToolButton *m_prev = nullptr;
    QToolButton *m_next = nullptr;
    QMenu *m_menu = nullptr;
    QAction *m_search = nullptr;
    QAction *m_sizes[3] = {};
    QAction *m_names = nullptr;
    QAction *m_close = nullptr;
};

} // namespace vireo::covers
