#include "core/views/ArtistIndex.h"

#include "core/views/TextKeys.h"

#include "core/library/TrackRecord.h"

#include <algorithm>

namespace vireo::views {

ArtistIndex::ArtistIndex(const TrackSource &library, int preference)
{
    const qsizetype n = library.trackCount();
    m_album.resize(size_t(n));
    m_albumKey.resize(size_t(n));
    m_artistKey.resize(size_t(n));
    m_byArtist.reserve(n / 8 + 16);
    for (qsizetype i = 0; i < n; ++i) {
        const TID3ListItem *t = library.trackAt(i);
        m_album[size_t(i)] = t->PreferredAlbum(preference);
        m_albumKey[size_t(i)] = foldKey(m_album[size_t(i)]);
        // The artist of each present tag: preference 1 gives the ID3v1 one
        // when present, preference 2 the ID3v2 one.
        QString v1Key, v2Key;
        if (t->HasV1) {
            v1Key = foldKey(t->PreferredArtist(1));
            m_byArtist[v1Key].push_back(i);
        }
        if (t->HasV2) {
            v2Key = foldKey(t->PreferredArtist(2));
            if (!t->HasV1 || v2Key != v1Key)
                m_byArtist[v2Key].push_back(i);
        }
        // The preferred artist is the preferred tag's when present, else the other's.
        const bool v2First = preference == 2;
        m_artistKey[size_t(i)] = (v2First ? t->HasV2 : !t->HasV1) ? v2Key : v1Key;
        if (t->CompilationIndex != -1)
            m_byCompilation[t->CompilationIndex].push_back(i);
    }
}

void ArtistIndex::laterMatches(qsizetype after, const QString &artistFold, int compilation,
                               std::vector<qsizetype> &out) const
{
    out.clear();
    static const std::vector<qsizetype> none;
    auto tail = [after](const std::vector<qsizetype> &v) {
        return std::upper_bound(v.begin(), v.end(), after);
    };
    const auto ai = m_byArtist.constFind(artistFold);
    const std::vector<qsizetype> &a = ai == m_byArtist.cend() ? none : ai.value();
    if (compilation == -1) {
        out.assign(tail(a), a.end());
        return;
    }
    const auto ci = m_byCompilation.constFind(compilation);
    const std::vector<qsizetype> &c = ci == m_byCompilation.cend() ? none : ci.value();
    std::set_union(tail(a), a.end(), tail(c), c.end(), std::back_inserter(out));
}

HiddenGenres::HiddenGenres(const QStringList &names)
{
    for (const QString &name : names)
        m_keys.insert(foldKey(name));
}

bool HiddenGenres::hides(const QString &genreName) const
{
    return !m_keys.isEmpty() && m_keys.contains(foldKey(genreName));
}

} // namespace vireo::views
