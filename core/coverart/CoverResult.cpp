#include "core/coverart/CoverResult.h"

namespace vireo::coverart {

QString sourceName(CoverSource source)
{
    switch (source) {
    case CoverSource::Classic: return QStringLiteral("amazon");
    case CoverSource::MusicBrainz: return QStringLiteral("MusicBrainz");
    case CoverSource::Deezer: return QStringLiteral("Deezer");
    }
    return {};
}

QString sourceKey(CoverSource source)
{
    switch (source) {
    case CoverSource::Classic: return QStringLiteral("classic");
    case CoverSource::MusicBrainz: return QStringLiteral("mb");
    case CoverSource::Deezer: return QStringLiteral("deezer");
    }
    return {};
}

bool sourceFromKey(QStringView key, CoverSource &source)
{
    const QString k = key.trimmed().toString().toLower();
    if (k == u"mb" || k == u"musicbrainz")
        source = CoverSource::MusicBrainz;
    else if (k == u"deezer")
        source = CoverSource::Deezer;
    else if (k == u"classic" || k == u"amazon")
        source = CoverSource::Classic;
    else
        return false;
    return true;
}

const CoverPicture *CoverHit::largest() const
{
    const CoverPicture *best = nullptr;
    for (const CoverPicture &p : pictures)
        if (!best || qint64(p.info.width) * p.info.height >= qint64(best->info.width) * best->info.height)
            best = &p;
    return best;
}

} // namespace vireo::coverart
