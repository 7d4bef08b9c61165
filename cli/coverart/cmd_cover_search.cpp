// vireo-cli cover-search ARTIST ALBUM [--source mb|deezer|classic] [--json] [--save N FILE]
// The cover search the search window runs: the sources and hosts come from
// the settings file (CoverSearchSources, CoverSearchHost, MusicBrainzHost,
// CoverArtArchiveHost, DeezerHost) unless --source names one, the proxy from
// ProxyUse, ProxyAddress and ProxyPort. Prints each match's number, source,
// title and picture addresses; --save N FILE writes the Nth match's largest
// picture (numbered from 1) to FILE, replacing it only when it is not a
// folder.
#include "cli/ProgressLine.h"
#include "cli/commands.h"

#include "backends/net/NetworkHttpClient.h"
#include "core/coverart/CoverSave.h"
#include "core/coverart/CoverSearch.h"
#include "core/coverart/CoverSearchSettings.h"
#include "core/settings/SettingsCatalogue.h"

#include <QEventLoop>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTimer>

#include <cstdio>

using namespace vireo;
using namespace vireo::coverart;

namespace {

void out(const QString &text)
{
    const QByteArray bytes = text.toUtf8() + '\n';
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
}

void err(const QString &text)
{
    const QByteArray bytes = QByteArray("vireo-cli cover-search: ") + text.toUtf8() + '\n';
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
}

int usage()
{
    std::fputs("usage: vireo-cli cover-search ARTIST ALBUM [--source mb|deezer|classic] [--json] [--save N FILE]\n",
               stderr);
    return 2;
}

QString formatName(PictureFormat f)
{
    switch (f) {
    case PictureFormat::Jpeg: return QStringLiteral("jpeg");
    case PictureFormat::Png: return QStringLiteral("png");
    case PictureFormat::Gif: return QStringLiteral("gif");
    case PictureFormat::Unknown: break;
    }
    return QStringLiteral("unknown");
}

} // namespace

int cmdCoverSearch(const QStringList &argsIn)
{
    QStringList args = argsIn;
    bool json = false;
    QList<CoverSource> sources;
    int saveIndex = 0;
    QString saveFile;
    QStringList positional;
    for (int i = 0; i < args.size(); ++i) {
        const QString &a = args[i];
        if (a == u"--json") {
            json = true;
        } else if (a == u"--source" && i + 1 < args.size()) {
            CoverSource s;
            if (!sourceFromKey(args[++i], s)) {
                err(QStringLiteral("unknown source \"%1\"").arg(args[i]));
                return usage();
            }
            if (!sources.contains(s))
                sources << s;
        } else if (a == u"--save" && i + 2 < args.size()) {
            bool ok = false;
            saveIndex = args[++i].toInt(&ok);
            saveFile = args[++i];
            if (!ok || saveIndex < 1) {
                err(QStringLiteral("--save needs a match number from 1"));
                return usage();
            }
        } else if (a.startsWith(QStringLiteral("--"))) {
            return usage();
        } else {
            positional << a;
        }
    }
    if (positional.size() != 2)
        return usage();

    auto store = makeSettingsStore();
    store->setMessageHandler(err);
    CoverSearchSettings settings = readCoverSearchSettings(*store);
    if (!sources.isEmpty())
        settings.sources = sources;
    const auto proxy = proxyFromSettings(store->Filer(u"ProxyUse").ReadInteger(), store->Filer(u"ProxyAddress").ReadText(),
                                         store->Filer(u"ProxyPort").ReadText());
    if (!proxy) {
        err(proxy.message());
        return 1;
    }

    net::NetworkHttpClient client;
    client.setProxy(*proxy);
    RequestPacer pacer;
    CoverSearch search(client, pacer);
    search.setSettings(settings);
    QList<CoverHit> hits;
    Result outcome;
    QEventLoop loop;
    // On a terminal: the matches so far and the time, while the sources answer.
    ProgressLine progress;
    const QString label = QStringLiteral("matches");
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, [&] { progress.update(label, hits.size(), -1); });
    if (progress.onTerminal())
        tick.start(250);
    QObject::connect(&search, &CoverSearch::hitReady, [&](const CoverHit &hit) {
        hits << hit;
        progress.update(label, hits.size(), -1, hit.result.title);
    });
    QObject::connect(&search, &CoverSearch::finished, [&](const Result &r) {
        outcome = r;
        loop.quit();
    });
    search.start(positional[0], positional[1]);
    loop.exec();
    tick.stop();
    progress.clear();

    if (json) {
        QJsonArray list;
        for (const CoverHit &hit : hits) {
            QJsonArray pictures;
            for (const CoverPicture &p : hit.pictures)
                pictures.append(QJsonObject{{QStringLiteral("url"), p.url},
                                            {QStringLiteral("format"), formatName(p.info.format)},
                                            {QStringLiteral("width"), p.info.width},
                                            {QStringLiteral("height"), p.info.height}});
            list.append(QJsonObject{{QStringLiteral("title"), hit.result.title},
                                    {QStringLiteral("source"), sourceName(hit.result.source)},
                                    {QStringLiteral("pictures"), pictures}});
        }
        QJsonObject doc{{QStringLiteral("results"), list}};
        if (!outcome)
            doc.insert(QStringLiteral("error"), outcome.message());
        out(QString::fromUtf8(QJsonDocument(doc).toJson(QJsonDocument::Indented)).trimmed());
    } else {
        int n = 0;
        for (const CoverHit &hit : hits) {
            out(QStringLiteral("%1\t%2\t%3").arg(++n).arg(sourceName(hit.result.source), hit.result.title));
            for (const CoverPicture &p : hit.pictures)
                out(QStringLiteral("\t%1\t%2x%3\t%4")
                        .arg(formatName(p.info.format))
                        .arg(p.info.width)
                        .arg(p.info.height)
                        .arg(p.url));
        }
    }
    if (!outcome)
        err(outcome.message());

    if (!saveFile.isEmpty()) {
        if (saveIndex > hits.size()) {
            err(QStringLiteral("no match number %1 (%2 found)").arg(saveIndex).arg(hits.size()));
            return 1;
        }
        const CoverPicture *picture = hits[saveIndex - 1].largest();
        if (!picture) {
            err(QStringLiteral("match %1 has no picture").arg(saveIndex));
            return 1;
        }
        if (Result r = savePicture(picture->data, saveFile); !r) {
            err(r.message());
            return 1;
        }
        return 0;
    }
    return outcome ? 0 : 1;
}

static const CommandRegistration reg{"cover-search", cmdCoverSearch,
                                     "cover-search ARTIST ALBUM [--source mb|deezer|classic] [--json] [--save N FILE]"};
