#pragma once
// The commands that fill the library from the disk: open the default folder,
// the cache rebuild, open a chosen folder, and a drop of files or folders on
// the track list; each with its progress window and status-bar texts.
#include <QObject>
#include <QStringList>

#include <functional>

class QWidget;

namespace vireo {
class AppSession;
class BackgroundExistenceCheck;
class TID3TagUseful;
namespace views {
class LibraryViews;
}
}

namespace vireo::gui {

class MainMediator;
class StoreAccess;

class ScanController : public QObject {
    Q_OBJECT
public:
    // `window` is the owner of the progress windows and message boxes.
    ScanController(const StoreAccess &store, views::LibraryViews &views, AppSession &session,
                   MainMediator &mediator, QWidget *window, QObject *parent = nullptr);

    // "デフォルトフォルダを開く(&O)", "最新のファイルを確認" and the start-up scan.
    void openDefaultFolder();
    // "キャッシュ再構築".
    void rebuildCache();
    // "フォルダを指定して開く(&N)", "フォルダ指定で確認".
    void openChosenFolder();
    // Scans a folder the user picked (the chooser's answer).
    void openFolder(const QString &folder);
    // Files dropped on the track list: asks, then adds them.
    void filesDropped(const QStringList &names);
    // A drop on the track list, after the user said yes.
    void addDropped(const QStringList &names);
    // The scan of one folder; whole-library rebuilds the trees, otherwise the
    // folder view gets a node. Returns the number of files found.
    int scanFolder(const QString &folder, bool wholeLibrary);

    // The existence check a start with trusted caches leaves for after the
    // window is shown; null before. Its finish marks the vanished files.
    BackgroundExistenceCheck *existenceCheck() const { return m_existence; }

    // A start without any settings file: instead of the empty-folder message
    // the user is asked for the music folder once the window is shown, and
    // the library is read from it.
    void setFirstStart(bool on) { m_firstStart = on; }
    // The question of the first start (tests answer it); returns the chosen
    // folder, or an empty text for "later".
    void setFolderPrompt(std::function<QString()> ask) { m_askFolder = std::move(ask); }

    // Tests answer the drop question instead of a user.
    void setDropQuestion(std::function<bool()> ask) { m_askDrop = std::move(ask); }

private:
    const StoreAccess &m_store;
    views::LibraryViews &m_views;
    AppSession &session;
    MainMediator &mediator;
    QWidget *window;
    std::function<bool()> m_askDrop;
    std::function<QString()> m_askFolder;
    bool m_firstStart = false;
    BackgroundExistenceCheck *m_existence = nullptr;

    QStringList m_checking; // the paths the running check looks at

    void checkExistenceLater(TID3TagUseful &store);
    void askForMusicFolder();
    // Before another scan: a check still running is dropped and its files'
    // existence left for that scan's refresh pass to settle.
    void settleExistenceCheck(TID3TagUseful &store);
};

} // namespace vireo::gui
