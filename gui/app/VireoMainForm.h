#pragma once
// The main window: places the regions, creates one controller per region and
// connects their commands and signals, and runs the start-up and shutdown
// sequence of the program.
#include "gui/shell/DataModule.h"
#include "gui/shell/PlayerBarWidgets.h"

#include <QMainWindow>
#include <memory>

namespace vireo {
struct MainWindowSettings;
}

namespace vireo::covers {
class CoverStripController;
}
namespace vireo::fileinfo {
class FileInfoController;
class FileInfoPanel;
}

namespace vireo::gui {

class AppServices;
class CsvExportCommand;
class LayoutController;
class MainMediator;
class ScanController;
class SearchController;
class TAboutBox;
class TrackListController;
class TreesController;
struct CoverStripWidgets;
struct LowerPanelWidgets;
struct MenuWidgets;
struct SearchPageWidgets;
struct StatusBarWidgets;
struct TrackAreaWidgets;
struct TreePanelWidgets;

class TVireoMainForm : public QMainWindow {
    Q_OBJECT
public:
    // Runs the whole start-up, including the first scan, before it returns.
    explicit TVireoMainForm(AppServices &app, QWidget *parent = nullptr);
    ~TVireoMainForm() override;

    AppServices &services() { return app; }
    // The controllers, one per region.
    LayoutController &layout() { return *m_layout; }
    TrackListController &trackList() { return *m_trackList; }
    TreesController &trees() { return *m_trees; }
    SearchController &search() { return *m_search; }
    ScanController &scans() { return *m_scans; }
    TAboutBox &aboutBox() { return *m_about; }
    covers::CoverStripController &covers() { return *m_covers; }
    fileinfo::FileInfoController &fileInfo() { return *m_fileInfo; }
    fileinfo::FileInfoPanel &fileInfoPanel() { return *m_fileInfoPanel; }
    // The regions' widgets, for tests and for subsystems that install themselves.
    MenuWidgets &menus();
    TreePanelWidgets &treePanel();
    SearchPageWidgets &searchPage();
    TrackAreaWidgets &trackArea();
    PlayerBarWidgets &playerBar() { return m_playerBar; }
    LowerPanelWidgets &lowerPanel();
    CoverStripWidgets &coverStrip();
    StatusBarWidgets &statusWidgets();

    // The shutdown ran (settings and caches written).
    bool shutDown() const { return m_shutDown; }
    // A close that came from a termination signal shows no message boxes.
    void setQuietClose(bool quiet) { m_quietClose = quiet; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void createControllers();
    void connectCommands();
    void applySettings(const MainWindowSettings &s);
    void collectSettings(MainWindowSettings &s) const;
    void startUp();
    void shutdown();

    AppServices &app;
    DataModule m_images;
    std::unique_ptr<MainWindowSettings> m_settings;
    MainMediator *m_mediator = nullptr;
    LayoutController *m_layout = nullptr;
    TrackListController *m_trackList = nullptr;
    PlayerBarWidgets m_playerBar; // until the playback controller owns it
    TreesController *m_trees = nullptr;
    SearchController *m_search = nullptr;
    ScanController *m_scans = nullptr;
    CsvExportCommand *m_csv = nullptr;
    TAboutBox *m_about = nullptr;
    covers::CoverStripController *m_covers = nullptr;
    fileinfo::FileInfoPanel *m_fileInfoPanel = nullptr;
    fileinfo::FileInfoController *m_fileInfo = nullptr;
    bool m_shutDown = false;
    bool m_quietClose = false;
};

} // namespace vireo::gui
