#include "gui/app/VireoMainForm.h"

#include "core/app/AppSession.h"
#include "core/library/EventLog.h"
#include "core/library/LibraryStore.h"
#include "core/platform/Paths.h"
#include "core/settings/MainWindowSettings.h"
#include "core/settings/SettingsCatalogue.h"
#include "core/settings/TagCodePageSetting.h"
#include "core/views/LibraryViews.h"
#include "gui/app/AboutBox.h"
#include "gui/app/AppServices.h"
#include "gui/app/LayoutController.h"
#include "gui/covers/CoverStripController.h"
#include "gui/fileinfo/FileInfoController.h"
#include "gui/fileinfo/FileInfoPanel.h"
#include "gui/fileops/CsvExportCommand.h"
#include "gui/library/ScanController.h"
#include "gui/shell/MainMediator.h"
#include "gui/shell/MainTexts.h"
#include "gui/shell/TrackAreaWidgets.h"
#include "gui/shell/TreePanelWidgets.h"
#include "gui/views/SearchController.h"
#include "gui/views/TrackListController.h"
#include "gui/views/TreesController.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMessageBox>
#include <QTableView>

namespace vireo::gui {

namespace {
void log(const char16_t *text) { WriteLog(QString::fromUtf16(text)); }
} // namespace

TVireoMainForm::TVireoMainForm(AppServices &services, QWidget *parent)
    : QMainWindow(parent), app(services), m_settings(std::make_unique<MainWindowSettings>())
{
    setObjectName(QStringLiteral("VireoMainForm"));
    setWindowTitle(text::kAppTitle);
    QFont f(QStringLiteral("Tahoma"));
    f.setPointSize(8);
    setFont(f);
    resize(915, 743);

    createControllers();
    connectCommands();
    startUp();
}

TVireoMainForm::~TVireoMainForm()
{
    if (!m_shutDown)
        shutdown();
}

// Each controller makes and owns its region; the window places the regions.
// A subsystem that arrives later is created here as well and installed into
// its region's host (see docs/architecture.md).
void TVireoMainForm::createControllers()
{
    m_mediator = new MainMediator(this);
    m_layout = new LayoutController(this, *m_mediator, this);
    m_trackList = new TrackListController(app, app.views(), *m_mediator, m_images, this, this);
    m_playerBar = buildPlayerBar(this);
    installPlayerBar(m_trackList->widgets(), m_playerBar);
    m_layout->addToolbarMenuTo(m_trackList->widgets().TBXToolbar4);
    m_trees = new TreesController(app.views(), app.session(), *m_mediator, m_images, this, this);
    m_trees->widgets().treeMenu->insertAction(m_trees->widgets().showAlbumArtist, m_layout->menus().showCounts);
    m_search = new SearchController(app.views(), *m_mediator, this);
    m_trees->widgets().installPage(TreePanelWidgets::SearchPage, m_search->widgets().page);
    m_layout->placeRegions(m_trees->widgets().Panel_ArticetList, m_trackList->widgets().area);
    m_scans = new ScanController(app, app.views(), app.session(), *m_mediator, this, this);
    m_csv = new CsvExportCommand(app, this, this);
    m_about = new TAboutBox(this);
    m_covers = new covers::CoverStripController(app.views(), *m_mediator, m_layout->coverStrip(),
                                                m_trees->widgets().PageControl1,
                                                m_trees->widgets().TreeView_Album, this);
    m_fileInfoPanel = new fileinfo::FileInfoPanel;
    m_layout->lowerPanel().installPage(LowerPanelWidgets::FileInfoPage, m_fileInfoPanel);
    m_fileInfo = new fileinfo::FileInfoController(*m_fileInfoPanel, this);
}

// The menu and toolbar commands, each to the controller that carries it out.
void TVireoMainForm::connectCommands()
{
    MenuWidgets &a = m_layout->menus();
    connect(a.openDefault, &QAction::triggered, m_scans, &ScanController::openDefaultFolder);
    connect(a.checkLatest, &QAction::triggered, m_scans, &ScanController::openDefaultFolder);
    connect(a.cacheRebuild, &QAction::triggered, m_scans, &ScanController::rebuildCache);
    connect(a.openFolder, &QAction::triggered, m_scans, &ScanController::openChosenFolder);
    connect(a.checkFolder, &QAction::triggered, m_scans, &ScanController::openChosenFolder);
    connect(m_trackList, &TrackListController::filesDropped, m_scans, &ScanController::filesDropped);
    connect(a.csvOutput, &QAction::triggered, m_csv, &CsvExportCommand::run);
    connect(a.showAll, &QAction::triggered, m_trackList, &TrackListController::showWholeLibrary);
    connect(a.selectAll, &QAction::triggered, m_trackList, &TrackListController::selectAll);
    connect(a.showCounts, &QAction::toggled, m_trees, &TreesController::setShowCounts);
    connect(a.exit, &QAction::triggered, this, &QWidget::close);
    connect(a.about, &QAction::triggered, m_about, &QDialog::exec);

    m_covers->attachVisibilityAction(a.coverArtList);
    // The file information page follows the track last selected in the track list.
    QTableView *list = m_trackList->widgets().ListView_MAIN;
    connect(list->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current) {
                if (current.isValid())
                    if (TID3ListItem *t = app.browse().table().track(current.row()))
                        m_fileInfo->showTrack(t);
            });
    connect(m_fileInfo, &fileinfo::FileInfoController::cannotRead, this,
            [this](const QString &message) { QMessageBox::warning(this, text::kAppTitle, message); });
    a.artworkShow->setEnabled(true);
    a.artworkShow->setChecked(m_fileInfoPanel->artworkAction()->isChecked());
    connect(a.artworkShow, &QAction::toggled, m_fileInfoPanel, &fileinfo::FileInfoPanel::setArtworkVisible);
    connect(m_fileInfoPanel->artworkAction(), &QAction::toggled, a.artworkShow, &QAction::setChecked);
}

MenuWidgets &TVireoMainForm::menus() { return m_layout->menus(); }
TreePanelWidgets &TVireoMainForm::treePanel() { return m_trees->widgets(); }
SearchPageWidgets &TVireoMainForm::searchPage() { return m_search->widgets(); }
TrackAreaWidgets &TVireoMainForm::trackArea() { return m_trackList->widgets(); }
LowerPanelWidgets &TVireoMainForm::lowerPanel() { return m_layout->lowerPanel(); }
CoverStripWidgets &TVireoMainForm::coverStrip() { return m_layout->coverStrip(); }
StatusBarWidgets &TVireoMainForm::statusWidgets() { return m_layout->statusBar(); }

void TVireoMainForm::applySettings(const MainWindowSettings &s)
{
    setGeometry(s.left, s.top, s.width, s.height);
    m_trackList->applySettings(s);
    m_trees->applySettings(s);
    m_layout->applySettings(s);
    m_covers->applySettings(s);
    m_fileInfoPanel->applySettings(s);
    if (TID3TagUseful *store = app.store()) {
        store->CacheOnly = s.cacheOnly;
        store->GenreCodeInText = s.genreCodeInText;
        store->PreferV2 = s.preferV2;
    }
    app.session().setMusicFolder(s.musicFolder);
    app.session().setLastFolder(s.musicFolder);
}

void TVireoMainForm::collectSettings(MainWindowSettings &s) const
{
    s.maximized = isMaximized();
    const QRect normal = normalGeometry();
    if (normal.isValid()) {
        s.top = normal.top();
        s.left = normal.left();
        s.height = normal.height();
        s.width = normal.width();
    }
    m_trackList->collectSettings(s);
    m_trees->collectSettings(s);
    m_layout->collectSettings(s);
    m_covers->collectSettings(s);
    m_fileInfoPanel->collectSettings(s);
    if (TID3TagUseful *store = app.store()) {
        s.preferV2 = store->PreferV2;
        s.cacheOnly = store->CacheOnly;
        s.genreCodeInText = store->GenreCodeInText;
    }
    s.musicFolder = app.session().musicFolder();
}

void TVireoMainForm::startUp()
{
    AppSession &session = app.session();
    session.setClosing(false);
    // The program folder becomes the current folder; the logs live there.
    session.setProgramFolder(programFolder());
    QDir::setCurrent(session.programFolder());
    eventLog().setFolder(session.programFolder());
    RotateLogs();
    setLoggingEnabled(true);

    // ID3v1 texts and the ID3v1 cache are read in the tag code page: choose it first.
    applyTagCodePageSetting();
    app.makeStore();
    app.store()->setMessageHandler([this](const QString &message) {
        QMessageBox::critical(this, text::kAppTitle, message);
    });
    session.setStartingUp(true);
    app.browse().switchViewMode(views::ViewMode::Loading);
    app.browse().table().setSortKey(0);
    app.browse().takeChanges();

    app.setSettings(makeSettingsStore());
    loadSettings(app.settings(), *m_settings, [this] { app.store()->LoadCaches(); });
    applySettings(*m_settings);

    session.setLastFolder(m_settings->musicFolder);
    log(u"メニューの初期化開始");
    log(u"メニューの初期化終了");
    log(u"MP3プレイヤーコントローラ初期化開始");
    log(u"MP3プレイヤーコントローラ初期化終了");

    m_scans->openDefaultFolder();
    session.setStartingUp(false);
    m_trackList->columnClick(app.browse().table().lastSortColumn());
    m_search->clearV2Box();
    m_playerBar.quickPlay->setChecked(false);
    log(u"初期化処理終了");
}

void TVireoMainForm::closeEvent(QCloseEvent *event)
{
    app.session().setClosing(true);
    if (!m_shutDown)
        shutdown();
    event->accept();
}

void TVireoMainForm::shutdown()
{
    m_shutDown = true;
    log(u"終了処理開始");
    collectSettings(*m_settings);
    const Result saved = saveSettings(app.settings(), *m_settings);
    if (!saved.ok() && !m_quietClose)
        QMessageBox::critical(this, text::kAppTitle, saved.message());

    log(u"内蔵プレイヤー開放");
    log(u"内蔵プレイヤー開放終了");
    log(u"MP3リストバッファ開放");
    m_trackList->clearRows();
    log(u"MP3リストバッファ開放終了");
    if (QFile::exists(app.session().tempPlaylistPath()))
        QFile::remove(app.session().tempPlaylistPath());
    log(u"M3Uリスト開放");
    log(u"M3Uリスト開放終了");
    m_trees->clearTrees();

    log(u"MP3リスト開放");
    app.destroyStore();
    log(u"MP3リスト開放");
    log(u"カバーアートリスト開放開始");
    log(u"カバーアートリスト開放終了");
    app.views().setHiddenGenres({});
    log(u"Vireo終了");
}

} // namespace vireo::gui
