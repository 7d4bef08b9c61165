#include "cli/LibrarySession.h"

#include "core/library/EventLog.h"
#include "core/platform/CodePage.h"
#include "core/platform/InstanceLock.h"
#include "core/platform/Paths.h"
#include "core/settings/ProfileFile.h"
#include "core/settings/SettingValues.h"
#include "core/settings/TagCodePageSetting.h"

#include <QFileInfo>

#include <cstdio>

void cliError(const QString &message)
{
    std::fprintf(stderr, "vireo-cli: %s\n", message.toLocal8Bit().constData());
}

QString LibrarySession::setting(const QString &section, const QString &key, const QString &defaultValue)
{
    return vireo::readProfileString(vireo::programPath(u".ini"), section, key, defaultValue);
}

bool LibrarySession::settingBool(const QString &section, const QString &key, bool defaultValue)
{
    return vireo::boolFromStored(setting(section, key, vireo::boolText(defaultValue)));
}

LibrarySession::LibrarySession()
{
    // Without TZ the C library looks at /etc/localtime again for every local
    // time it makes (a file system call per log line); naming the same zone
    // file once keeps the zone and drops those calls.
    if (qEnvironmentVariableIsEmpty("TZ") && QFileInfo::exists(QStringLiteral("/etc/localtime")))
        qputenv("TZ", ":/etc/localtime");
    vireo::setLoggingEnabled(true);
    if (const vireo::Result bad = vireo::checkProfileFile(vireo::programPath(u".ini")); !bad) {
        vireo::WriteLog(bad.message());
        cliError(bad.message());
    }
    vireo::applyTagCodePageSetting();
    m_store = std::make_unique<vireo::TID3TagUseful>(vireo::programPath(u""));
    m_store->setMessageHandler([](const QString &text) { cliError(text); });
    m_store->setNoticeHandler([](const QString &text) { cliError(text); });
    if (!m_store->compilationProblem().isEmpty())
        cliError(m_store->compilationProblem());
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
    // A running window (or another command) owns the caches until it ends:
    // writing them now would be overwritten at its close, or overwrite its.
    vireo::ResultOf<vireo::InstanceLock> lock = vireo::InstanceLock::acquire(vireo::programFolder());
    if (!lock) {
        cliError(lock.message() + QStringLiteral(" (the caches are left as they are)"));
        return false;
    }
    if (vireo::Result r = m_store->SaveCaches(); !r) {
        cliError(r.message());
        return false;
    }
    return true;
}
