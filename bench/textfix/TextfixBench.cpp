// Speed of the garbled-text scan over a large cached library: a program
// folder with the caches of 100,000 tracks (Japanese and Western names, some
// garbled the usual ways) is made once; the benchmarks time loading the
// caches, the scan alone, and both together (what `vireo-cli textfix scan`
// does). `bench_textfix --make-home DIR [TRACKS]` only writes such a folder,
// for timing the command itself (see run.sh).
#include "core/library/LibraryStore.h"
#include "core/platform/CodePage.h"
#include "core/textfix/TextfixScan.h"

#include <QDir>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

using namespace vireo;

namespace {

const char16_t *const kJapanese[] = {u"夜空の向こう", u"さくら", u"君に会いたい", u"東京タワー", u"青い空",
                                     u"ありがとう", u"愛のうた", u"夏祭り", u"山田太郎", u"佐藤花子", u"アイドル",
                                     u"ラブソング", u"メロディー", u"初恋", u"少年時代", u"銀河鉄道"};
const char16_t *const kWestern[] = {u"Blue Night", u"River Light", u"Echo", u"Stone Glass", u"Beyoncé",
                                    u"Motörhead", u"Café del Mar", u"Sigur Rós", u"Golden Rain", u"Paper Moon"};

QString pick(QRandomGenerator &rng, bool japanese)
{
    return japanese ? QString::fromUtf16(kJapanese[rng.bounded(int(std::size(kJapanese)))])
                    : QString::fromUtf16(kWestern[rng.bounded(int(std::size(kWestern)))]);
}

// Fills a store with `count` tracks: albums of 10 tracks in their own folders.
void fill(TID3TagUseful &store, int count)
{
    QRandomGenerator rng(100000);
    QString artist, album;
    bool japanese = true;
    int kind = 0;
    for (int i = 0; i < count; ++i) {
        if (i % 10 == 0) {
            japanese = rng.bounded(3) != 0;
            artist = pick(rng, japanese) + QString::number(i / 10 % 2500);
            album = pick(rng, japanese);
            kind = rng.bounded(20); // the album's tag kind
        }
        const QString title = pick(rng, japanese) + u' ' + QString::number(i % 10 + 1);
        auto t = std::make_unique<TID3ListItem>(
            QStringLiteral("/music/%1/%2 %3/%4.mp3").arg(artist, album).arg(i / 10).arg(i % 10 + 1), 0x5A2B3C4D);
        t->FileSize = 4000000;
        TID3v1Record v1;
        TID3v2Record v2;
        v2.MajorVersion = 3;
        v2.TextEncoding = 1;
        v2.Title = title;
        v2.Artist = artist;
        v2.Album = album;
        if (kind == 0) {         // Shift-JIS in encoding 0: read right here, wrong elsewhere
            v2.TextEncoding = 0;
        } else if (kind == 1) {  // Shift-JIS read as CP1252 by another program
            v2.Title = QString::fromLatin1(encodeWith("CP932", title)); // close enough for timing
            v2.Artist = decodeWith("CP1252", encodeWith("CP932", artist));
        } else if (kind == 2) {  // UTF-8 read as CP1252
            v2.Title = decodeWith("CP1252", title.toUtf8());
        }
        v1.Title = kind == 3 ? title.toUtf8() : encodeWith("CP932", title);
        v1.Artist = encodeWith("CP932", artist);
        v1.Album = encodeWith("CP932", album);
        t->SetV1(v1);
        if (kind != 4)
            t->SetV2(v2);
        t->Exists = true;
        store.Tracks().Add(std::move(t));
    }
}

bool makeHome(const QString &dir, int count)
{
    QDir().mkpath(dir);
    TID3TagUseful store(dir + QStringLiteral("/vireo"));
    store.setSaveCachesOnDestroy(false);
    fill(store, count);
    const Result r = store.SaveCaches();
    if (!r.ok())
        std::fprintf(stderr, "%s\n", qPrintable(r.message()));
    return r.ok();
}

struct Home {
    QTemporaryDir dir;
    Home() { makeHome(dir.path(), 100000); }
    QString program() const { return dir.path() + QStringLiteral("/vireo"); }
};

Home &home()
{
    static Home h;
    return h;
}

void BM_LoadCaches(benchmark::State &state)
{
    for (auto _ : state) {
        TID3TagUseful store(home().program());
        store.setSaveCachesOnDestroy(false);
        store.LoadCaches();
        benchmark::DoNotOptimize(store.TrackCount());
    }
}
BENCHMARK(BM_LoadCaches)->Unit(benchmark::kMillisecond);

void BM_ScanOnly(benchmark::State &state)
{
    TID3TagUseful store(home().program());
    store.setSaveCachesOnDestroy(false);
    store.LoadCaches();
    qsizetype suspects = 0;
    for (auto _ : state) {
        const textfix::ScanReport r = textfix::scanLibrary(store);
        suspects = r.suspects.size();
    }
    state.counters["tracks"] = double(store.TrackCount());
    state.counters["suspects"] = double(suspects);
}
BENCHMARK(BM_ScanOnly)->Unit(benchmark::kMillisecond);

void BM_LoadAndScan(benchmark::State &state)
{
    for (auto _ : state) {
        TID3TagUseful store(home().program());
        store.setSaveCachesOnDestroy(false);
        store.LoadCaches();
        benchmark::DoNotOptimize(textfix::scanLibrary(store).suspects.size());
    }
}
BENCHMARK(BM_LoadAndScan)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    if (argc >= 3 && std::strcmp(argv[1], "--make-home") == 0)
        return makeHome(QString::fromLocal8Bit(argv[2]), argc >= 4 ? std::atoi(argv[3]) : 100000) ? 0 : 1;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
