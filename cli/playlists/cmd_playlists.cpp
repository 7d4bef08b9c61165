// vireo-cli playlists [--json]: the playlists of the configured playlist
// folder (MP3FavDir) in the order the playlist tab lists them, each with its
// entry count. A playlist that cannot be read is named on stderr and left out.
#include "cli/LibrarySession.h"
#include "cli/commands.h"
#include "cli/playback/CliOut.h"
#include "core/playlists/PlaylistFiles.h"
#include "core/settings/SettingsCatalogue.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

int cmdPlaylists(const QStringList &args)
{
    bool json = false;
    for (const QString &a : args) {
        if (a == QLatin1String("--json")) {
            json = true;
        } else {
            cliError(QStringLiteral("usage: vireo-cli playlists [--json]"));
            return 2;
        }
    }
    const QString folder = LibrarySession::setting(QStringLiteral("MP3Param"), QStringLiteral("FavDir"),
                                                   vireo::defaultPlaylistFolder());
    vireo::playlists::PlaylistFiles files;
    const vireo::playlists::ReloadOutcome outcome = files.Reload(folder);
    for (const QString &skipped : outcome.Skipped)
        cliError(skipped);
    if (json) {
        QJsonArray list;
        for (const vireo::playlists::PlaylistPtr &p : files.Files()) {
            QJsonObject o;
            o[QStringLiteral("name")] = vireo::playlists::PlaylistFiles::Caption(*p);
            o[QStringLiteral("path")] = p->FileName();
            o[QStringLiteral("entries")] = int(p->Entries().size());
            list.append(o);
        }
        QJsonObject root;
        root[QStringLiteral("folder")] = folder;
        root[QStringLiteral("playlists")] = list;
        root[QStringLiteral("skipped")] = QJsonArray::fromStringList(outcome.Skipped);
        cliPrint(QString::fromUtf8(QJsonDocument(root).toJson(QJsonDocument::Indented)).trimmed());
    } else {
        for (const vireo::playlists::PlaylistPtr &p : files.Files())
            cliPrint(QString::number(p->Entries().size()) + u'\t' + p->FileName());
    }
    return 0;
}

const CommandRegistration reg{"playlists", cmdPlaylists, "playlists [--json]"};

} // namespace
