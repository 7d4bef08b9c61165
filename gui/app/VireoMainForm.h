#pragma once
// The main window: holds every view of the collection and every command,
// and runs the start-up and shutdown sequence of the program.
#include "gui/app/DataModule.h"
#include "gui/app/MainWidgets.h"

#include <QMainWindow>
#include <memory>

namespace vireo {
struct MainWindowSettings;
}

namespace vireo::gui {

class AppServices;
class BrowseController;
class CsvExportCommand;
class LayoutController;
class ScanController;
class SearchController;
class SettingsBinder;
class TAboutBox;
class TrackListController;
class TreesController;

class TVireoMainForm : public QMainWindow {
    Q_OBJECT
public:
    // Runs the whole start-up, including the first scan, before it returns.
    explicit TVireoMainForm(AppServices &app, QWidget *parent = nullptr);
    ~TVireoMainForm() override;

    MainWidgets &widgets() { return w; }
    AppServices &services() { return app; }
    LayoutController &layout() { return *m_layout; }
    TrackListController &trackList() { return *m_trackList; }
    TreesController &trees() { return *m_trees; }
    ScanController &scans() { return *m_scans; }
    TAboutBox &aboutBox() { return *m_about; }
    // The shutdown ran (settings and caches written).
    bool shutDown() const { return m_shutDown; }
    // A close that came from a termination signal shows no message boxes.
    void setQuietClose(bool quiet) { m_quietClose = quiet; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void startUp();
    void shutdown();

    AppServices &app;
    DataModule m_images;
    MainWidgets w;
    std::unique_ptr<MainWindowSettings> m_settings;
    LayoutController *m_layout = nullptr;
    TrackListController *m_trackList = nullptr;
    BrowseController *m_browse = nullptr;
    TreesController *m_trees = nullptr;
    SearchController *m_search = nullptr;
    ScanController *m_scans = nullptr;
    CsvExportCommand *m_csv = nullptr;
    std::unique_ptr<SettingsBinder> m_binder;
    TAboutBox *m_about = nullptr;
    bool m_shutDown = false;
    bool m_quietClose = false;
};

} // namespace vireo::gui
