#pragma once
// The cover search's own keys of the settings file (section [MP3Param]):
//   CoverSearchHost      host of the product-search service ("host[:port]")
//   CoverSearchSources   the sources to ask, comma text of "mb", "deezer", "classic"
//   MusicBrainzHost      base address of the MusicBrainz web service
//   CoverArtArchiveHost  base address of the Cover Art Archive
//   DeezerHost           base address of the Deezer API
// and the proxy choice of the keys ProxyUse, ProxyAddress and ProxyPort.
#include "core/coverart/CoverResult.h"
#include "core/platform/Result.h"

#include <QList>
#include <QString>

namespace vireo {
class TRegManager;
}

namespace vireo::coverart {

struct CoverSearchSettings {
    QString classicHost = QStringLiteral("ecs.amazonaws.jp");
    QList<CoverSource> sources = {CoverSource::MusicBrainz, CoverSource::Deezer};
    QString musicBrainzBase = QStringLiteral("https://musicbrainz.org");
    QString coverArtBase = QStringLiteral("https://coverartarchive.org");
    QString deezerBase = QStringLiteral("https://api.deezer.com");
    bool operator==(const CoverSearchSettings &) const = default;
};

// Reads the keys through the store's file (a missing key gives the value
// above; an unknown source word is skipped).
CoverSearchSettings readCoverSearchSettings(TRegManager &store);
// Writes all five keys at once.
Result writeCoverSearchSettings(TRegManager &store, const CoverSearchSettings &settings);

QString sourcesText(const QList<CoverSource> &sources);
QList<CoverSource> sourcesFromText(const QString &text);

// The proxy the client uses. ProxyUse 2 is the proxy at address:port; any
// other value (1, automatic detection, included) is a direct connection.
struct ProxyChoice {
    bool useProxy = false;
    QString host;
    quint16 port = 0;
};
// Fails with "'<port>' is not a valid integer value" when the manual proxy
// is chosen and the port is not an integer from 1 to 65535.
ResultOf<ProxyChoice> proxyFromSettings(int proxyUse, const QString &address, const QString &portText);

// "Vireo/<version> ( <project address> )": what MusicBrainz asks clients to
// send. Without a configured address the program's name stands in.
QByteArray musicBrainzUserAgent();
// The project's web page, or empty when none was configured at build time.
QString projectAddress();

} // namespace vireo::coverart
