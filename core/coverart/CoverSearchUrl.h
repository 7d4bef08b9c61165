#pragma once
// The addresses the cover search asks: the classic product-search query, the
// MusicBrainz release search, the Cover Art Archive front pictures and the
// Deezer album search. Keywords travel as percent-encoded UTF-8.
#include <QByteArray>
#include <QString>
#include <QStringList>

namespace vireo::coverart {

// Leaves "!$()*+-." digits and ASCII letters as they are; every other byte,
// the space included, becomes "%" and two upper-case hexadecimal digits.
QByteArray PercentEncode(const QByteArray &bytes);

// The keywords of a search: the artist, one space, the album.
QString searchKeywords(const QString &artist, const QString &album);

// "http://" + host + the product-search path with the keywords encoded.
QString BuildSearchUrl(const QString &text, const QString &host);

// base + "/ws/2/release/?query=" + a release query for artist and album
// (quoted, with Lucene's special characters escaped) + "&fmt=json&limit=N".
QString buildMusicBrainzUrl(const QString &base, const QString &artist, const QString &album, int limit = 10);

// base + "/search/album?q=" + an artist/album query.
QString buildDeezerUrl(const QString &base, const QString &artist, const QString &album);

// The small, medium and large front pictures of a release:
// base + "/release/" + mbid + "/front-250", "-500", "-1200".
QStringList coverArtArchiveUrls(const QString &base, const QString &mbid);

// A configured base address without a final "/", with "http://" put in front
// when it names no scheme. Empty when the text is not an http(s) address.
QString normalizedBase(const QString &text);

} // namespace vireo::coverart
