#include "core/library/LibraryScan.h"

#include "core/library/EventLog.h"
#include "core/library/LibraryStore.h"
#include "core/platform/FileAccess.h"
#include "core/platform/Paths.h"

namespace vireo {

QString NoMusicFolderMessage()
{
    return QStringLiteral("MP3が格納されているﾃﾞﾌｫﾙﾄﾌｫﾙﾀﾞの設定を行ってください");
}

ScanOutcome ScanFolder(TID3TagUseful &store, const QString &folder, bool wholeLibrary, ScanHost &host,
                       SearchResult *presearched)
{
    WriteLog(QStringLiteral("MP3ファイル読み込み処理開始"));
    const QString f = includeTrailingSlash(folder);
    host.scanStarted(f);
    ScanOutcome out;
    if (!store.CacheOnly) {
        WriteLog(QStringLiteral("キャッシュのみ読み込み設定ＯＦＦ"));
        WriteLog(QStringLiteral("検索パス：") + f);
        SearchResult found = presearched ? std::move(*presearched) : FindFiles(f, u".MP3", &host);
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
    store.RefreshFlags(store.CacheOnly && host.defersExistenceCheck() ? TID3TagUseful::ExistenceCheck::Deferred
                                                                       : TID3TagUseful::ExistenceCheck::Now);
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
                       ScanOutcome *outcome, SearchResult *presearched)
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
    ScanOutcome out = ScanFolder(store, mp3Dir, true, host, store.CacheOnly ? nullptr : presearched);
    store.CacheOnly = cacheOnly;
    WriteLog(QStringLiteral("MP3データ読み込み終了"));
    if (outcome)
        *outcome = std::move(out);
    return true;
}

bool RebuildCache(TID3TagUseful &store, const QString &mp3Dir, ScanHost &host, ScanOutcome *outcome,
                  SearchResult *presearched)
{
    WriteLog(QStringLiteral("キャッシュ再構築開始"));
    store.ClearLibrary();
    host.libraryCleared();
    store.ReleaseRetired();
    return OpenDefaultFolder(store, mp3Dir, false, host, outcome, presearched);
}

QString DropFiles(TID3TagUseful &store, const QStringList &names, ScanHost &host)
{
    WriteLog(QStringLiteral("MP3ファイル読み込み処理開始"));
    WriteLog(QStringLiteral("DROPしたMP3ファイル数") + QString::number(names.size()) + QStringLiteral("ファイル"));
    host.scanStarted(QString());
    host.readingTags(names.size());
    ScanOutcome out;
    for (qsizetype i = 0; i < names.size(); ++i) {
        const QString &name = names[i];
        WriteLog(name);
        const FileStat st = statFile(name);
        if (st.exists && !st.isDir) {
            host.readingFile(name, i, names.size());
            bool read = false;
            store.FindOrRead(name, st.dosDate, st.size, &read);
            ++(read ? out.ReadFromTags : out.FromLibrary);
            out.Files.append(FoundFile{name, st.dosDate, st.size});
        } else {
            ScanFolder(store, name, true, host);
        }
    }
    host.searchFinished();
    host.rebuildViews(true, out);
    store.ReleaseRetired();
    out.CountText = QStringLiteral("MP3ファイル数：") + QString::number(store.TrackCount());
    host.showTrackCount(out.CountText);
    WriteLog(QStringLiteral("MP3ファイル読み込みワーク解放"));
    return out.CountText;
}

} // namespace vireo
