// Scrolls the cover strip page by page over many albums (8,000 by default),
// each with its own folder.jpg, at each cell size, on the offscreen platform.
// Reports how often cover files were read (by the cache's count and by the
// bytes the process read), the cache's peak size, and the time to show a page
// the first time and once its covers are cached.
// usage: bench_covers [ALBUMS] [FOLDER]   (FOLDER is made if missing and kept)
#include "core/views/NodeData.h"
#include "gui/covers/CoverCache.h"
#include "gui/covers/CoverStrip.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>

#include <algorithm>
#include <cstdio>
#include <sys/resource.h>
#include <vector>

using namespace vireo;

namespace {

qint64 bytesRead()
{
    QFile io(QStringLiteral("/proc/self/io"));
    if (!io.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : io.readAll().split('\n'))
        if (line.startsWith("rchar:"))
            return line.mid(6).trimmed().toLongLong();
    return -1;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int albums = argc > 1 ? std::atoi(argv[1]) : 8000;
    const QString root = argc > 2 ? QString::fromLocal8Bit(argv[2])
                                  : QDir::tempPath() + QStringLiteral("/vireo-bench-covers");

    // Album folders with a 500 × 500 JPEG cover each (made once).
    views::AlbumList list;
    qint64 coverBytes = 0;
    for (int i = 0; i < albums; ++i) {
        const QString folder = root + QStringLiteral("/a%1").arg(i, 5, 10, QLatin1Char('0'));
        const QString cover = folder + QStringLiteral("/folder.jpg");
        if (!QFile::exists(cover)) {
            QDir().mkpath(folder);
            QImage img(500, 500, QImage::Format_RGB32);
            img.fill(QColor::fromHsv(i * 37 % 360, 200, 200));
            for (int y = 0; y < 500; y += 50)
                for (int x = (y / 50 % 2) * 50; x < 500; x += 100)
                    for (int dy = 0; dy < 50; ++dy)
                        std::fill_n(reinterpret_cast<QRgb *>(img.scanLine(y + dy)) + x, 50, qRgb(i % 256, 40, 90));
            img.save(cover, "JPG", 90);
        }
        coverBytes += QFileInfo(cover).size();
        list.push_back({QStringLiteral("Album %1").arg(i),
                        views::makeAlbumNode(QStringLiteral("Album %1").arg(i), QStringLiteral("Artist"), folder)
                            .Data});
    }
    std::printf("albums %d, cover files %.1f MB\n", albums, coverBytes / 1048576.0);

    for (int step = 1; step <= 3; ++step) {
        covers::CoverCache cache;
        covers::CoverStrip strip(cache);
        strip.setSizeStep(step);
        strip.resize(1280, strip.cellSide());
        strip.show();
        QApplication::processEvents(); // lays the grid out at its width
        strip.SetCovers(list);
        QWidget *grid = strip.grid();
        QImage canvas(grid->size(), QImage::Format_RGB32);
        const int page = strip.view().fullyVisible;

        std::vector<double> firstPaint;
        const qint64 read0 = bytesRead();
        QElapsedTimer all;
        all.start();
        for (int first = 0; first < albums; first += page) {
            strip.scrollToColumn(first);
            QElapsedTimer t;
            t.start();
            grid->render(&canvas);
            firstPaint.push_back(t.nsecsElapsed() / 1e6);
        }
        const double pass = all.elapsed() / 1000.0;
        const qint64 passRead = bytesRead() - read0;
        const covers::CoverCache::Stats afterPass = cache.stats();

        // Back over the last pages, and the same page again and again: from the cache.
        std::vector<double> cachedPaint;
        const int lastFirst = (albums - 1) / page * page;
        for (int k = 0; k < 20; ++k) {
            strip.scrollToColumn(std::max(0, lastFirst - (k % 5) * page));
            QElapsedTimer t;
            t.start();
            grid->render(&canvas);
            cachedPaint.push_back(t.nsecsElapsed() / 1e6);
        }
        const covers::CoverCache::Stats s = cache.stats();
        std::printf("\ncell %d px, %d cells a page:\n", strip.cellSide(), page);
        std::printf("  one pass over all pages: %.1f s; cover files read %lld (%.2f a cover), "
                    "bytes read by the process %.1f MB of %.1f MB of covers\n",
                    pass, static_cast<long long>(afterPass.reads), double(afterPass.reads) / albums,
                    passRead / 1048576.0, coverBytes / 1048576.0);
        std::printf("  cache peak %.1f MB (budget %.0f MB), evictions %lld, failures %lld\n",
                    s.peakBytes / 1048576.0, cache.budget() / 1048576.0,
                    static_cast<long long>(s.evictions), static_cast<long long>(s.failures));
        std::printf("  page first shown: median %.2f ms, max %.2f ms\n", median(firstPaint),
                    *std::max_element(firstPaint.begin(), firstPaint.end()));
        std::printf("  cached page: median %.2f ms, max %.2f ms; reads while going back %lld\n",
                    median(cachedPaint), *std::max_element(cachedPaint.begin(), cachedPaint.end()),
                    static_cast<long long>(s.reads - afterPass.reads));
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("\npeak resident %ld MB\n", usage.ru_maxrss / 1024);
    return 0;
}
