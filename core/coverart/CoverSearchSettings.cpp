#include "core/coverart/CoverSearchSettings.h"

#include "core/coverart/CoverSearchTexts.h"
#include "core/settings/ProfileFile.h"
#include "core/settings/RegManager.h"

#ifndef VIREO_PROJECT_URL
#define VIREO_PROJECT_URL ""
#endif

namespace vireo::coverart {
namespace {
const QString kSection = QStringLiteral("MP3Param");
}

QString sourcesText(const QList<CoverSource> &sources)
{
    QStringList words;
    for (CoverSource s : sources)
        words << sourceKey(s);
    return words.join(u',');
}

QList<CoverSource> sourcesFromText(const QString &text)
{
    QList<CoverSource> out;
    for (const QString &word : text.split(u',', Qt::SkipEmptyParts)) {
        CoverSource s;
        if (sourceFromKey(word, s) && !out.contains(s))
            out << s;
    }
    return out;
}

CoverSearchSettings readCoverSearchSettings(TRegManager &store)
{
    CoverSearchSettings s;
    // These keys are not catalogue entries: they are read from the store's
    // file directly, with the same profile rules.
    auto read = [&](const char *key, const QString &def) {
        if (store.IniFileName.isEmpty())
            return def;
        return readProfileString(store.IniFileName, kSection, QString::fromLatin1(key), def);
    };
    s.classicHost = read("CoverSearchHost", s.classicHost).trimmed();
    s.sources = sourcesFromText(read("CoverSearchSources", sourcesText(s.sources)));
    s.musicBrainzBase = read("MusicBrainzHost", s.musicBrainzBase).trimmed();
    s.coverArtBase = read("CoverArtArchiveHost", s.coverArtBase).trimmed();
    s.deezerBase = read("DeezerHost", s.deezerBase).trimmed();
    return s;
}

Result writeCoverSearchSettings(TRegManager &store, const CoverSearchSettings &s)
{
    if (store.IniFileName.isEmpty())
        return Result::failure(ErrorCode::InvalidArgument, QStringLiteral("can not create Inifile object."));
    const std::pair<const char *, QString> keys[] = {
        {"CoverSearchHost", s.classicHost},
        {"CoverSearchSources", sourcesText(s.sources)},
        {"MusicBrainzHost", s.musicBrainzBase},
        {"CoverArtArchiveHost", s.coverArtBase},
        {"DeezerHost", s.deezerBase},
    };
    for (const auto &[key, value] : keys)
        if (Result r = writeProfileString(store.IniFileName, kSection, QString::fromLatin1(key), value); !r)
            return r;
    return {};
}

ResultOf<ProxyChoice> proxyFromSettings(int proxyUse, const QString &address, const QString &portText)
{
    ProxyChoice p;
    if (proxyUse != 2)
        return p;
    bool ok = false;
    const int port = portText.trimmed().toInt(&ok);
    if (!ok || port < 1 || port > 65535)
        return ResultOf<ProxyChoice>::failure(ErrorCode::InvalidArgument, texts::notAnInteger(portText));
    p.useProxy = !address.trimmed().isEmpty();
    p.host = address.trimmed();
    p.port = quint16(port);
    return p;
}

QString projectAddress()
{
    return QStringLiteral(VIREO_PROJECT_URL);
}

QByteArray musicBrainzUserAgent()
{
    QString contact = projectAddress();
    if (contact.isEmpty())
        contact = QStringLiteral("Vireo MP3 library");
    return (QStringLiteral("Vireo/") + QStringLiteral(VIREO_VERSION) + QStringLiteral(" ( ") + contact
            + QStringLiteral(" )"))
        .toUtf8();
}

} // namespace vireo::coverart
