// vireo-cli paths [--json]: where this run of Vireo keeps its files, as the
// window's run state sees them: the program folder, the settings, the caches,
// the compilation list, the logs, the temporary playlist and the music folder.
#include "cli/LibrarySession.h"
#include "cli/commands.h"

#include "core/app/AppSession.h"
#include "core/platform/Paths.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>
#include <utility>
#include <vector>

namespace {

int cmdPaths(const QStringList &args)
{
    const bool json = args.contains(QStringLiteral("--json"));
    vireo::AppSession session;
    session.setProgramFolder(vireo::programFolder());
    session.setMusicFolder(LibrarySession::setting(QStringLiteral("MP3Param"), QStringLiteral("MP3Dir"), QString()));

    const std::vector<std::pair<QString, QString>> rows = {
        {QStringLiteral("program-folder"), session.programFolder()},
        {QStringLiteral("settings"), vireo::programPath(u".ini")},
        {QStringLiteral("id3v1-cache"), vireo::programPath(u".3dt")},
        {QStringLiteral("id3v1-cache-utf8-paths"), vireo::programPath(u".3du")},
        {QStringLiteral("id3v2-cache"), vireo::programPath(u".2dt")},
        {QStringLiteral("compilations"), vireo::programPath(u".cpi")},
        {QStringLiteral("temporary-playlist"), session.tempPlaylistPath()},
        {QStringLiteral("music-folder"), session.musicFolder()},
    };
    if (json) {
        QJsonObject o;
        for (const auto &[name, path] : rows)
            o.insert(name, path);
        std::fputs(QJsonDocument(o).toJson(QJsonDocument::Indented).constData(), stdout);
    } else {
        for (const auto &[name, path] : rows)
            std::printf("%s: %s\n", qPrintable(name), path.toUtf8().constData());
    }
    return 0;
}

const CommandRegistration reg{"paths", cmdPaths, "paths [--json]"};

} // namespace
