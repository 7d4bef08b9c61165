#include "core/app/AppLifecycle.h"

#include "core/app/AppSession.h"
#include "core/library/EventLog.h"
#include "core/settings/TagCodePageSetting.h"

#include <QDir>
#include <QFile>

namespace vireo {

namespace {
void log(const char16_t *text) { WriteLog(QString::fromUtf16(text)); }
} // namespace

AppLifecycle::AppLifecycle(AppSession &session, LifecycleSteps &steps) : m_session(session), m_steps(steps) {}

void AppLifecycle::startUp(const QString &programFolder)
{
    m_session.setClosing(false);
    // The program folder becomes the current folder; the logs live there.
    m_session.setProgramFolder(programFolder);
    QDir::setCurrent(programFolder);
    eventLog().setFolder(programFolder);
    RotateLogs();
    setLoggingEnabled(true);

    // ID3v1 texts and the ID3v1 cache are read in the tag code page: choose it first.
    applyTagCodePageSetting();
    m_steps.makeStore();
    m_session.setStartingUp(true);
    m_steps.resetBrowsing();
    m_steps.makePlaylists();
    m_steps.loadSettings();
    m_session.setLastFolder(m_session.musicFolder());

    log(u"メニューの初期化開始");
    m_steps.setUpToolsMenu();
    log(u"メニューの初期化終了");
    log(u"MP3プレイヤーコントローラ初期化開始");
    m_steps.makeRemotePlayer();
    log(u"MP3プレイヤーコントローラ初期化終了");
    m_steps.showMixer();
    m_steps.makeCopier();
    m_steps.prepareCoverArt();

    m_steps.openDefaultFolder();
    m_session.setStartingUp(false);
    m_steps.sortByLastColumn();
    m_steps.resetToggles();
    log(u"初期化処理終了");
}

void AppLifecycle::closeRequested() { m_session.setClosing(true); }

Result AppLifecycle::shutDown()
{
    if (m_shutDown)
        return Result::success();
    m_shutDown = true;
    log(u"終了処理開始");
    const Result saved = m_steps.saveSettings(); // logs its own start and end
    m_steps.destroyCopier();

    log(u"内蔵プレイヤー開放");
    m_steps.releasePlayers();
    log(u"内蔵プレイヤー開放終了");
    log(u"MP3リストバッファ開放");
    m_steps.releaseTrackList();
    log(u"MP3リストバッファ開放終了");
    const QString playlist = m_session.tempPlaylistPath();
    if (!playlist.isEmpty() && QFile::exists(playlist))
        QFile::remove(playlist);
    log(u"M3Uリスト開放");
    m_steps.releasePlaylists();
    log(u"M3Uリスト開放終了");
    m_steps.clearTrees();

    log(u"MP3リスト開放");
    m_steps.destroyStore();
    log(u"MP3リスト開放");
    log(u"カバーアートリスト開放開始");
    m_steps.releaseCoverLists();
    log(u"カバーアートリスト開放終了");
    m_steps.clearHiddenGenres();
    log(u"Vireo終了");
    return saved;
}

} // namespace vireo
