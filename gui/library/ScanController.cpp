#include "gui/library/ScanController.h"

#include "core/app/AppSession.h"
#include "core/library/EventLog.h"
#include "core/library/LibraryScan.h"
#include "core/library/LibraryStore.h"
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
// rebuild of the views at the moment the scan asks for it. For a drop on the
// track list the drop has a progress window of its own; a folder among the
// dropped names is scanned as usual with its own search window on top.
class WindowScanHost : public ScanHost {
public:
    WindowScanHost(QWidget *window, views::LibraryViews &views, MainMediator &mediator, bool drop = false)
        : window(window), m_views(views), mediator(mediator), dropping(drop)
    {
    }

    void scanStarted(const QString &) override
    {
        libraryCleared();
        if (dropping && !dropForm) {
            dropForm = std::make_unique<TFindFileForm>(window, kDropCaption, kDropChecking);
            dropForm->repaintNow();
            return;
        }
        inFolderScan = dropping;
        mediator.showStatus(kStatusSearching);
        form = std::make_unique<TFindFileForm>(window, kSearchCaption, kSearching);
        form->repaintNow();
    }
    void processEvents() override
    {
        if (TFindFileForm *f = current())
            f->processEvents();
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
        TFindFileForm *f = current();
        if (!f)
            return;
        f->setTitle(kReadingTags);
        f->setCancelEnabled(false);
    }
    void readingFile(const QString &path, qsizetype, qsizetype) override
    {
        TFindFileForm *f = current();
        if (!f)
            return;
        f->setProgressText(path);
        f->repaintNow();
    }
    void searchFinished() override { form.reset(); }
    void rebuildViews(bool wholeLibrary, const ScanOutcome &outcome) override
    {
        if (dropping && !inFolderScan) {
            dropForm->setTitle(kDropBuilding);
            dropForm->repaintNow();
            mediator.requestTreesRebuild();
            return;
        }
        if (wholeLibrary) {
            mediator.requestPlaylistsReload();
            TFindFileForm building(window, kSearchCaption, kBuilding);
            building.repaintNow();
            mediator.requestTreesRebuild();
        } else {
            mediator.requestFolderView(scannedFolder, int(outcome.Files.size()));
        }
        if (inFolderScan) {
            inFolderScan = false;
            mediator.showStatus(QString());
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
    TFindFileForm *current() const { return form ? form.get() : dropForm.get(); }

    QWidget *window;
    views::LibraryViews &m_views;
    MainMediator &mediator;
    const bool dropping;
    bool inFolderScan = false;               // a folder scan inside a drop
    std::unique_ptr<TFindFileForm> form;     // the folder search window
    std::unique_ptr<TFindFileForm> dropForm; // the drop's own window
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
    {
        WindowScanHost host(window, m_views, mediator, true);
        DropFiles(*store, names, host);
    }
    mediator.showStatus(QString());
    mediator.requestArtistView();
}

void ScanController::filesDropped(const QStringList &names)
{
    if (m_askDrop && m_askDrop())
        addDropped(names);
}

} // namespace vireo::gui
