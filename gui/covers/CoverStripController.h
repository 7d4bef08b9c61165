#pragma once
// Owns the cover strip and its cover cache, installs the strip in the main
// window's cover strip region, follows the browse state's album list and
// selected cover, and opens a cover's album: in the album tabs on the artist
// page, or as the album-tree node on the album page.
#include <QObject>

#include <memory>

class QAction;
class QTabWidget;
class QTreeView;

namespace vireo {
struct MainWindowSettings;
namespace views {
class LibraryViews;
}
}

namespace vireo::gui {
class MainMediator;
struct CoverStripWidgets;
}

namespace vireo::covers {

class CoverCache;
class CoverStrip;

class CoverStripController : public QObject {
    Q_OBJECT
public:
    // leftPages and albumTree are the left panel's page control and album tree.
    CoverStripController(views::LibraryViews &views, gui::MainMediator &mediator,
                         gui::CoverStripWidgets &region, QTabWidget *leftPages, QTreeView *albumTree,
                         QObject *parent = nullptr);
    ~CoverStripController() override;

    CoverStrip &strip() { return *m_strip; }
    CoverCache &cache() { return *m_cache; }

    // "カバーアートリスト" and "閉じる": the strip window shown or hidden (JKListVisible).
    void setStripVisible(bool on);
    bool stripVisible() const;
    // Takes the menu command that shows the strip, so its check mark follows.
    void attachVisibilityAction(QAction *action);

    void applySettings(const MainWindowSettings &s);
    void collectSettings(MainWindowSettings &s) const;

    void OpenCoverAlbum(int column);

private:
    void coversChanged(bool scrollToFirst);

    views::LibraryViews &m_views;
    gui::MainMediator &m_mediator;
    gui::CoverStripWidgets &m_region;
    QTabWidget *m_leftPages;
    QTreeView *m_albumTree;
    std::unique_ptr<CoverCache> m_cache;
    CoverStrip *m_strip = nullptr;
    QAction *m_visibility = nullptr;
    bool m_visible = true;
};

} // namespace vireo::covers
