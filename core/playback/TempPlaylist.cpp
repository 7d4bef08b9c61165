#include "core/playback/TempPlaylist.h"

#include "core/platform/Paths.h"
#include "core/playlists/M3UFile.h"

#include <QFile>

#include <chrono>

namespace vireo {

QString temporaryPlaylistPath() { return programFolder() + QStringLiteral("$$vire$$.m3u"); }

QStringList selectedRowPaths(const QStringList &rowPaths, const std::vector<bool> &selected)
{
    QStringList out;
    const qsizetype n = std::min<qsizetype>(rowPaths.size(), qsizetype(selected.size()));
    qsizetype first = 0;
    while (first < n && !selected[size_t(first)])
        ++first;
    for (qsizetype i = first; i < n; ++i)
        if (selected[size_t(i)])
            out << rowPaths[i];
    return out;
}

void shuffleLines(QStringList &lines, std::mt19937 &generator)
{
    const qsizetype n = lines.size();
    if (n <= 1)
        return;
    std::uniform_int_distribution<qsizetype> pick(0, n - 1);
    for (qsizetype k = 0; k < 10 * n; ++k) {
        const qsizetype a = pick(generator);
        const qsizetype b = pick(generator);
        lines.swapItemsAt(b, a);
    }
}

std::mt19937 clockSeededGenerator()
{
    const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
    return std::mt19937(static_cast<std::mt19937::result_type>(ticks));
}

Result writeTemporaryPlaylist(const QString &path, QStringList paths, bool shuffle,
                              std::mt19937 &generator)
{
    if (shuffle)
        shuffleLines(paths, generator);
    return writePlainPlaylist(path, paths);
}

void removeTemporaryPlaylist(const QString &path)
{
    if (QFile::exists(path))
        QFile::remove(path);
}

} // namespace vireo
