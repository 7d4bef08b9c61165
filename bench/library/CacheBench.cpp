// Loading and writing both tag caches of a large library, and the lookups a
// rescan of an unchanged tree makes. VIREO_BENCH_HOME may name a program
// folder whose caches a real scan wrote; otherwise 100,000 tracks are made up.
#include "core/library/EventLog.h"
#include "core/library/FindFiles.h"
#include "core/library/LibraryStore.h"
#include "core/platform/CodePage.h"
#include "core/platform/Paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <memory>

using namespace vireo;

namespace {

QString g_home;
std::unique_ptr<QTemporaryDir> g_tmp;

void makeUpLibrary(const QString &home, int count)
{
    setProgramFolder(home);
    TID3TagUseful store(programPath(u""));
    const QString kana = QStringLiteral("アイウエオカキクケコサシスセソ日本語音楽夜空海山川");
    for (int i = 0; i < count; ++i) {
        const QString artist = (i % 4 ? QStringLiteral("Artist %1").arg(i % 2500)
                                      : kana.mid(i % 20, 4) + QString::number(i % 2500));
        const QString album = QStringLiteral("Album %1").arg(i % 8000);
        const QString path = QStringLiteral("/srv/music/%1/%2/%3 Title %4.mp3").arg(artist, album).arg(i % 13).arg(i);
        auto *t = store.Tracks().Add(std::make_unique<TID3ListItem>(path, int32_t((40u << 25) | (1u << 21) | (1u << 16))));
        if (i % 10 < 4 || i % 10 >= 7) {
            TID3v1Record r;
            r.Title = toTagCodePage(QStringLiteral("Title %1").arg(i));
            r.Artist = toTagCodePage(artist);
            r.Album = toTagCodePage(album);
            r.Year = QByteArray("1999");
            r.Genre = 17;
            r.Track = uint8_t(i % 13 + 1);
            t->SetV1(r);
        }
        if (i % 10 < 8) {
            TID3v2Record r;
            r.Title = QStringLiteral("Title %1").arg(i);
            r.Artist = artist;
            r.Album = album;
            r.Year = QStringLiteral("1999");
            r.Genre = QStringLiteral("Rock");
            r.TrackNumber = uint16_t(i % 13 + 1);
            r.MajorVersion = i % 10 < 4 ? 3 : 4;
            r.TextEncoding = i % 10 < 4 ? 1 : 3;
            t->SetV2(r);
        }
    }
}

void BM_LoadCaches(benchmark::State &state)
{
    for (auto _ : state) {
        auto store = std::make_unique<TID3TagUseful>(programPath(u""));
        store->setSaveCachesOnDestroy(false);
        store->LoadCaches();
        benchmark::DoNotOptimize(store->TrackCount());
        state.PauseTiming();
        state.counters["tracks"] = double(store->TrackCount());
        store.reset(); // freeing is not part of a start
        state.ResumeTiming();
    }
}

void BM_SaveCaches(benchmark::State &state)
{
    TID3TagUseful store(programPath(u""));
    store.setSaveCachesOnDestroy(false);
    store.LoadCaches();
    for (auto _ : state) {
        const Result r = store.SaveCaches();
        if (!r)
            state.SkipWithError(r.message().toLocal8Bit().constData());
    }
    state.counters["tracks"] = double(store.TrackCount());
}

// Writing after one track changed: both files go to the disk (with fsync).
void BM_SaveCachesChanged(benchmark::State &state)
{
    TID3TagUseful store(programPath(u""));
    store.setSaveCachesOnDestroy(false);
    store.LoadCaches();
    int n = 0;
    for (auto _ : state) {
        TID3ListItem *t = store.TrackAt(0);
        t->V2.Title = QStringLiteral("changed %1").arg(++n);
        TID3v1Record r = t->V1;
        r.Title = QByteArray::number(n);
        t->SetV1(r);
        const Result res = store.SaveCaches();
        if (!res)
            state.SkipWithError(res.message().toLocal8Bit().constData());
    }
}

// The lookups of a rescan: every path found again with its date unchanged.
void BM_FindOrReadUnchanged(benchmark::State &state)
{
    TID3TagUseful store(programPath(u""));
    store.setSaveCachesOnDestroy(false);
    store.LoadCaches();
    QList<std::pair<QString, int32_t>> keys;
    for (qsizetype i = 0; i < store.TrackCount(); ++i)
        keys.append({store.TrackAt(i)->FileName, store.TrackAt(i)->FileDate});
    for (auto _ : state)
        for (const auto &k : keys)
            benchmark::DoNotOptimize(store.FindOrRead(k.first, k.second, 1000));
    state.SetItemsProcessed(state.iterations() * keys.size());
}

// The folder search alone over VIREO_BENCH_MUSIC (skipped when unset).
void BM_FindFiles(benchmark::State &state)
{
    const QString music = qEnvironmentVariable("VIREO_BENCH_MUSIC");
    if (music.isEmpty()) {
        state.SkipWithError("VIREO_BENCH_MUSIC is not set");
        return;
    }
    qsizetype n = 0;
    for (auto _ : state)
        n = FindFiles(music, u".MP3").Files.size();
    state.SetItemsProcessed(state.iterations() * n);
}

} // namespace

BENCHMARK(BM_FindFiles)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadCaches)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveCaches)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveCachesChanged)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FindOrReadUnchanged)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    setLoggingEnabled(false);
    g_home = qEnvironmentVariable("VIREO_BENCH_HOME");
    if (g_home.isEmpty()) {
        g_tmp = std::make_unique<QTemporaryDir>();
        g_home = g_tmp->path();
        makeUpLibrary(g_home, 100000);
    } else {
        // Work on a copy so the benchmark's writes leave the real caches alone.
        g_tmp = std::make_unique<QTemporaryDir>();
        for (const char *ext : {".3dt", ".2dt", ".cpi"})
            QFile::copy(g_home + QStringLiteral("/vireo") + QLatin1String(ext),
                        g_tmp->path() + QStringLiteral("/vireo") + QLatin1String(ext));
        g_home = g_tmp->path();
    }
    setProgramFolder(g_home);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
