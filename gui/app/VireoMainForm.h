#pragma once
// The main window: places the regions, creates one controller per region and
// connects their commands and signals, and carries out the steps of the
// start-up and shutdown sequence that AppLifecycle runs in its fixed order.
#include "core/app/AppLifecycle.h"
#include "gui/shell/DataModule.h"
#include "gui/shell/PlayerBarWidgets.h"

#include <QMainWindow>
#include <QStringList>

#include <functional>
#include <memory>

namespace vireo {
struct MainWindowSettings;
}

namespace vireo::coverart {
struct CoverSearchSubject;
}
namespace vireo::covers {
class CoverStripController;
}
namespace vireo::fileinfo {
class FileInfoController;
class FileInfoPanel;
}

namespace vireo::gui {

class PlaybackController;
class PlayListPage;
class PlaylistCommands;
class FileOpsCommands;
namespace editing {
class EditingCommands;
}

class AppServices;
class CoverSearchCommand;
class CsvExportCommand;
class OptionsController;
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

class TVireoMainForm : public QMainWindow, private LifecycleSteps {
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
    PlaylistCommands &playlists() { return *m_playlists; }
    FileOpsCommands &fileOps() { return *m_fileOps; }
    PlaybackController *playback() { return m_playback; }
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
    bool shutDown() const { return m_lifecycle->shutDownDone(); }
    // A close that came from a termination signal shows no message boxes.
    void setQuietClose(bool quiet) { m_quietClose = quiet; }
    // A settings file or compilation list that is there but could not be
    // read (binary, damaged) is told once, after the window is shown, in one
    // warning box. Tests take the message instead.
    void setStartupNotice(std::function<void(const QString &)> tell) { m_tellStartup = std::move(tell); }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void createControllers();
    void connectCommands();
    // "画像検索（amazon)": the cover search for an album.
    void searchCoverArt();
    void runCoverSearch(const coverart::CoverSearchSubject &subject);
    void applySettings(const MainWindowSettings &s);
    void collectSettings(MainWindowSettings &s) const;

    // The steps of the start-up and shutdown sequence.
    void makeStore() override;
    void resetBrowsing() override;
    void loadSettings() override;
    void openDefaultFolder() override;
    void sortByLastColumn() override;
    void resetToggles() override;
    Result saveSettings() override;
    void releaseTrackList() override;
    void clearTrees() override;
    void destroyStore() override;
    void clearHiddenGenres() override;
    void createPlayback();
    void makeRemotePlayer() override;
    void releasePlayers() override;
    void releasePlaylists() override;
    void destroyCopier() override;
    // Files dropped on the artist tree: a folder is scanned, files on an
    // artist or album node take its names.
    void filesDroppedOnArtistTree(const QStringList &paths, Qt::DropAction action, QPoint pos);

    AppServices &app;
    DataModule m_images;
    std::unique_ptr<MainWindowSettings> m_settings;
    MainMediator *m_mediator = nullptr;
    OptionsController *m_options = nullptr;
    std::unique_ptr<CoverSearchCommand> m_coverSearch;
    LayoutController *m_layout = nullptr;
    TrackListController *m_trackList = nullptr;
    PlayerBarWidgets m_playerBar; // given behaviour by the playback controller
    PlaybackController *m_playback = nullptr;
    PlayListPage *m_playListPage = nullptr;
    PlaylistCommands *m_playlists = nullptr;
    TreesController *m_trees = nullptr;
    SearchController *m_search = nullptr;
    ScanController *m_scans = nullptr;
    CsvExportCommand *m_csv = nullptr;
    editing::EditingCommands *m_editing = nullptr;
    TAboutBox *m_about = nullptr;
    std::unique_ptr<AppLifecycle> m_lifecycle;
    covers::CoverStripController *m_covers = nullptr;
    fileinfo::FileInfoPanel *m_fileInfoPanel = nullptr;
    fileinfo::FileInfoController *m_fileInfo = nullptr;
    FileOpsCommands *m_fileOps = nullptr;
    bool m_quietClose = false;
    QStringList m_startupProblems; // for the start-up notice
    std::function<void(const QString &)> m_tellStartup;
};

} // namespace vireo::gui
