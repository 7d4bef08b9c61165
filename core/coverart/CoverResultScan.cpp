#include "core/coverart/CoverResultScan.h"

#include "core/coverart/CoverSearchTexts.h"
#include "core/coverart/CoverSearchUrl.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QUrl>
#include <QUuid>

#include <optional>

namespace vireo::coverart {
namespace {

// The text between the first `open` in `text` and the first `close` after
// it, or nothing when either is missing. Searches stay inside `text` (one
// item), so an answer of many items is read in linear time.
std::optional<QStringView> between(QStringView text, QStringView open, QStringView close)
{
    const qsizetype a = text.indexOf(open);
    if (a < 0)
        return std::nullopt;
    const qsizetype start = a + open.size();
    const qsizetype b = text.indexOf(close, start);
    if (b < 0)
        return std::nullopt;
    return text.sliced(start, b - start);
}

bool isWebAddress(const QString &text)
{
    const QUrl url(text, QUrl::StrictMode);
    return url.isValid() && !url.host().isEmpty() && (url.scheme() == u"http" || url.scheme() == u"https");
}

ResultOf<QJsonObject> jsonObject(const QByteArray &body, const QString &source)
{
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(body, &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject())
        return ResultOf<QJsonObject>::failure(ErrorCode::BadData, texts::unexpectedAnswer(source));
    return doc.object();
}

} // namespace

ResultOf<QList<CoverResult>> scanClassicResults(const QByteArray &body)
{
    const QString text = QString::fromUtf8(body);
    const QString head = text.trimmed();
    if (!head.startsWith(u'<'))
        return ResultOf<QList<CoverResult>>::failure(ErrorCode::BadData,
                                                     texts::unexpectedAnswer(sourceName(CoverSource::Classic)));
    static const QString itemTag = QStringLiteral("<Item>");
    QList<CoverResult> results;
    qsizetype at = text.indexOf(itemTag);
    while (at >= 0) {
        const qsizetype start = at + itemTag.size();
        const qsizetype next = text.indexOf(itemTag, start);
        const QStringView item = QStringView(text).sliced(start, (next < 0 ? text.size() : next) - start);
        at = next;

        QString title = between(item, u"<Title>", u"</Title>").value_or(QStringView()).toString();
        title.replace(QStringLiteral("&amp;"), QStringLiteral("&"), Qt::CaseInsensitive);
        if (title.isEmpty())
            continue;
        CoverResult r;
        r.source = CoverSource::Classic;
        r.title = title;
        for (QStringView tag : {u"SmallImage", u"MediumImage", u"LargeImage"}) {
            const QString open = u'<' + tag.toString() + u'>';
            const QString close = QStringLiteral("</") + tag.toString() + u'>';
            const std::optional<QStringView> element = between(item, open, close);
            if (!element)
                continue;
            const QString url = between(*element, u"<URL>", u"</URL>").value_or(QStringView()).trimmed().toString();
            if (!url.isEmpty())
                r.pictureUrls << url;
        }
        results << r;
    }
    return results;
}

ResultOf<QList<CoverResult>> parseMusicBrainzReleases(const QByteArray &body, const QString &coverArtBase)
{
    const QString source = sourceName(CoverSource::MusicBrainz);
    auto doc = jsonObject(body, source);
    if (!doc)
        return doc.status();
    const QJsonValue releases = doc->value(u"releases");
    if (!releases.isArray())
        return ResultOf<QList<CoverResult>>::failure(ErrorCode::BadData, texts::unexpectedAnswer(source));
    QList<CoverResult> results;
    for (const QJsonValue &v : releases.toArray()) {
        const QJsonObject rel = v.toObject();
        const QString id = rel.value(u"id").toString();
        if (QUuid::fromString(id).isNull())
            continue;
        const QJsonValue caa = rel.value(u"cover-art-archive");
        if (caa.isObject() && caa.toObject().value(u"front").isBool() && !caa.toObject().value(u"front").toBool())
            continue;
        QString artist;
        for (const QJsonValue &c : rel.value(u"artist-credit").toArray()) {
            const QJsonObject credit = c.toObject();
            QString name = credit.value(u"name").toString();
            if (name.isEmpty())
                name = credit.value(u"artist").toObject().value(u"name").toString();
            artist += name + credit.value(u"joinphrase").toString();
        }
        QString title = rel.value(u"title").toString();
        if (title.isEmpty())
            continue;
        if (!artist.isEmpty())
            title = artist + QStringLiteral(" – ") + title;
        const QString date = rel.value(u"date").toString();
        if (!date.isEmpty())
            title += QStringLiteral(" (") + date + u')';
        CoverResult r;
        r.source = CoverSource::MusicBrainz;
        r.title = title;
        r.pictureUrls = coverArtArchiveUrls(coverArtBase, QUuid::fromString(id).toString(QUuid::WithoutBraces));
        results << r;
    }
    return results;
}

ResultOf<QList<CoverResult>> parseDeezerAlbums(const QByteArray &body)
{
    const QString source = sourceName(CoverSource::Deezer);
    auto doc = jsonObject(body, source);
    if (!doc)
        return doc.status();
    if (doc->value(u"error").isObject()) {
        const QString message = doc->value(u"error").toObject().value(u"message").toString();
        return ResultOf<QList<CoverResult>>::failure(ErrorCode::Network, texts::sourceError(source, message));
    }
    const QJsonValue data = doc->value(u"data");
    if (!data.isArray())
        return ResultOf<QList<CoverResult>>::failure(ErrorCode::BadData, texts::unexpectedAnswer(source));
    QList<CoverResult> results;
    for (const QJsonValue &v : data.toArray()) {
        const QJsonObject album = v.toObject();
        QString title = album.value(u"title").toString();
        if (title.isEmpty())
            continue;
        const QString artist = album.value(u"artist").toObject().value(u"name").toString();
        if (!artist.isEmpty())
            title = artist + QStringLiteral(" – ") + title;
        CoverResult r;
        r.source = CoverSource::Deezer;
        r.title = title;
        for (QStringView key : {u"cover_medium", u"cover_big", u"cover_xl"}) {
            const QString url = album.value(key).toString();
            if (isWebAddress(url))
                r.pictureUrls << url;
        }
        results << r;
    }
    return results;
}

QString labelText(const QString &title)
{
    QString t = title;
    t.replace(u'&', QStringLiteral("&&"));
    return t;
}

} // namespace vireo::coverart
