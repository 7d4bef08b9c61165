#include "gui/library/ScanController.h"

#include "gui/app/AppServices.h"
#include "gui/app/MainTexts.h"
#include "gui/app/MainWidgets.h"
#include "core/app/AppSession.h"
#include "core/library/EventLog.h"
#include "gui/library/FindFileForm.h"
#include "core/library/LibraryScan.h"
#include "core/library/LibraryStore.h"
#include "core/platform/FileAccess.h"
#include "gui/views/BrowseController.h"
#include "gui/views/TreesController.h"

#include <QAction>
#include <QApplication>
#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QLabel>
#include <QMainWindow>
#include <QMessageBox>
#include <QMimeData>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableView>

#include <memory>

namespace vireo::gui {

namespace {

const QString kSearchCaption = QStringLiteral("MP3ファイルの検索");
const QString kSearching = QStringLiteral("MP3ファイルの検索中...");
const QString kReadingTags = QStringLiteral("TAG情報の取得中...");
const QString kBuilding = QStringLiteral("ファイル情報の構成中...");
const QString kStatusSearching = QStringLiteral("MP3ファイルを検索中...");
const QString kDropCaption = QStringLiteral("MP3ファイルのD&D");
const QString kDropChecking = QStringLiteral("MP3ファイルのチェック中...");
const QString kDropBuilding = QStringLiteral("構成中...");
const QString kDropQuestion = QStringLiteral("ファイルを追加しますか？");
const QString kChooseFolder = QStringLiteral("フォルダを選択してください。");

// The window side of a scan: the progress window, the status bar and the
// rebuild of the views at the moment the scan asks for it.
class WindowScanHost : public ScanHost {
public:
    WindowScanHost(MainWidgets &w, AppServices &app, BrowseController &browse, TreesController &trees)
        : w(w), app(app), browse(browse), trees(trees)
    {
    }

    void scanStarted(const QString &) override
    {
        app.browse().libraryRefreshing();
        browse.apply();
        w.SpTBXLabelItem4->setText(kStatusSearching);
        form = std::make_unique<TFindFileForm>(w.window, kSearchCaption, kSearching);
        form->repaintNow();
    }
    void processEvents() override
    {
        if (form)
            form->processEvents();
    }
    void showFolder(const QString &folder) override
    {
        if (form)
            form->setProgressText(folder);
    }
    void showFile(const QString &path) override
    {
        if (form)
            form->setProgressText(path);
    }
    bool cancelRequested() override { return form && form->cancelled(); }
    void readingTags(qsizetype) override
    {
        if (!form)
            return;
        form->setTitle(kReadingTags);
        form->setCancelEnabled(false);
    }
    void readingFile(const QString &path, qsizetype, qsizetype) override
    {
        if (!form)
            return;
        form->setProgressText(path);
        form->repaintNow();
    }
    void searchFinished() override { form.reset(); }
    void rebuildViews(bool wholeLibrary, const ScanOutcome &outcome) override
    {
        if (wholeLibrary) {
            // The playlist tab is filled here once playlists exist.
            TFindFileForm building(w.window, kSearchCaption, kBuilding);
            building.repaintNow();
            trees.rebuildTrees();
        } else {
            trees.addFolderView(scannedFolder, int(outcome.Files.size()));
        }
    }
    void showTrackCount(const QString &text) override { w.SpTBXLabelItem2->setText(text); }
    void libraryCleared() override
    {
        app.browse().libraryRefreshing();
        browse.apply();
    }
    void showMessage(const QString &text) override
    {
        QMessageBox::warning(w.window, text::kAppTitle, text);
    }

    QString scannedFolder;

private:
    MainWidgets &w;
    AppServices &app;
    BrowseController &browse;
    TreesController &trees;
    std::unique_ptr<TFindFileForm> form;
};

} // namespace

ScanController::ScanController(MainWidgets &widgets, AppServices &services, BrowseController &b,
                               TreesController &t, QObject *parent)
    : QObject(parent), w(widgets), app(services), browse(b), trees(t)
{
    connect(w.actions.openDefault, &QAction::triggered, this, &ScanController::openDefaultFolder);
    connect(w.actions.checkLatest, &QAction::triggered, this, &ScanController::openDefaultFolder);
    connect(w.actions.cacheRebuild, &QAction::triggered, this, &ScanController::rebuildCache);
    connect(w.actions.openFolder, &QAction::triggered, this, &ScanController::openChosenFolder);
    connect(w.actions.checkFolder, &QAction::triggered, this, &ScanController::openChosenFolder);
    w.ListView_MAIN->viewport()->installEventFilter(this);
    m_askDrop = [this] {
        return QMessageBox::warning(w.window, text::kAppTitle, kDropQuestion,
                                    QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
    };
}

void ScanController::openDefaultFolder()
{
    TID3TagUseful *store = app.store();
    if (!store)
        return;
    WindowScanHost host(w, app, browse, trees);
    OpenDefaultFolder(*store, app.session().musicFolder(), app.session().startingUp(), host);
    w.SpTBXLabelItem4->clear();
}

void ScanController::rebuildCache()
{
    TID3TagUseful *store = app.store();
    if (!store)
        return;
    WindowScanHost host(w, app, browse, trees);
    RebuildCache(*store, app.session().musicFolder(), host);
    w.SpTBXLabelItem4->clear();
}

void ScanController::openChosenFolder()
{
    const QString folder = QFileDialog::getExistingDirectory(w.window, kChooseFolder,
                                                             app.session().lastFolder());
    if (!folder.isEmpty())
        openFolder(folder);
    w.PageControl1->setCurrentIndex(4);
}

void ScanController::openFolder(const QString &folder)
{
    app.session().setLastFolder(folder);
    scanFolder(folder, false);
}

int ScanController::scanFolder(const QString &folder, bool wholeLibrary)
{
    TID3TagUseful *store = app.store();
    if (!store)
        return 0;
    WindowScanHost host(w, app, browse, trees);
    host.scannedFolder = folder.endsWith(u'/') ? folder : folder + u'/';
    const ScanOutcome out = ScanFolder(*store, folder, wholeLibrary, host);
    w.SpTBXLabelItem4->clear();
    return int(out.Files.size());
}

void ScanController::addDropped(const QStringList &names)
{
    TID3TagUseful *store = app.store();
    if (!store)
        return;
    WriteLog(QStringLiteral("MP3ファイル読み込み処理開始"));
    WriteLog(QStringLiteral("DROPしたMP3ファイル数") + QString::number(names.size()) + QStringLiteral("ファイル"));
    app.browse().libraryRefreshing();
    browse.apply();
    {
        TFindFileForm form(w.window, kDropCaption, kDropChecking);
        form.repaintNow();
        form.setTitle(kReadingTags);
        form.setCancelEnabled(false);
        for (const QString &name : names) {
            WriteLog(name);
            const FileStat st = statFile(name);
            if (st.exists && !st.isDir) {
                form.setProgressText(name);
                form.repaintNow();
                store->FindOrRead(name, st.dosDate, st.size);
            } else {
                scanFolder(name, true);
            }
        }
        form.setTitle(kDropBuilding);
        form.repaintNow();
        trees.rebuildTrees();
        store->ReleaseRetired();
        w.SpTBXLabelItem2->setText(text::kTrackCountPrefix + QString::number(store->TrackCount()));
    }
    WriteLog(QStringLiteral("MP3ファイル読み込みワーク解放"));
    w.SpTBXLabelItem4->clear();
    trees.switchToArtistView();
}

bool ScanController::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != w.ListView_MAIN->viewport())
        return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto *e = static_cast<QDropEvent *>(event);
        if (!e->mimeData()->hasUrls() || !(e->possibleActions() & Qt::CopyAction))
            return false;
        e->setDropAction(Qt::CopyAction);
        e->accept();
        // Near the top or bottom edge the list scrolls.
        const int y = e->position().toPoint().y();
        QScrollBar *bar = w.ListView_MAIN->verticalScrollBar();
        if (y < 15)
            bar->setValue(bar->value() - 1);
        else if (y > w.ListView_MAIN->viewport()->height() - 15)
            bar->setValue(bar->value() + 1);
        return true;
    }
    case QEvent::Drop: {
        auto *e = static_cast<QDropEvent *>(event);
        QStringList names;
        for (const QUrl &u : e->mimeData()->urls())
            if (u.isLocalFile())
                names << u.toLocalFile();
        e->acceptProposedAction();
        if (!names.isEmpty() && m_askDrop && m_askDrop())
            addDropped(names);
        return true;
    }
    default:
        return QObject::eventFilter(watched, event);
    }
}

} // namespace vireo::gui
