#include "gui/library/ScanController.h"

#include "core/app/AppSession.h"
#include "core/library/EventLog.h"
#include "core/library/LibraryScan.h"
#include "core/library/LibraryStore.h"
#include "core/platform/FileAccess.h"
#include "core/views/LibraryViews.h"
#include "gui/library/FindFileForm.h"
#include "gui/shell/MainMediator.h"
#include "gui/shell/MainTexts.h"
#include "gui/shell/StoreAccess.h"

#include <QFileDialog>
#include <QMessageBox>

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
    WindowScanHost(QWidget *window, views::LibraryViews &views, MainMediator &mediator)
        : window(window), m_views(views), mediator(mediator)
    {
    }

    void scanStarted(const QString &) override
    {
        libraryCleared();
        mediator.showStatus(kStatusSearching);
        form = std::make_unique<TFindFileForm>(window, kSearchCaption, kSearching);
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
            TFindFileForm building(window, kSearchCaption, kBuilding);
            building.repaintNow();
            mediator.requestTreesRebuild();
        } else {
            mediator.requestFolderView(scannedFolder, int(outcome.Files.size()));
        }
    }
    void showTrackCount(const QString &text) override { mediator.showTrackCount(text); }
    void libraryCleared() override
    {
        m_views.browse().libraryRefreshing();
        mediator.showBrowseChanges(m_views.browse().takeChanges());
    }
    void showMessage(const QString &text) override
    {
        QMessageBox::warning(window, text::kAppTitle, text);
    }

    QString scannedFolder;

private:
    QWidget *window;
    views::LibraryViews &m_views;
    MainMediator &mediator;
    std::unique_ptr<TFindFileForm> form;
};

} // namespace

ScanController::ScanController(const StoreAccess &store, views::LibraryViews &views, AppSession &session,
                               MainMediator &mediator, QWidget *window, QObject *parent)
    : QObject(parent), m_store(store), m_views(views), session(session), mediator(mediator), window(window)
{
    m_askDrop = [this] {
        return QMessageBox::warning(this->window, text::kAppTitle, kDropQuestion,
                                    QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
    };
}

void ScanController::openDefaultFolder()
{
    TID3TagUseful *store = m_store.store();
    if (!store)
        return;
    WindowScanHost host(window, m_views, mediator);
    OpenDefaultFolder(*store, session.musicFolder(), session.startingUp(), host);
    mediator.showStatus(QString());
}

void ScanController::rebuildCache()
{
    TID3TagUseful *store = m_store.store();
    if (!store)
        return;
    WindowScanHost host(window, m_views, mediator);
    RebuildCache(*store, session.musicFolder(), host);
    mediator.showStatus(QString());
}

void ScanController::openChosenFolder()
{
    const QString folder = QFileDialog::getExistingDirectory(window, kChooseFolder,
                                                             session.lastFolder());
    if (!folder.isEmpty())
        openFolder(folder);
    mediator.requestLeftPage(4); // the folder view
}

void ScanController::openFolder(const QString &folder)
{
    session.setLastFolder(folder);
    scanFolder(folder, false);
}

int ScanController::scanFolder(const QString &folder, bool wholeLibrary)
{
    TID3TagUseful *store = m_store.store();
    if (!store)
        return 0;
    WindowScanHost host(window, m_views, mediator);
    host.scannedFolder = folder.endsWith(u'/') ? folder : folder + u'/';
    const ScanOutcome out = ScanFolder(*store, folder, wholeLibrary, host);
    mediator.showStatus(QString());
    return int(out.Files.size());
}

void ScanController::addDropped(const QStringList &names)
{
    TID3TagUseful *store = m_store.store();
    if (!store)
        return;
    WriteLog(QStringLiteral("MP3ファイル読み込み処理開始"));
    WriteLog(QStringLiteral("DROPしたMP3ファイル数") + QString::number(names.size()) + QStringLiteral("ファイル"));
    m_views.browse().libraryRefreshing();
    mediator.showBrowseChanges(m_views.browse().takeChanges());
    {
        TFindFileForm form(window, kDropCaption, kDropChecking);
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
        mediator.requestTreesRebuild();
        store->ReleaseRetired();
        mediator.showTrackCount(text::kTrackCountPrefix + QString::number(store->TrackCount()));
    }
    WriteLog(QStringLiteral("MP3ファイル読み込みワーク解放"));
    mediator.showStatus(QString());
    mediator.requestArtistView();
}

void ScanController::filesDropped(const QStringList &names)
{
    if (m_askDrop && m_askDrop())
        addDropped(names);
}

} // namespace vireo::gui
