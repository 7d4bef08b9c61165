#pragma once
// The cover strip window `JacketListWindow` ("Jacket_Panel_c") in the top dock
// and its context menu. Made by buildCoverStrip (docked, hidden); the window
// layout controller owns it. The cover strip controller installs its drawing
// widget with install() and takes over the menu's entries.
class QDockWidget;
class QMainWindow;
class QMenu;
class QWidget;

namespace vireo::gui {

struct CoverStripWidgets {
    QDockWidget *JacketListWindow = nullptr; // the region's root widget
    QMenu *coverMenu = nullptr;

    // Shows `strip` in the dock instead of the disabled placeholder.
    void install(QWidget *strip);
};

CoverStripWidgets buildCoverStrip(QMainWindow *window);

} // namespace vireo::gui
