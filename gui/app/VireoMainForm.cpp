#include "gui/app/VireoMainForm.h"

#include "gui/app/AboutBox.h"
#include "gui/app/AppServices.h"
#include "gui/app/LayoutController.h"
#include "gui/app/MainTexts.h"
#include "gui/fileops/CsvExportCommand.h"
#include "core/app/AppSession.h"
#include "core/library/EventLog.h"
#include "core/views/LibraryViews.h"
#include "core/library/LibraryStore.h"
#include "gui/library/ScanController.h"
#include "core/platform/Paths.h"
#include "core/settings/MainWindowSettings.h"
#include "gui/settings/SettingsBinder.h"
#include "core/settings/SettingsCatalogue.h"
#include "core/settings/TagCodePageSetting.h"
#include "gui/views/BrowseController.h"
#include "gui/views/SearchController.h"
#include "gui/views/TrackListController.h"
#include "gui/views/TrackListModel.h"
#include "gui/views/TreeNodeModel.h"
#include "gui/views/TreesController.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QMessageBox>

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

    w.window = this;
    buildMainMenus(w, m_images);
    buildMainLayout(w, m_images);
    m_layout = new LayoutController(w, this);
    m_trackList = new TrackListController(w, app, m_images, this);
    m_browse = new BrowseController(w, app, m_trackList->model(), this);
    connect(m_browse, &BrowseController::rowsChanged, m_trackList, &TrackListController::rowsChanged);
    m_trees = new TreesController(w, app, *m_browse, m_images, this);
    m_search = new SearchController(w, app, *m_browse, this);
    m_scans = new ScanController(w, app, *m_browse, *m_trees, this);
    m_csv = new CsvExportCommand(w, app, this);
    m_binder = std::make_unique<SettingsBinder>(w, app, *m_layout, *m_trackList);
    m_about = new TAboutBox(this);

    connect(w.actions.exit, &QAction::triggered, this, &QWidget::close);
    connect(w.actions.about, &QAction::triggered, m_about, &QDialog::exec);

    startUp();
}

TVireoMainForm::~TVireoMainForm()
{
    if (!m_shutDown)
        shutdown();
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

    auto settingsStore = makeSettingsStore();
    app.setSettings(std::move(settingsStore));
    loadSettings(app.settings(), *m_settings, [this] { app.store()->LoadCaches(); });
    m_binder->apply(*m_settings);

    session.setLastFolder(m_settings->musicFolder);
    log(u"メニューの初期化開始");
    log(u"メニューの初期化終了");
    log(u"MP3プレイヤーコントローラ初期化開始");
    log(u"MP3プレイヤーコントローラ初期化終了");

    m_scans->openDefaultFolder();
    session.setStartingUp(false);
    m_trackList->columnClick(app.browse().table().lastSortColumn());
    w.v2_cbx->setChecked(false);
    w.actions.quickPlay->setChecked(false);
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
    m_binder->collect(*m_settings);
    const Result saved = saveSettings(app.settings(), *m_settings);
    if (!saved.ok() && !m_quietClose)
        QMessageBox::critical(this, text::kAppTitle, saved.message());

    log(u"内蔵プレイヤー開放");
    log(u"内蔵プレイヤー開放終了");
    log(u"MP3リストバッファ開放");
    app.browse().libraryRefreshing();
    app.browse().takeChanges();
    m_trackList->model().rowsReplaced();
    log(u"MP3リストバッファ開放終了");
    if (QFile::exists(app.session().tempPlaylistPath()))
        QFile::remove(app.session().tempPlaylistPath());
    log(u"M3Uリスト開放");
    log(u"M3Uリスト開放終了");
    m_trees->artistModel().setNodes(nullptr);
    m_trees->albumModel().setNodes(nullptr);
    m_trees->folderModel().setNodes(nullptr);
    app.views().clearTrees();

    log(u"MP3リスト開放");
    app.destroyStore();
    log(u"MP3リスト開放");
    log(u"カバーアートリスト開放開始");
    log(u"カバーアートリスト開放終了");
    app.views().setHiddenGenres({});
    log(u"Vireo終了");
}

} // namespace vireo::gui
