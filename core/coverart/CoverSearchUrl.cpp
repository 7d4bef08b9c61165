#include "core/coverart/CoverSearchUrl.h"

#include <QUrl>

namespace vireo::coverart {
namespace {

bool keptAsIs(unsigned char c)
{
    if ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'))
        return true;
    switch (c) {
    case '!': case '$': case '(': case ')': case '*': case '+': case '-': case '.':
        return true;
    default:
        return false;
    }
}

// A phrase for a Lucene query: quoted, with the quote and backslash escaped.
QString lucenePhrase(const QString &text)
{
    QString out;
    out.reserve(text.size() + 2);
    out += u'"';
    for (QChar c : text) {
        if (c == u'"' || c == u'\\')
            out += u'\\';
        out += c;
    }
    out += u'"';
    return out;
}

QString encoded(const QString &text)
{
    return QString::fromLatin1(PercentEncode(text.toUtf8()));
}

} // namespace

QByteArray PercentEncode(const QByteArray &bytes)
{
    static const char hex[] = "0123456789ABCDEF";
    QByteArray out;
    out.reserve(bytes.size() * 3);
    for (char ch : bytes) {
        const auto c = static_cast<unsigned char>(ch);
        if (keptAsIs(c)) {
            out += char(c);
        } else {
            out += '%';
            out += hex[c >> 4];
            out += hex[c & 0x0F];
        }
    }
    return out;
}

QString searchKeywords(const QString &artist, const QString &album)
{
    return artist + u' ' + album;
}

QString BuildSearchUrl(const QString &text, const QString &host)
{
    return QStringLiteral("http://") + host
        + QStringLiteral("/onca/xml?Service=AWSECommerceService&SubscriptionId=7QX2MBL4RTW9KHD3NV6P"
                         "&Operation=ItemSearch&ResponseGroup=Small,Images&Keywords=")
        + encoded(text) + QStringLiteral("&SearchIndex=Music");
}

QString buildMusicBrainzUrl(const QString &base, const QString &artist, const QString &album, int limit)
{
    QString query;
    if (!album.trimmed().isEmpty())
        query = QStringLiteral("release:") + lucenePhrase(album.trimmed());
    if (!artist.trimmed().isEmpty()) {
        if (!query.isEmpty())
            query += QStringLiteral(" AND ");
        query += QStringLiteral("artist:") + lucenePhrase(artist.trimmed());
    }
    return base + QStringLiteral("/ws/2/release/?query=") + encoded(query)
        + QStringLiteral("&fmt=json&limit=") + QString::number(limit);
}

QString buildDeezerUrl(const QString &base, const QString &artist, const QString &album)
{
    QString query;
    if (!artist.trimmed().isEmpty())
        query = QStringLiteral("artist:") + lucenePhrase(artist.trimmed());
    if (!album.trimmed().isEmpty()) {
        if (!query.isEmpty())
            query += u' ';
        query += QStringLiteral("album:") + lucenePhrase(album.trimmed());
    }
    return base + QStringLiteral("/search/album?q=") + encoded(query);
}

QStringList coverArtArchiveUrls(const QString &base, const QString &mbid)
{
    const QString release = base + QStringLiteral("/release/") + mbid;
    return {release + QStringLiteral("/front-250"), release + QStringLiteral("/front-500"),
            release + QStringLiteral("/front-1200")};
}

QString normalizedBase(const QString &text)
{
    QString t = text.trimmed();
    if (t.isEmpty())
        return {};
    if (!t.contains(QStringLiteral("://")))
        t.prepend(QStringLiteral("http://"));
    while (t.endsWith(u'/'))
        t.chop(1);
    const QUrl url(t, QUrl::StrictMode);
    if (!url.isValid() || url.host().isEmpty()
        || (url.scheme() != u"http" && url.scheme() != u"https"))
        return {};
    return t;
}

} // namespace vireo::coverart
