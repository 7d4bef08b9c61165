#include "tests/core/library/LibraryTestUtil.h"
#include "tests/support/PlaybackSupport.h"

#include "core/library/ExistenceCheck.h"
#include "core/library/LibraryScan.h"
#include "core/library/LibraryStore.h"
#include "core/library/TagCache.h"
#include "core/platform/FileAccess.h"
#include "core/platform/Paths.h"

#include <QDir>
#include <QSet>
#include <gtest/gtest.h>

#include <unistd.h>

using namespace vireo;
using namespace vireo::test;

namespace {

// Counts what a window would show and cancels after a number of files.
class RecordingHost : public ScanHost {
public:
    qsizetype cancelAfter = -1;
    qsizetype foldersShown = 0, filesShown = 0, events = 0, rebuilds = 0, cleared = 0;
    QStringList messages;
    QString countText;
    void processEvents() override { ++events; }
    void showFolder(const QString &) override { ++foldersShown; }
    void showFile(const QString &) override { ++filesShown; }
    bool cancelRequested() override { return cancelAfter >= 0 && filesShown >= cancelAfter; }
    void rebuildViews(bool, const ScanOutcome &) override { ++rebuilds; }
    void showTrackCount(const QString &t) override { countText = t; }
    void libraryCleared() override { ++cleared; }
    void showMessage(const QString &t) override { messages.append(t); }
};

class Scan : public ::testing::Test {
protected:
    QString music() const { return home.file(QStringLiteral("music")); }
    QString add(const QString &rel, const QByteArray &title, time_t mtime = 1600000000)
    {
        V1Fields f;
        f.title = title;
        f.artist = "Artist";
        const QString path = music() + u'/' + rel;
        writeFile(path, mp3File(id3v23Tag({{"TIT2", QString::fromUtf8(title)}}), id3v1Block(f)));
        setFileTime(path, mtime);
        return path;
    }
    // One run of the program: a store made, caches loaded, a scan, caches written.
    ScanOutcome run(RecordingHost &host, bool startingUp = false, bool cacheOnly = false)
    {
        TID3TagUseful store(programPath(u""));
        store.LoadCaches();
        store.CacheOnly = cacheOnly;
        ScanOutcome out;
        EXPECT_TRUE(OpenDefaultFolder(store, music(), startingUp, host, &out));
        trackTitles.clear();
        for (qsizetype i = 0; i < store.TrackCount(); ++i)
            trackTitles.insert(store.TrackAt(i)->V1.Title.text());
        return out;
    }
    void clearLog()
    {
        eventLog().close();
        QFile::remove(eventLog().unicodeLogPath());
    }

    TempProgramFolder home;
    LogOn log;
    QSet<QString> trackTitles;
};

TEST_F(Scan, SecondStartWithValidCachesOpensNoMusicFile)
{
    add(QStringLiteral("a/1.mp3"), "one");
    add(QStringLiteral("a/b/2.MP3"), "two");
    add(QStringLiteral("日本/3.Mp3"), "three");
    add(QStringLiteral(".mp3"), "dot");
    writeFile(music() + QStringLiteral("/a/cover.jpg"), "jpg");
    writeFile(music() + QStringLiteral("/a/notes.mp3.txt"), "txt");

    RecordingHost first;
    const uint64_t opens0 = FileReader::openCount();
    ScanOutcome out = run(first);
    EXPECT_EQ(out.Files.size(), 4);
    EXPECT_EQ(out.ReadFromTags, 4);
    EXPECT_EQ(FileReader::openCount() - opens0, 4u); // one open serves both tags
    EXPECT_EQ(first.countText, QStringLiteral("MP3ファイル数：4"));
    EXPECT_EQ(first.rebuilds, 1);
    EXPECT_EQ(first.events, 4); // once per folder: music, a, a/b, 日本

    RecordingHost second;
    const uint64_t opens1 = FileReader::openCount();
    out = run(second);
    EXPECT_EQ(FileReader::openCount(), opens1);
    EXPECT_EQ(out.ReadFromTags, 0);
    EXPECT_EQ(out.FromLibrary, 4);
    EXPECT_EQ(trackTitles, (QSet<QString>{"one", "two", "three", "dot"}));
}

TEST_F(Scan, ChangedDateRereadsExactlyThatFile)
{
    add(QStringLiteral("1.mp3"), "one");
    const QString two = add(QStringLiteral("2.mp3"), "two");
    RecordingHost h;
    run(h);
    add(QStringLiteral("2.mp3"), "two again", 1600000100);
    clearLog();
    RecordingHost again;
    ScanOutcome out = run(again);
    EXPECT_EQ(out.ReadFromTags, 1);
    EXPECT_EQ(trackTitles, (QSet<QString>{"one", "two again"}));
    const QStringList log = logMessages();
    const qsizetype at = log.indexOf(QStringLiteral("ファイルの更新日付がキャッシュと異なる"));
    ASSERT_GE(at, 0);
    EXPECT_EQ(log.value(at + 1), QStringLiteral("新規読み込み：") + two);
    EXPECT_EQ(log.filter(QStringLiteral("新規読み込み：")).size(), 1);
    EXPECT_EQ(log.count(QStringLiteral("ファイルの更新日付がキャッシュと異なる")), 1);
}

TEST_F(Scan, LogLinesOfOneScan)
{
    add(QStringLiteral("1.mp3"), "one");
    clearLog();
    RecordingHost h;
    run(h);
    const QStringList expected = {
        QStringLiteral("コンピレーションファイルは存在しない"),
        QStringLiteral("キャッシュ読み込み処理開始"),
        QStringLiteral("キャッシュ読み込み処理終了"),
        QStringLiteral("MP3データ読み込み開始"),
        music(),
        QStringLiteral("MP3ファイル読み込み処理開始"),
        QStringLiteral("キャッシュのみ読み込み設定ＯＦＦ"),
        QStringLiteral("検索パス：") + music() + u'/',
        QStringLiteral("検出したMP3ファイル数：1ファイル"),
        QStringLiteral("新規読み込み：") + music() + QStringLiteral("/1.mp3"),
        QStringLiteral("MP3ファイル数：MP3ファイル数：1"),
        QStringLiteral("MP3ファイル読み込みワーク解放"),
        QStringLiteral("MP3データ読み込み終了"),
    };
    EXPECT_EQ(logMessages().mid(0, expected.size()), expected);
}

TEST_F(Scan, CancelledSearchKeepsTheRestFromTheCaches)
{
    for (int i = 0; i < 6; ++i)
        add(QStringLiteral("d%1/x.mp3").arg(i), QByteArray("t") + QByteArray::number(i));
    RecordingHost h;
    run(h);
    RecordingHost cancel;
    cancel.cancelAfter = 2;
    ScanOutcome out = run(cancel);
    EXPECT_TRUE(out.Cancelled);
    EXPECT_EQ(out.Files.size(), 2);
    EXPECT_EQ(trackTitles.size(), 6); // the others stay as the caches held them
    RecordingHost last;
    run(last);
    EXPECT_EQ(trackTitles.size(), 6);
}

TEST_F(Scan, TrustingTheCachesAtStartSearchesNothing)
{
    add(QStringLiteral("1.mp3"), "one");
    RecordingHost h;
    run(h);
    add(QStringLiteral("2.mp3"), "two");
    clearLog();
    RecordingHost start;
    ScanOutcome out = run(start, true, true);
    EXPECT_FALSE(out.Searched);
    EXPECT_EQ(trackTitles, QSet<QString>{"one"});
    EXPECT_EQ(start.countText, QStringLiteral("MP3ファイル数：1"));
    const QString log = logMessages().join(u'\n');
    EXPECT_FALSE(log.contains(QStringLiteral("キャッシュのみ読み込み設定ＯＦＦ")));
    EXPECT_FALSE(log.contains(QStringLiteral("検索パス：")));
    // A scan the user asks for searches anyway.
    RecordingHost user;
    out = run(user, false, true);
    EXPECT_TRUE(out.Searched);
    EXPECT_EQ(trackTitles, (QSet<QString>{"one", "two"}));
}

// A start with trusted caches takes every file's existence on trust, shows
// the same log lines, and leaves the check to the host: the background check
// then finds exactly the vanished file and the store marks only that track.
TEST_F(Scan, DeferredExistenceCheckMarksVanishedFilesAfterwards)
{
    const QString kept = add(QStringLiteral("1.mp3"), "one");
    const QString gone = add(QStringLiteral("2.mp3"), "two");
    RecordingHost first;
    run(first);
    ASSERT_TRUE(QFile::remove(gone));

    struct DeferringHost : RecordingHost {
        bool defersExistenceCheck() const override { return true; }
    };
    auto startLog = [&](ScanHost &host, TID3TagUseful &store) {
        clearLog();
        store.LoadCaches();
        store.CacheOnly = true;
        EXPECT_TRUE(OpenDefaultFolder(store, music(), true, host));
        return logMessages();
    };
    TID3TagUseful now(programPath(u""));
    now.setSaveCachesOnDestroy(false);
    RecordingHost plain;
    const QStringList nowLog = startLog(plain, now);
    EXPECT_FALSE(now.FindTrack(gone)->Exists);
    EXPECT_TRUE(now.TakeUncheckedPaths().isEmpty());

    TID3TagUseful store(programPath(u""));
    store.setSaveCachesOnDestroy(false);
    DeferringHost deferring;
    EXPECT_EQ(startLog(deferring, store), nowLog);
    EXPECT_TRUE(store.FindTrack(gone)->Exists); // on trust until checked
    const QStringList unchecked = store.TakeUncheckedPaths();
    EXPECT_EQ(QSet<QString>(unchecked.begin(), unchecked.end()), (QSet<QString>{kept, gone}));
    EXPECT_TRUE(store.TakeUncheckedPaths().isEmpty()); // handed out once

    ensureCoreApplication();
    BackgroundExistenceCheck check;
    QStringList missing;
    bool done = false;
    QObject::connect(&check, &BackgroundExistenceCheck::finished, [&](const QStringList &m) {
        missing = m;
        done = true;
    });
    check.start(unchecked + QStringList{music()}); // a folder is not a file
    ASSERT_TRUE(waitUntil([&] { return done; }, 10000));
    EXPECT_EQ(missing, (QStringList{gone, music()}));
    EXPECT_EQ(store.MarkMissing(missing), 1);
    EXPECT_FALSE(store.FindTrack(gone)->Exists);
    EXPECT_TRUE(store.FindTrack(kept)->Exists);
    EXPECT_EQ(store.MarkMissing(missing), 0);
}

// A check cancelled (or destroyed) while it runs never reports.
TEST(ExistenceCheck, CancelledCheckStaysSilent)
{
    ensureCoreApplication();
    QStringList many;
    for (int i = 0; i < 20000; ++i)
        many.append(QStringLiteral("/nonexistent/vireo/%1.mp3").arg(i));
    int reports = 0;
    {
        BackgroundExistenceCheck check;
        QObject::connect(&check, &BackgroundExistenceCheck::finished, [&](const QStringList &) { ++reports; });
        check.start(many);
        check.start(many.mid(0, 3)); // the first run is dropped
        ASSERT_TRUE(waitUntil([&] { return reports > 0; }, 10000));
        check.start(many);
    }
    spin(50);
    EXPECT_EQ(reports, 1);
    std::atomic_bool stop{true};
    EXPECT_TRUE(MissingFiles(many, &stop).isEmpty());
}

TEST_F(Scan, RebuildEmptiesTheLibraryFirst)
{
    add(QStringLiteral("1.mp3"), "one");
    TID3TagUseful store(programPath(u""));
    store.setSaveCachesOnDestroy(false);
    store.Tracks().Add(std::make_unique<TID3ListItem>(QStringLiteral("/gone.mp3"), 1));
    RecordingHost h;
    ScanOutcome out;
    ASSERT_TRUE(RebuildCache(store, music(), h, &out));
    EXPECT_EQ(h.cleared, 1);
    EXPECT_EQ(store.TrackCount(), 1);
    EXPECT_EQ(out.ReadFromTags, 1);
    EXPECT_EQ(store.Tracks().RetiredCount(), 0);
}

// Folders and files whose names the tag code page (CP932) cannot hold keep
// their ID3v1 rows in the companion file: the next start opens none of them
// and every track keeps its ID3v1 values.
TEST_F(Scan, PathsOutsideTheTagCodePageSurviveTheCaches)
{
    add(QStringLiteral("Motörhead/1.mp3"), "one");
    add(QStringLiteral("日本/2.mp3"), "two");
    V1Fields f;
    f.title = "three";
    const QString v1Only = music() + QStringLiteral("/Björk/3.mp3");
    writeFile(v1Only, mp3File(QByteArray(), id3v1Block(f)));
    setFileTime(v1Only, 1600000000);

    RecordingHost first;
    EXPECT_EQ(run(first).ReadFromTags, 3);
    const QByteArray v1Cache = readFile(home.file(QStringLiteral("vireo.3dt")));
    EXPECT_FALSE(v1Cache.contains("head/1.mp3"));
    EXPECT_TRUE(readFile(home.file(QStringLiteral("vireo.3du"))).contains(QStringLiteral("Motörhead/1.mp3").toUtf8()));

    RecordingHost second;
    const uint64_t opens = FileReader::openCount();
    const ScanOutcome out = run(second);
    EXPECT_EQ(FileReader::openCount(), opens);
    EXPECT_EQ(out.FromLibrary, 3);
    EXPECT_EQ(trackTitles, (QSet<QString>{"one", "two", "three"}));

    // A version that knows nothing of the companion file finds no track
    // under a wrong path: it only misses those tracks' ID3v1 rows.
    TID3List older;
    tagcache::LoadV1Cache(older, v1Cache);
    tagcache::LoadV2Cache(older, readFile(home.file(QStringLiteral("vireo.2dt"))), {});
    for (qsizetype i = 0; i < older.Count(); ++i)
        EXPECT_TRUE(QFile::exists(older.At(i)->FileName)) << qPrintable(older.At(i)->FileName);
}

TEST_F(Scan, EmptyMusicFolderSettingShowsTheMessage)
{
    TID3TagUseful store(programPath(u""));
    store.setSaveCachesOnDestroy(false);
    RecordingHost h;
    EXPECT_FALSE(OpenDefaultFolder(store, QString(), false, h));
    EXPECT_EQ(h.messages, QStringList{NoMusicFolderMessage()});
}

TEST_F(Scan, FolderScanCountsFoundFiles)
{
    add(QStringLiteral("x/1.mp3"), "one");
    add(QStringLiteral("y/2.mp3"), "two");
    TID3TagUseful store(programPath(u""));
    store.setSaveCachesOnDestroy(false);
    RecordingHost h;
    ScanFolder(store, music() + QStringLiteral("/x"), false, h);
    ScanFolder(store, music() + QStringLiteral("/y/"), false, h);
    EXPECT_EQ(h.countText, QStringLiteral("MP3ファイル数：1"));
    EXPECT_EQ(store.TrackCount(), 2);
    EXPECT_EQ(store.TrackAt(1)->FileName, music() + QStringLiteral("/y/2.mp3"));
}

class Search : public Scan {};

TEST_F(Search, SymbolicLinkLoopsEnd)
{
    add(QStringLiteral("a/1.mp3"), "one");
    add(QStringLiteral("b/2.mp3"), "two");
    ASSERT_EQ(::symlink("..", QFile::encodeName(music() + QStringLiteral("/a/up")).constData()), 0);
    ASSERT_EQ(::symlink(".", QFile::encodeName(music() + QStringLiteral("/b/self")).constData()), 0);
    ASSERT_EQ(::symlink(QFile::encodeName(music() + QStringLiteral("/b")).constData(),
                        QFile::encodeName(music() + QStringLiteral("/a/to-b")).constData()), 0);
    ASSERT_EQ(::symlink("nowhere.mp3", QFile::encodeName(music() + QStringLiteral("/dangling.mp3")).constData()), 0);
    ASSERT_EQ(::symlink("a/1.mp3", QFile::encodeName(music() + QStringLiteral("/link.mp3")).constData()), 0);
    const SearchResult r = FindFiles(music(), u".mp3");
    QStringList names;
    for (const FoundFile &f : r.Files)
        names.append(f.Path.mid(music().size() + 1));
    names.sort();
    // Each folder once (b either directly or through the link); the linked file is a file.
    EXPECT_EQ(names.size(), 3) << names.join(u' ').toStdString();
    EXPECT_TRUE(names.contains(QStringLiteral("a/1.mp3")));
    EXPECT_TRUE(names.contains(QStringLiteral("link.mp3")));
}

TEST_F(Search, NamesThatAreNotUtf8AreSkippedWithALogLine)
{
    add(QStringLiteral("ok.mp3"), "ok");
    const QByteArray dir = QFile::encodeName(music());
    const QByteArray bad = dir + "/bad\xff.mp3";
    FILE *f = std::fopen(bad.constData(), "wb");
    ASSERT_NE(f, nullptr);
    std::fclose(f);
    ASSERT_EQ(::mkdir((dir + "/\x82\xa0").constData(), 0755), 0);
    clearLog();
    const SearchResult r = FindFiles(music(), u".MP3");
    ASSERT_EQ(r.Files.size(), 1);
    EXPECT_TRUE(r.Files[0].Path.endsWith(QStringLiteral("/ok.mp3")));
    EXPECT_EQ(logMessages().filter(QStringLiteral("UTF-8")).size(), 2);
}

TEST_F(Search, DatesAndSizesOfFoundFiles)
{
    const QString p = add(QStringLiteral("1.mp3"), "one", 1600000000);
    const SearchResult r = FindFiles(music() + u'/', u".MP3");
    ASSERT_EQ(r.Files.size(), 1);
    EXPECT_EQ(r.Files[0].Path, p);
    EXPECT_EQ(r.Files[0].Date, packDosDateTime(1600000000));
    EXPECT_EQ(r.Files[0].Size, QFileInfo(p).size());
    EXPECT_TRUE(FindFiles(home.file(QStringLiteral("none")), u".MP3").Files.isEmpty());
}

} // namespace

namespace {

TEST_F(Scan, DroppedFilesAndFolders)
{
    add(QStringLiteral("d/1.mp3"), "one");
    const QString picture = music() + QStringLiteral("/cover.jpg");
    writeFile(picture, "not music");
    TID3TagUseful store(programPath(u""));
    store.setSaveCachesOnDestroy(false);
    RecordingHost h;
    clearLog();
    const QString count = DropFiles(store, {picture, music() + QStringLiteral("/d")}, h);
    EXPECT_EQ(count, QStringLiteral("MP3ファイル数：2"));
    ASSERT_EQ(store.TrackCount(), 2);
    EXPECT_EQ(store.TrackAt(0)->FileName, picture); // any extension, as a track without tags
    EXPECT_FALSE(store.TrackAt(0)->HasV1 || store.TrackAt(0)->HasV2);
    EXPECT_EQ(h.rebuilds, 2); // the folder's own scan, then the drop
    const QStringList log = logMessages();
    EXPECT_EQ(log.value(0), QStringLiteral("MP3ファイル読み込み処理開始"));
    EXPECT_EQ(log.value(1), QStringLiteral("DROPしたMP3ファイル数2ファイル"));
    EXPECT_EQ(log.value(2), picture);
    EXPECT_EQ(log.last(), QStringLiteral("MP3ファイル読み込みワーク解放"));
}

} // namespace
