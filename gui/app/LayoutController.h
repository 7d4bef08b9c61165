#pragma once
// The main window's frame: the menus and toolbars, the status bar, the lower
// panel, the cover strip window and the splitters that hold the regions; and
// the layout commands (tree panel and lower panel toggles, layouts A and B,
// the toolbar theme and text options). Owns those regions' widgets.
#include "gui/shell/CoverStripWidgets.h"
#include "gui/shell/LowerPanelWidgets.h"
#include "gui/shell/MenuWidgets.h"
#include "gui/shell/StatusBarWidgets.h"

#include <QObject>

class QMainWindow;
class QSplitter;
class QToolBar;
class QWidget;

namespace vireo {
struct MainWindowSettings;
}

namespace vireo::gui {

class MainMediator;

class LayoutController : public QObject {
    Q_OBJECT
public:
    // Builds the menus, the second toolbar, the cover strip window, the lower
    // panel and the status bar of `window`.
    LayoutController(QMainWindow *window, MainMediator &mediator, QObject *parent = nullptr);

    // Puts the left panel and the track-list area into the window, with the
    // lower panel below the track list.
    void placeRegions(QWidget *treePanel, QWidget *trackArea);
    // A right click on this toolbar opens the toolbar menu as well.
    void addToolbarMenuTo(QToolBar *toolbar);

    MenuWidgets &menus() { return m_menus; }
    StatusBarWidgets &statusBar() { return m_status; }
    LowerPanelWidgets &lowerPanel() { return m_lower; }
    CoverStripWidgets &coverStrip() { return m_cover; }
    QSplitter *mainSplitter() const { return m_mainSplitter; }

    void setTreePanelVisible(bool visible);
    bool treePanelVisible() const;
    void setLowerPanelOpen(bool open);
    bool lowerPanelOpen() const;
    // Applies a stored theme name; an unknown name selects Fusion but the
    // stored text is kept and written back.
    void applySkin(const QString &name);
    QString skin() const { return m_skin; }
    void setLayoutA();
    void setLayoutB();

    // Panel width and visibility, the theme, the "曲数表示" check mark.
    void applySettings(const MainWindowSettings &s);
    void collectSettings(MainWindowSettings &s) const;

private:
    QMainWindow *window;
    MenuWidgets m_menus;
    CoverStripWidgets m_cover;
    LowerPanelWidgets m_lower;
    StatusBarWidgets m_status;
    QSplitter *m_mainSplitter = nullptr;  // left panel | right area
    QSplitter *m_rightSplitter = nullptr; // track list | lower panel
    QWidget *m_treePanel = nullptr;
    QString m_skin;
};

} // namespace vireo::gui
