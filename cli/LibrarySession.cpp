#include "LibrarySession.h"

#include "library/EventLog.h"
#include "platform/CodePage.h"
#include "platform/Paths.h"

#include <QFile>

#include <cstdio>

namespace {

// Reads one key of the settings file: section and key without regard to
// case, blanks around names and values dropped, one pair of quotes removed.
QString readKey(const QString &section, const QString &key, const QString &defaultValue)
{
    QFile f(vireo::programPath(u".ini"));
    if (!f.open(QIODevice::ReadOnly))
        return defaultValue;
    const QString text = vireo::decodeUnmarked(f.readAll());
    bool inSection = false;
    for (QStringView line : QStringView(text).split(u'\n')) {
        line = line.trimmed();
        if (line.startsWith(u'[')) {
            const qsizetype close = line.indexOf(u']');
            inSection = close > 0 && line.mid(1, close - 1).trimmed().compare(section, Qt::CaseInsensitive) == 0;
            continue;
        }
        if (!inSection)
            continue;
        const qsizetype eq = line.indexOf(u'=');
        if (eq <= 0 || line.left(eq).trimmed().compare(key, Qt::CaseInsensitive) != 0)
            continue;
        QStringView v = line.mid(eq + 1).trimmed();
        if (v.size() >= 2 && (v.front() == u'"' || v.front() == u'\'') && v.back() == v.front())
            v = v.mid(1, v.size() - 2);
        return v.toString();
    }
    return defaultValue;
}

} // namespace

void cliError(const QString &message)
{
    std::fprintf(stderr, "vireo-cli: %s\n", message.toLocal8Bit().constData());
}

QString LibrarySession::setting(const QString &section, const QString &key, const QString &defaultValue)
{
    return readKey(section, key, defaultValue);
}

bool LibrarySession::settingBool(const QString &section, const QString &key, bool defaultValue)
{
    bool ok = false;
    const long long v = setting(section, key, defaultValue ? QStringLiteral("1") : QStringLiteral("0")).toLongLong(&ok);
    return ok && (v & 0xFF) != 0;
}

LibrarySession::LibrarySession()
{
    vireo::setLoggingEnabled(true);
    const QString codePage = setting(QStringLiteral("MP3Param"), QStringLiteral("TagCodePage"), QString());
    if (!codePage.isEmpty() && !vireo::setTagCodePage(codePage.toLatin1()))
        vireo::WriteLog(QStringLiteral("TagCodePage: 不明な文字コード \"%1\" は無視します").arg(codePage));
    m_store = std::make_unique<vireo::TID3TagUseful>(vireo::programPath(u""));
    m_store->setMessageHandler([](const QString &text) { cliError(text); });
    vireo::setLibraryStore(m_store.get());
    m_store->LoadCaches();
    m_store->CacheOnly = settingBool(QStringLiteral("MP3Param"), QStringLiteral("FirstCacheFlg"), false);
    m_store->GenreCodeInText = settingBool(QStringLiteral("MP3Param"), QStringLiteral("SaveGenreCode"), true);
    m_store->PreferV2 = settingBool(QStringLiteral("MP3Param"), QStringLiteral("ID3v2Main"), true);
    m_store->setSaveCachesOnDestroy(false);
}

LibrarySession::~LibrarySession()
{
    m_store.reset();
}

QString LibrarySession::musicFolder() const
{
    return setting(QStringLiteral("MP3Param"), QStringLiteral("MP3Dir"), QString());
}

bool LibrarySession::finish()
{
    if (vireo::Result r = m_store->SaveCaches(); !r) {
        cliError(r.message());
        return false;
    }
    return true;
}
