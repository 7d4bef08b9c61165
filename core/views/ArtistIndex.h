#pragma once
// Indexes of the library used by the tree builders: each track's preferred
// album, and which tracks match an artist name through either tag, so that
// "every later track that matches" is a lookup instead of a scan.
#include "core/views/TrackSource.h"

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

#include <vector>

namespace vireo::views {

class ArtistIndex {
public:
    ArtistIndex(const TrackSource &library, int preference);

    const QString &album(qsizetype i) const { return m_album[size_t(i)]; }
    const QString &albumKey(qsizetype i) const { return m_albumKey[size_t(i)]; }
    // The fold key of the track's preferred artist.
    const QString &artistKey(qsizetype i) const { return m_artistKey[size_t(i)]; }

    // Positions after `after`, in library order and each once, of the tracks
    // whose present ID3v1 or ID3v2 artist equals the artist (given as its fold
    // key), together with those of compilation group `compilation` when it is not -1.
    void laterMatches(qsizetype after, const QString &artistFold, int compilation,
                      std::vector<qsizetype> &out) const;

private:
    std::vector<QString> m_album;
    std::vector<QString> m_albumKey;
    std::vector<QString> m_artistKey;
    QHash<QString, std::vector<qsizetype>> m_byArtist;
    QHash<int, std::vector<qsizetype>> m_byCompilation;
};

// The hidden-genre list, compared without regard to case.
class HiddenGenres {
public:
    explicit HiddenGenres(const QStringList &names);
    bool hides(const QString &genreName) const;
private:
    QSet<QString> m_keys;
};

} // namespace vireo::views
