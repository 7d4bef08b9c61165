// Cost of the settings load and save (one file access per key, every write
// replacing the file through a temporary file, fsync and rename), of the
// profile parser alone, and of one event-log line.
#include "core/library/EventLog.h"
#include "core/settings/MainWindowSettings.h"
#include "core/settings/ProfileFile.h"
#include "core/settings/SettingsCatalogue.h"
#include "core/platform/Paths.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace vireo;

namespace {

struct Folder {
    Folder()
    {
        const QByteArray where = qgetenv("VIREO_BENCH_DIR"); // e.g. a folder on the disk under test
        dir = std::make_unique<QTemporaryDir>(where.isEmpty() ? QDir::tempPath() + QStringLiteral("/vireo-bench-XXXXXX")
                                                              : QString::fromLocal8Bit(where) + QStringLiteral("/vireo-bench-XXXXXX"));
        setProgramFolder(dir->path());
    }
    ~Folder() { setProgramFolder(QString()); }
    std::unique_ptr<QTemporaryDir> dir;
};

void BM_SaveFromNothing(benchmark::State &state)
{
    Folder f;
    auto store = makeSettingsStore();
    const MainWindowSettings s;
    for (auto _ : state) {
        state.PauseTiming();
        QFile::remove(store->IniFileName);
        state.ResumeTiming();
        benchmark::DoNotOptimize(saveSettings(*store, s).ok());
    }
}
BENCHMARK(BM_SaveFromNothing)->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_SaveUnchanged(benchmark::State &state)
{
    Folder f;
    auto store = makeSettingsStore();
    const MainWindowSettings s;
    (void)saveSettings(*store, s);
    for (auto _ : state)
        benchmark::DoNotOptimize(saveSettings(*store, s).ok());
}
BENCHMARK(BM_SaveUnchanged)->Unit(benchmark::kMillisecond);

void BM_Load(benchmark::State &state)
{
    Folder f;
    auto store = makeSettingsStore();
    MainWindowSettings s;
    (void)saveSettings(*store, s);
    for (auto _ : state)
        benchmark::DoNotOptimize(loadSettings(*store, s));
}
BENCHMARK(BM_Load)->Unit(benchmark::kMillisecond);

void BM_ParseSavedFile(benchmark::State &state)
{
    Folder f;
    auto store = makeSettingsStore();
    (void)saveSettings(*store, MainWindowSettings());
    QFile file(store->IniFileName);
    file.open(QIODevice::ReadOnly);
    const QByteArray bytes = file.readAll();
    for (auto _ : state)
        benchmark::DoNotOptimize(ProfileDocument::parse(bytes).value(u"AlbumList", u"ShowAlbumArtist"));
    state.SetBytesProcessed(int64_t(state.iterations()) * bytes.size());
}
BENCHMARK(BM_ParseSavedFile);

void BM_WriteLogLine(benchmark::State &state)
{
    Folder f;
    eventLog().setEnabled(true);
    for (auto _ : state)
        WriteLog(u"キャッシュ読み込み処理開始");
    eventLog().setEnabled(false);
    eventLog().close();
}
BENCHMARK(BM_WriteLogLine)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
