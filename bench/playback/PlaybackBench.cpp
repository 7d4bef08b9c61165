// From the play command to the first decoded buffer reaching the output, for
// a local MP3 (open + play of the built-in player's device), and the cost of
// one progress step (a position query, no file I/O).
// VIREO_AUDIO_SINK chooses the output (default here: "fakesink sync=true").
#include "backends/audio/GstAudioDevice.h"
#include "core/playback/TcmxMP3.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

QString makeMp3(const QTemporaryDir &dir, int kbps, double seconds)
{
    const QString path = dir.filePath(QStringLiteral("bench_%1.mp3").arg(kbps));
    if (QFile::exists(path))
        return path;
    const int rate = 44100;
    const qsizetype frames = qsizetype(seconds * rate);
    QByteArray pcm(frames * 4, Qt::Uninitialized);
    auto *s = reinterpret_cast<qint16 *>(pcm.data());
    for (qsizetype i = 0; i < frames; ++i)
        s[2 * i] = s[2 * i + 1] = qint16(8000 * std::sin(2 * M_PI * 440.0 * double(i) / rate)
                                         + 2000 * std::sin(2 * M_PI * 3001.0 * double(i) / rate));
    QProcess lame;
    lame.start(QStringLiteral(VIREO_LAME),
               {"--quiet", "-r", "-s", "44.1", "--bitwidth", "16", "--signed", "--little-endian", "-m", "j",
                "--cbr", "-b", QString::number(kbps), "-", path});
    lame.waitForStarted();
    lame.write(pcm);
    lame.closeWriteChannel();
    lame.waitForFinished(60000);
    return path;
}

QTemporaryDir &dir()
{
    static QTemporaryDir d;
    return d;
}

void BM_PlayToFirstBuffer(benchmark::State &state)
{
    const QString file = makeMp3(dir(), int(state.range(0)), 10.0);
    vireo::GstAudioDevice device;
    double worst = 0;
    for (auto _ : state) {
        QElapsedTimer t;
        t.start();
        if (!device.open(file) || !device.play()) {
            state.SkipWithError("the file does not play");
            break;
        }
        while (device.firstBufferLatencyMs() < 0 && t.elapsed() < 2000)
            QThread::usleep(200);
        const double ms = t.nsecsElapsed() / 1e6;
        worst = std::max(worst, ms);
        state.SetIterationTime(ms / 1000.0);
        (void)device.stop();
        device.close();
    }
    state.counters["worst_ms"] = worst;
}
BENCHMARK(BM_PlayToFirstBuffer)->Arg(128)->Arg(320)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(30);

void BM_ProgressStep(benchmark::State &state)
{
    const QString file = makeMp3(dir(), 320, 10.0);
    vireo::GstAudioDevice device;
    if (!device.open(file) || !device.play()) {
        state.SkipWithError("the file does not play");
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(vireo::secondsFromMs(device.positionMs()));
    device.close();
}
BENCHMARK(BM_ProgressStep)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("VIREO_AUDIO_SINK"))
        qputenv("VIREO_AUDIO_SINK", "fakesink sync=true");
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
