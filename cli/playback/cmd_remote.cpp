// vireo-cli remote add FILE...: hands the files to a running player that can
// append to its track list (MPRIS TrackList.AddTrack on the session bus).
#include "backends/dbus/MprisRemoteBus.h"
#include "cli/LibrarySession.h"
#include "cli/commands.h"
#include "cli/playback/CliOut.h"
#include "core/playback/RemotePlayer.h"

#include <QFileInfo>

int cmdRemote(const QStringList &args)
{
    if (args.size() < 2 || args.first() != QLatin1String("add")) {
        cliError(QStringLiteral("usage: vireo-cli remote add FILE..."));
        return 2;
    }
    vireo::MprisRemoteBus bus;
    vireo::TSCMPX_ctl remote(&bus, QString::fromLatin1("org.mpris.MediaPlayer2.vireo"));
    int status = 0;
    for (const QString &file : args.mid(1)) {
        const QString path = QFileInfo(file).absoluteFilePath();
        if (!remote.AddFile(path)) {
            cliError(remote.player().isEmpty()
                         ? QStringLiteral("remote: no running player with an editable track list")
                         : QStringLiteral("remote: %1 did not take %2").arg(remote.player(), path));
            status = 1;
            continue;
        }
        cliPrint(QStringLiteral("added %1 to %2").arg(path, remote.player()));
    }
    return status;
}

static const CommandRegistration reg{"remote", cmdRemote, "remote add FILE..."};
