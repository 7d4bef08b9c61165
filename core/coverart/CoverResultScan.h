#pragma once
// Turns a source's answer (bytes as they arrived) into matches.
#include "core/coverart/CoverResult.h"
#include "core/platform/Result.h"

#include <QList>

namespace vireo::coverart {

// The product-search XML. Each "<Item>" up to the next one (or the end) is
// one match: its title lies between the first "<Title>" and "</Title>" of
// that item, with every "&amp;" (any case) read as "&" and no other entity
// decoded; its pictures are the addresses between "<URL>" and "</URL>"
// inside the item's first "<SmallImage>", "<MediumImage>" and "<LargeImage>",
// in that order. Items with an empty title are left out. An answer that is
// not XML at all is a failure; an answer without items gives no match.
ResultOf<QList<CoverResult>> scanClassicResults(const QByteArray &body);

// A MusicBrainz release search in JSON ("releases": id, title,
// artist-credit, date). Each release with a well-formed id becomes a match
// titled "artist – title (date)" with the Cover Art Archive's front
// pictures under coverArtBase. A release that says it has no front picture
// is left out. An answer without a "releases" array is a failure.
ResultOf<QList<CoverResult>> parseMusicBrainzReleases(const QByteArray &body, const QString &coverArtBase);

// A Deezer album search in JSON ("data": title, artist.name, cover_medium,
// cover_big, cover_xl). Only http(s) picture addresses are taken. An
// "error" object or an answer without a "data" array is a failure.
ResultOf<QList<CoverResult>> parseDeezerAlbums(const QByteArray &body);

// Text for a label that shows "&" itself (labels read "&x" as a mnemonic).
QString labelText(const QString &title);

} // namespace vireo::coverart
