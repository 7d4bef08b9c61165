#include "gui/library/ScanController.h"

#include "core/app/AppSession.h"
#include "core/library/EventLog.h"
#include "core/library/ExistenceCheck.h"
#include "core/library/LibraryScan.h"
#include "core/library/LibraryStore.h"
#include "core/platform/Paths.h"
#include "core/views/LibraryViews.h"
#include "gui/library/FindFileForm.h"
#include "gui/shell/MainMediator.h"
#include "gui/shell/MainTexts.h"
#include "gui/shell/StoreAccess.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

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
const QString kWelcome = QStringLiteral(
    "音楽フォルダがまだ設定されていません。\n\n"
    "MP3ファイルが入っているフォルダを選んでください。その下にあるMP3ファイルをすべて読み込み、"
    "次回からはタグキャッシュから素早く表示します。\n"
    "フォルダはあとで「環境設定」の「MP3フォルダ」でも変えられます。");
const QString kWelcomeChoose = QStringLiteral("音楽フォルダを選択...");
const QString kWelcomeLater = QStringLiteral("後で");
const QString kChooseMusicFolder = QStringLiteral("音楽フォルダを選択してください。");

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

    // The start-up scan over trusted caches shows the window first; the
    // files' existence is checked afterwards on a thread of its own.
    bool defersExistenceCheck() const override { return deferExistence; }
    bool deferExistence = false;

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
        if (welcome && text == NoMusicFolderMessage()) {
            welcomed = true; // the first start asks for the folder instead
            return;
        }
        QMessageBox::warning(window, text::kAppTitle, text);
    }
    bool welcome = false;  // a first start: no empty-folder message
    bool welcomed = false; // it was held back

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
    m_askFolder = [this] {
        QMessageBox box(QMessageBox::Information, text::kAppTitle, kWelcome, QMessageBox::NoButton, this->window);
        QPushButton *choose = box.addButton(kWelcomeChoose, QMessageBox::AcceptRole);
        box.addButton(kWelcomeLater, QMessageBox::RejectRole);
        box.setDefaultButton(choose);
        box.exec();
        if (box.clickedButton() != choose)
            return QString();
        return QFileDialog::getExistingDirectory(this->window, kChooseMusicFolder, QDir::homePath());
    };
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
    settleExistenceCheck(*store);
    WindowScanHost host(window, m_views, mediator);
    host.deferExistence = session.startingUp();
    host.welcome = m_firstStart && session.startingUp();
    OpenDefaultFolder(*store, session.musicFolder(), session.startingUp(), host);
    mediator.showStatus(QString());
    checkExistenceLater(*store);
    if (host.welcomed) // after the window is shown
        QTimer::singleShot(0, this, &ScanController::askForMusicFolder);
}

void ScanController::askForMusicFolder()
{
    m_firstStart = false;
    const QString folder = m_askFolder ? m_askFolder() : QString();
    if (folder.isEmpty())
        return;
    session.setMusicFolder(includeTrailingSlash(folder)); // saved with the settings at close
    openDefaultFolder();
}

void ScanController::checkExistenceLater(TID3TagUseful &store)
{
    const QStringList paths = store.TakeUncheckedPaths();
    if (paths.isEmpty())
        return;
    if (!m_existence) {
        m_existence = new BackgroundExistenceCheck(this);
        connect(m_existence, &BackgroundExistenceCheck::finished, this, [this](const QStringList &missing) {
            m_checking.clear();
            TID3TagUseful *store = m_store.store();
            if (store && store->MarkMissing(missing) > 0) {
                m_views.browse().table().refreshCells();
                mediator.showCellChanges();
            }
        });
    }
    m_checking = paths;
    m_existence->start(paths);
}

void ScanController::settleExistenceCheck(TID3TagUseful &store)
{
    if (!m_existence || m_checking.isEmpty())
        return;
    m_existence->cancel();
    store.ForgetExistence(std::exchange(m_checking, {}));
}

void ScanController::rebuildCache()
{
    TID3TagUseful *store = m_store.store();
    if (!store)
        return;
    settleExistenceCheck(*store);
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
    settleExistenceCheck(*store);
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
    settleExistenceCheck(*store);
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
