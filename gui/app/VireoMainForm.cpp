#include "gui/app/VireoMainForm.h"

#include "core/app/AppSession.h"
#include "core/library/LibraryStore.h"
#include "core/platform/Paths.h"
#include "core/settings/MainWindowSettings.h"
#include "core/settings/SettingsCatalogue.h"
#include "core/views/LibraryViews.h"
#include "gui/app/AboutBox.h"
#include "gui/app/AppServices.h"
#include "gui/app/LayoutController.h"
#include "core/coverart/CoverSearchSubject.h"
#include "gui/coverart/CoverSearchCommand.h"
#include "gui/covers/CoverCache.h"
#include "gui/editing/EditingCommands.h"
#include "gui/fileops/CopyTab.h"
#include "gui/fileops/CopyTabController.h"
#include "gui/fileops/DragAndDrop.h"
#include "gui/fileops/FileOpsCommands.h"
#include "gui/fileops/SendToMenu.h"
#include "gui/covers/CoverStrip.h"
#include "gui/covers/CoverStripController.h"
#include "gui/fileinfo/FileInfoController.h"
#include "gui/fileinfo/FileInfoPanel.h"
#include "gui/fileops/CsvExportCommand.h"
#include "gui/help/HelpCommands.h"
#include "gui/library/ScanController.h"
#include "gui/options/OptionsController.h"
#include "gui/shell/CoverStripWidgets.h"
#include "gui/shell/MenuWidgets.h"
#include "gui/shell/TrackAreaWidgets.h"
#include "core/platform/Paths.h"
#include "core/views/TrackTable.h"
#include "core/library/TrackRecord.h"
#include "gui/playback/PlayListPage.h"
#include "gui/playlists/PlaylistCommands.h"
#include "gui/playback/PlaybackController.h"
#include "gui/playback/PlaybackServices.h"
#include "gui/playback/QuickPlayBar.h"
#include "gui/playback/TrackListRows.h"
#include "gui/playback/VolumeBar.h"
#include "gui/shell/LowerPanelWidgets.h"
#include "gui/shell/MainMediator.h"
#include "gui/shell/MainTexts.h"
#include "gui/shell/TrackAreaWidgets.h"
#include "gui/shell/TreePanelWidgets.h"
#include "gui/views/SearchController.h"
#include "gui/views/TrackListController.h"
#include "gui/textfix/TextfixCommand.h"
#include "gui/textfix/TextfixWindow.h"
#include "gui/views/TreeNodeModel.h"
#include "gui/views/TreesController.h"

#include <QAction>
#include <QCloseEvent>
#include <QFileInfo>
#include <QTreeView>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QTableView>
#include <QProgressBar>
#include <QTimer>
#include <QToolBar>

#include <utility>

namespace vireo::gui {

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
    LifecycleSteps &steps = *this;
    m_lifecycle = std::make_unique<AppLifecycle>(app.session(), steps);
    m_tellStartup = [this](const QString &message) { QMessageBox::warning(this, text::kAppTitle, message); };
    m_lifecycle->startUp(programFolder());
    if (!m_startupProblems.isEmpty()) // after the window is shown
        QTimer::singleShot(0, this, [this] { m_tellStartup(std::exchange(m_startupProblems, {}).join(u"\n\n")); });
}

TVireoMainForm::~TVireoMainForm()
{
    // A failed settings save was shown by its step already.
    static_cast<void>(m_lifecycle->shutDown());
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
    m_editing = new editing::EditingCommands(app, this);
    m_editing->attachTrackArea(m_trackList->widgets(), app.views());
    m_editing->attachTreeMenu(m_trees->widgets(), m_trees->artistModel(), m_trees->albumModel(), app.views());
    m_about = new TAboutBox(this);
    // The settings store exists from start-up on, like the library store.
    m_options = new OptionsController(app, [this]() -> TRegManager * { return app.store() ? &app.settings() : nullptr; },
                                      *m_settings, this);
    m_coverSearch = std::make_unique<CoverSearchCommand>([this]() -> TRegManager * {
        return app.store() ? &app.settings() : nullptr;
    });
    m_covers = new covers::CoverStripController(app.views(), *m_mediator, m_layout->coverStrip(),
                                                m_trees->widgets().PageControl1,
                                                m_trees->widgets().TreeView_Album, this);
    m_fileInfoPanel = new fileinfo::FileInfoPanel;
    m_layout->lowerPanel().installPage(LowerPanelWidgets::FileInfoPage, m_fileInfoPanel);
    m_fileInfo = new fileinfo::FileInfoController(*m_fileInfoPanel, this);
    m_playlists = new PlaylistCommands(app, app.views(), *m_mediator, m_images,
                                       [this] { return m_settings->playlistFolder; }, this);
    m_fileOps = new FileOpsCommands(this, app.copier(), m_trackList->widgets().ListView_MAIN,
                                    app.browse().table(), this);
    m_layout->lowerPanel().installPage(LowerPanelWidgets::FileCopyPage, &m_fileOps->tab());
    m_fileOps->attachArtistTree(m_trees->widgets().TreeView_Artist);
    FileDropTarget::installRefusing(this);
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
    connectHelpCommands(a.helpContents, a.helpSearch, a.about, m_about);
    for (int page = 0; page < a.options.size(); ++page)
        connect(a.options[page], &QAction::triggered, this, [this, page] {
            // The dialog edits a copy of what the window shows now.
            collectSettings(*m_settings);
            m_options->open(page);
        });
    connect(m_options, &OptionsController::optionsApplied, this, [this](const OptionsOutcome &outcome) {
        applySettings(*m_settings);
        if (outcome.rebuildTrees || outcome.preferenceChanged)
            m_mediator->requestTreesRebuild();
    });
    connect(m_options, &OptionsController::uiApplied, this, [this] {
        m_trackList->applySettings(*m_settings);
        m_trees->applySettings(*m_settings);
    });
    // Until the cover strip has cells, the search runs for the album of the
    // track list's current row.
    if (QMenu *menu = coverStrip().coverMenu; menu && !menu->actions().isEmpty()) {
        QAction *search = menu->actions().first();
        search->setEnabled(true);
        connect(search, &QAction::triggered, this, &TVireoMainForm::searchCoverArt);
    }
    // "直前の保存を取り消す" in the first menu, Ctrl+Z anywhere in the window.
    QAction *undo = m_editing->makeUndoAction(this);
    if (!menuBar()->actions().isEmpty() && menuBar()->actions().first()->menu())
        menuBar()->actions().first()->menu()->insertAction(a.exit, undo);
    // After every save the trees are rebuilt and the artist (the current one
    // when none is named) and album selected again.
    connect(m_editing, &editing::EditingCommands::libraryChanged, this,
            [this](bool, const QString &artist, const QString &album) {
                const QString current = app.views().browse().currentArtist();
                m_trees->rebuildTrees();
                m_trees->selectArtistAlbum(artist.isEmpty() ? current : artist, album);
            });

    // "文字化け修復..." in the tools menu (made here when no other command made it).
    auto *menuOwner = menuBar();
    QMenu *tools = menuOwner->findChild<QMenu *>(QStringLiteral("ToolsMenu"));
    if (!tools) {
        tools = new QMenu(QStringLiteral("ツール(&T)"), menuOwner);
        tools->setObjectName(QStringLiteral("ToolsMenu"));
        // Before "オプション(&O)".
        QAction *before = nullptr;
        for (QAction *m : menuOwner->actions())
            if (m->menu() && !a.options.isEmpty() && m->menu()->actions().contains(a.options.first()))
                before = m;
        menuOwner->insertMenu(before, tools);
    }
    tools->addAction((new TextfixCommand(app, *m_mediator, this, this))->action());

    m_covers->attachVisibilityAction(a.coverArtList);
    // "画像検索（amazon)" on a cover searches for that cell's album.
    connect(&m_covers->strip(), &covers::CoverStrip::coverSearchRequested, this, [this](int column) {
        const views::AlbumList &cells = m_covers->strip().covers();
        if (column >= 0 && column < int(cells.size()) && cells[size_t(column)].Data)
            runCoverSearch(coverart::subjectOfAlbum(cells[size_t(column)]));
    });
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
    m_playlists->attach(treePanel(), trackArea());

    // File operations on the track list's selection.
    TrackAreaWidgets &area = trackArea();
    for (QAction *c : {area.ctxOrderedCopy, area.ctxFileCopy, area.ctxDeleteFile})
        c->setEnabled(true);
    connect(area.ctxOrderedCopy, &QAction::triggered, m_fileOps, &FileOpsCommands::orderedCopy);
    connect(area.ctxFileCopy, &QAction::triggered, m_fileOps, &FileOpsCommands::filesToClipboard);
    connect(area.ctxDeleteFile, &QAction::triggered, m_fileOps, &FileOpsCommands::deleteFiles);
    connect(m_fileOps, &FileOpsCommands::tracksGone, m_trackList, &TrackListController::forgetTracks);
    connect(m_trackList, &TrackListController::tracksForgotten, m_fileOps, &FileOpsCommands::forgetTracks);
    if (area.sendTo) {
        area.sendTo->addActions(m_fileOps->sendTo().menu()->actions());
        area.sendTo->setEnabled(true);
        area.sendTo->menuAction()->setEnabled(true);
    }
    connect(m_fileOps, &FileOpsCommands::selectionSizeText, m_mediator, &MainMediator::showSelectionSize);
    connect(m_fileOps, &FileOpsCommands::statusText, m_mediator, &MainMediator::showStatus);
    connect(m_fileOps, &FileOpsCommands::filesDroppedOnTree, this, &TVireoMainForm::filesDroppedOnArtistTree);
    // The copy list borrows the library's records: it follows every refresh.
    const auto relinkCopyList = [this] {
        TID3TagUseful *store = app.store();
        m_fileOps->copyTab().relink(
            [store](const QString &path) { return store ? store->FindTrack(path) : nullptr; });
    };
    connect(m_mediator, &MainMediator::treesRebuildRequested, this, relinkCopyList);
    connect(m_mediator, &MainMediator::trackRowsChanged, this, relinkCopyList);
}

void TVireoMainForm::filesDroppedOnArtistTree(const QStringList &paths, Qt::DropAction action, QPoint pos)
{
    if (paths.isEmpty())
        return;
    QTreeView *tree = treePanel().TreeView_Artist;
    const QModelIndex index = tree->indexAt(pos);
    const views::TreeNode *node = index.isValid() ? m_trees->artistModel().node(index) : nullptr;
    const views::TreeNode *parent = index.isValid() ? m_trees->artistModel().parentNode(index) : nullptr;
    const QFileInfo first(paths.first());
    switch (vireo::editing::dropAction(first.exists() && first.isFile(), node ? node->kind() : -1)) {
    case vireo::editing::DropAction::ScanFolder:
        m_scans->filesDropped(QStringList{paths.first()});
        return;
    case vireo::editing::DropAction::AskArtistAndAlbum:
        if (node->Data && parent && parent->Data)
            m_editing->applyDrop(paths, parent->Data->Artist, node->Data->Album);
        break;
    case vireo::editing::DropAction::AskArtist:
        if (node->Data)
            m_editing->applyDrop(paths, node->Data->Artist, std::nullopt);
        break;
    case vireo::editing::DropAction::Nothing:
        return;
    }
    const int effect = action == Qt::MoveAction ? 0 : action == Qt::CopyAction ? 1 : 2;
    m_mediator->showStatus(vireo::editing::dropStatusText(effect, pos.x(), pos.y()));
}

void TVireoMainForm::searchCoverArt()
{
    const int row = trackArea().ListView_MAIN->currentIndex().row();
    TID3ListItem *track = row >= 0 ? app.browse().table().track(row) : nullptr;
    if (!track)
        return;
    runCoverSearch(coverart::subjectOfTrack(*track, app.store() ? app.store()->Preference() : 2));
}

void TVireoMainForm::runCoverSearch(const coverart::CoverSearchSubject &subject)
{
    collectSettings(*m_settings);
    m_coverSearch->setProxy(m_settings->proxyUse, m_settings->proxyAddress, m_settings->proxyPort);
    if (!m_coverSearch->run(this, subject.artist, subject.album, subject.folder))
        return;
    // A picture saved into the folder shows at once: the strip and the file
    // information page look for the folder's covers again.
    m_covers->cache().invalidateFolder(subject.folder);
    m_covers->strip().update();
    const int row = trackArea().ListView_MAIN->currentIndex().row();
    if (TID3ListItem *t = row >= 0 ? app.browse().table().track(row) : nullptr)
        m_fileInfo->showTrack(t);
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
    m_editing->setExternalEditor(s.externalTagEditorOn, s.externalTagEditor);
    m_fileOps->sendTo().setup(s.tools, s.toolParams);
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

void TVireoMainForm::makeStore()
{
    app.makeStore();
    if (const QString &problem = app.store()->compilationProblem(); !problem.isEmpty())
        m_startupProblems << problem;
    app.store()->setMessageHandler([this](const QString &message) {
        QMessageBox::critical(this, text::kAppTitle, message);
    });
}

void TVireoMainForm::resetBrowsing()
{
    app.browse().switchViewMode(views::ViewMode::Loading);
    app.browse().table().setSortKey(0);
    app.browse().takeChanges();
}

void TVireoMainForm::loadSettings()
{
    app.setSettings(makeSettingsStore());
    // No settings file at all: the first start asks for the music folder.
    m_scans->setFirstStart(!QFileInfo::exists(app.settings().IniFileName));
    // A settings file the load could not read is logged; the user is told
    // too, since the settings then run on their defaults.
    if (const Result bad = vireo::loadSettings(app.settings(), *m_settings, [this] { app.store()->LoadCaches(); });
        !bad)
        m_startupProblems.prepend(bad.message());
    applySettings(*m_settings);
}

void TVireoMainForm::openDefaultFolder() { m_scans->openDefaultFolder(); }

void TVireoMainForm::sortByLastColumn() { m_trackList->columnClick(app.browse().table().lastSortColumn()); }

void TVireoMainForm::resetToggles()
{
    m_search->clearV2Box();
    m_playerBar.quickPlay->setChecked(false);
}

// The players, the mixer and the remote player belong to the composition
// root; the window installs the play-list page, gives the player bar and the
// track list's play commands their behaviour, and shows the mixer.
void TVireoMainForm::createPlayback()
{
    const MainWindowSettings *settings = m_settings.get();
    app.makePlayback([settings] {
        return PlayerChoice{settings->playDefault, settings->playDefaultOption, settings->playerPath,
                            settings->playerOption};
    });
    PlaybackServices &pb = *app.playback();

    m_playListPage = new PlayListPage(this);
    m_playListPage->bind(&pb.playList());
    m_playListPage->volume()->bind(&pb.mixer());
    lowerPanel().installPage(LowerPanelWidgets::PlayListPage, m_playListPage);

    const QuickPlayControls quick{m_playerBar.quickPlay, m_playerBar.play, m_playerBar.pause, m_playerBar.stop,
                                  m_playerBar.quickPlayLabel, makeQuickPlayProgressBar(this)};
    trackArea().TBXToolbar4->addWidget(quick.bar);
    bindQuickPlay(quick, &pb.commands(), &pb.quickPlay());

    QTableView *list = trackArea().ListView_MAIN;
    PlaybackController::TrackList tracks{
        [this] { return trackTableRows(app.browse().table()); },
        [this, list] { return selectedRowFlags(list, app.browse().table().rowCount()); }};
    m_playback = new PlaybackController(&pb.commands(), &pb.playList(), &pb.quickPlay(), std::move(tracks),
                                        this, this);
    TrackAreaWidgets &area = trackArea();
    for (QAction *a : {m_playerBar.shuffle, m_playerBar.allPlay, m_playerBar.selectPlay, m_playerBar.add,
                       area.ctxPlay, area.ctxAddToPlayList, area.ctxAllPlay})
        a->setEnabled(true);
    connect(m_playerBar.shuffle, &QAction::toggled, m_playback, &PlaybackController::setShuffle);
    connect(m_playerBar.allPlay, &QAction::triggered, m_playback, &PlaybackController::allPlay);
    connect(area.ctxAllPlay, &QAction::triggered, m_playback, &PlaybackController::allPlay);
    connect(m_playerBar.selectPlay, &QAction::triggered, m_playback, &PlaybackController::selectPlay);
    connect(area.ctxPlay, &QAction::triggered, m_playback, &PlaybackController::selectPlay);
    connect(list, &QAbstractItemView::doubleClicked, m_playback, &PlaybackController::selectPlay);
    connect(m_playerBar.add, &QAction::triggered, m_playback, &PlaybackController::add);
    connect(area.ctxAddToPlayList, &QAction::triggered, m_playback, &PlaybackController::add);
    connect(m_playerBar.play, &QAction::triggered, m_playback, &PlaybackController::quickPlay);
    connect(list, &QAbstractItemView::clicked, m_playback, &PlaybackController::quickPlay);
    // A double click in the copy list plays the track list's selection.
    connect(&m_fileOps->copyTab(), &CopyTabController::playSelectionRequested, m_playback,
            &PlaybackController::selectPlay);
    // The tree menu's "ALL PLAY" and "ALL ADD": the right click made the node
    // current, so the track list holds the tracks under it.
    if (QAction *treeAllPlay = findChild<QAction *>(QStringLiteral("treeAllPlay"))) {
        treeAllPlay->setEnabled(true);
        treeAllPlay->setShortcutContext(Qt::WidgetShortcut); // Ctrl+Alt+A belongs to "全曲Play"
        connect(treeAllPlay, &QAction::triggered, m_playback, &PlaybackController::allPlay);
    }
    if (QAction *treeAllAdd = findChild<QAction *>(QStringLiteral("treeAllAdd"))) {
        treeAllAdd->setEnabled(true);
        connect(treeAllAdd, &QAction::triggered, m_playback, &PlaybackController::allAdd);
    }
}

Result TVireoMainForm::saveSettings()
{
    collectSettings(*m_settings);
    const Result saved = vireo::saveSettings(app.settings(), *m_settings);
    if (!saved.ok() && !m_quietClose)
        QMessageBox::critical(this, text::kAppTitle, saved.message());
    return saved;
}

void TVireoMainForm::releaseTrackList() { m_trackList->clearRows(); }

void TVireoMainForm::clearTrees() { m_trees->clearTrees(); }

void TVireoMainForm::destroyStore() { app.destroyStore(); }

void TVireoMainForm::clearHiddenGenres() { app.views().setHiddenGenres({}); }

void TVireoMainForm::makeRemotePlayer() { createPlayback(); }

void TVireoMainForm::releasePlaylists() { m_playlists->release(); }

void TVireoMainForm::releasePlayers()
{
    if (PlaybackServices *playback = app.playback())
        playback->stopAll();
}

void TVireoMainForm::destroyCopier()
{
    // A copy still running stops between files; its file in progress is removed.
    m_fileOps->copyTab().cancelCopy();
    m_fileOps->copyTab().waitForCopy();
}

void TVireoMainForm::closeEvent(QCloseEvent *event)
{
    m_lifecycle->closeRequested();
    static_cast<void>(m_lifecycle->shutDown());
    event->accept();
}

} // namespace vireo::gui
