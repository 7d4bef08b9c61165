#include "LibraryScan.h"

#include "library/EventLog.h"
#include "library/LibraryStore.h"
#include "platform/Paths.h"

namespace vireo {

QString NoMusicFolderMessage()
{
    return QStringLiteral("MP3が格納されているﾃﾞﾌｫﾙﾄﾌｫﾙﾀﾞの設定を行ってください");
}

ScanOutcome ScanFolder(TID3TagUseful &store, const QString &folder, bool wholeLibrary, ScanHost &host)
{
    WriteLog(QStringLiteral("MP3ファイル読み込み処理開始"));
    const QString f = includeTrailingSlash(folder);
    host.scanStarted(f);
    ScanOutcome out;
    if (!store.CacheOnly) {
        WriteLog(QStringLiteral("キャッシュのみ読み込み設定ＯＦＦ"));
        WriteLog(QStringLiteral("検索パス：") + f);
        SearchResult found = FindFiles(f, u".MP3", &host);
        out.Searched = true;
        out.Cancelled = found.Cancelled;
        out.Files = std::move(found.Files);
        const qsizetype total = out.Files.size();
        host.readingTags(total);
        WriteLog(QStringLiteral("検出したMP3ファイル数：") + QString::number(total) + QStringLiteral("ファイル"));
        for (qsizetype i = 0; i < total; ++i) {
            const FoundFile &file = out.Files[i];
            host.readingFile(file.Path, i, total);
            bool read = false;
            store.FindOrRead(file.Path, file.Date, file.Size, &read);
            ++(read ? out.ReadFromTags : out.FromLibrary);
        }
    }
    store.RefreshFlags();
    host.searchFinished();
    host.rebuildViews(wholeLibrary, out);
    if (wholeLibrary)
        store.ReleaseRetired(); // the views were rebuilt from the library alone
    out.CountText = QStringLiteral("MP3ファイル数：")
        + QString::number(wholeLibrary ? store.TrackCount() : out.Files.size());
    host.showTrackCount(out.CountText);
    WriteLog(QStringLiteral("MP3ファイル数：") + out.CountText);
    WriteLog(QStringLiteral("MP3ファイル読み込みワーク解放"));
    return out;
}

bool OpenDefaultFolder(TID3TagUseful &store, const QString &mp3Dir, bool startingUp, ScanHost &host,
                       ScanOutcome *outcome)
{
    WriteLog(QStringLiteral("MP3データ読み込み開始"));
    if (mp3Dir.isEmpty()) {
        host.showMessage(NoMusicFolderMessage());
        return false;
    }
    WriteLog(mp3Dir);
    const bool cacheOnly = store.CacheOnly;
    if (!startingUp)
        store.CacheOnly = false;
    ScanOutcome out = ScanFolder(store, mp3Dir, true, host);
    store.CacheOnly = cacheOnly;
    WriteLog(QStringLiteral("MP3データ読み込み終了"));
    if (outcome)
        *outcome = std::move(out);
    return true;
}

bool RebuildCache(TID3TagUseful &store, const QString &mp3Dir, ScanHost &host, ScanOutcome *outcome)
{
    WriteLog(QStringLiteral("キャッシュ再構築開始"));
    store.ClearLibrary();
    host.libraryCleared();
    store.ReleaseRetired();
    return OpenDefaultFolder(store, mp3Dir, false, host, outcome);
}

} // namespace vireo
