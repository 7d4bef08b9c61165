// The playlist tab at scale:
//   Reload: a playlist folder of 2,000 playlists (20 entries each, in 40
//           subfolders) found and read, as the library refresh does it;
//   Show:   a playlist of 10,000 entries whose tracks are all in the library,
//           resolved, looked up and put into the track table with the default
//           sort, as choosing it on the tab does.
// The folders are made once in a temporary folder (real MPEG frames for the
// 10,000 tracks) and read into the library before the timed part.
#include "core/library/LibraryStore.h"
#include "core/platform/FileAccess.h"
#include "core/platform/Paths.h"
#include "core/playlists/PlaylistFiles.h"
#include "core/views/BrowseState.h"
#include "core/views/StoreTrackSource.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace vireo;

namespace {

void write(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(extractFileDir(path));
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
}

// One silent MPEG-1 Layer III frame (128 kbit/s, 44.1 kHz): 417 bytes.
QByteArray frames(int n)
{
    QByteArray frame(417, '\0');
    frame[0] = char(0xFF);
    frame[1] = char(0xFB);
    frame[2] = char(0x90);
    frame[3] = char(0x64);
    return frame.repeated(n);
}

struct World {
    QTemporaryDir dir;
    QString lists, bigList;
    std::unique_ptr<TID3TagUseful> store;

    World()
    {
        setProgramFolder(dir.path() + u'/');
        lists = dir.path() + QStringLiteral("/lists/");
        for (int i = 0; i < 2000; ++i) {
            QByteArray body;
            for (int e = 0; e < 20; ++e)
                body += QStringLiteral("../music/%1/%2.mp3\r\n").arg(e).arg(i).toUtf8();
            write(lists + QStringLiteral("set%1/list%2.m3u").arg(i % 40).arg(i), body);
        }
        store = std::make_unique<TID3TagUseful>(dir.path() + QStringLiteral("/vireo"));
        store->setSaveCachesOnDestroy(false);
        const QByteArray mp3 = frames(3);
        QByteArray big;
        for (int t = 0; t < 10000; ++t) {
            const QString rel = QStringLiteral("music/%1/track%2.mp3").arg(t / 100).arg(t);
            const QString path = dir.path() + u'/' + rel;
            write(path, mp3);
            const FileStat st = statFile(path);
            store->FindOrRead(path, st.dosDate, st.size);
            big += "../" + rel.toUtf8() + "\r\n";
        }
        bigList = dir.path() + QStringLiteral("/big/big.m3u");
        write(bigList, big);
    }
};

World &world()
{
    static World w;
    return w;
}

void Reload2000Playlists(benchmark::State &state)
{
    World &w = world();
    playlists::PlaylistFiles files;
    for (auto _ : state) {
        files.Reload(w.lists);
        benchmark::DoNotOptimize(files.Count());
    }
    state.counters["playlists"] = double(files.Count());
}
BENCHMARK(Reload2000Playlists)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void Show10000EntryPlaylist(benchmark::State &state)
{
    World &w = world();
    auto list = TM3UFile::Create(w.bigList);
    if (!list) {
        state.SkipWithError("cannot read the big playlist");
        return;
    }
    playlists::PlaylistFiles files;
    views::StoreTrackSource source(*w.store);
    views::BrowseState browse(source);
    browse.table().setRowFiller(source.rowFiller());
    browse.table().setSortKey(2); // the default LastSortColumn
    const qsizetype before = w.store->TrackCount();
    for (auto _ : state) {
        browse.showPlaylist(files.Show(*w.store, *list));
        benchmark::DoNotOptimize(browse.table().rowCount());
    }
    state.counters["rows"] = browse.table().rowCount();
    state.counters["new_tracks"] = double(w.store->TrackCount() - before);
}
BENCHMARK(Show10000EntryPlaylist)->Unit(benchmark::kMillisecond)->MinTime(2.0);

} // namespace

BENCHMARK_MAIN();
