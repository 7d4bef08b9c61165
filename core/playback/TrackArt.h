#pragma once
// The picture the desktop's sound menu shows for the playing track
// (mpris:artUrl): the album's cover file in the track's folder, or the
// picture embedded in its ID3v2 tag written once to a cache file, since the
// desktop can only show a file. Lookups are kept per track, so asking for
// the metadata again reads nothing.
#include <QHash>
#include <QString>

namespace vireo {

class TrackArtCache {
public:
    // cacheFolder: where embedded pictures are written (made when needed).
    explicit TrackArtCache(QString cacheFolder);

    // The picture file of a track of the given album; "" when it has none or
    // the embedded picture cannot be written.
    QString artFor(const QString &trackPath, const QString &album);

    const QString &cacheFolder() const { return m_folder; }

private:
    QString m_folder;
    QHash<QString, QString> m_known; // track path -> picture file ("" for none)
};

// programFolder() + "cache/".
QString defaultArtCacheFolder();

} // namespace vireo
