// vireo-cli volume [get | set N | mute on|off]: the desktop's master volume
// (default sink of the sound server) on the 0..100 scale of the slider.
#include "backends/mixer/PulseMixerLine.h"
#include "cli/LibrarySession.h"
#include "cli/commands.h"
#include "cli/playback/CliOut.h"
#include "core/playback/Mixer.h"

int cmdVolume(const QStringList &args)
{
    const QString usage = QStringLiteral("usage: vireo-cli volume [get | set N | mute on|off]");
    const QString verb = args.isEmpty() ? QStringLiteral("get") : args.first();
    int value = -1;
    bool muteOn = false;
    if (verb == QLatin1String("get")) {
        if (args.size() > 1) {
            cliError(usage);
            return 2;
        }
    } else if (verb == QLatin1String("set") && args.size() == 2) {
        bool ok = false;
        value = args[1].toInt(&ok);
        if (!ok || value < 0 || value > 100) {
            cliError(QStringLiteral("volume: N is a whole number from 0 to 100"));
            return 2;
        }
    } else if (verb == QLatin1String("mute") && args.size() == 2
               && (args[1] == QLatin1String("on") || args[1] == QLatin1String("off"))) {
        muteOn = args[1] == QLatin1String("on");
    } else {
        cliError(usage);
        return 2;
    }

    vireo::PulseMixerLine line;
    QString why;
    if (!line.connectToServer(3000, &why)) {
        cliError(QStringLiteral("volume: %1").arg(why));
        return 1;
    }
    vireo::TMixer mixer(&line);
    if (verb == QLatin1String("set"))
        mixer.setVolume(value);
    else if (verb == QLatin1String("mute"))
        mixer.setMute(muteOn);
    cliPrint(QStringLiteral("volume %1").arg(mixer.volume()));
    cliPrint(QStringLiteral("mute %1").arg(mixer.mute() ? QStringLiteral("on") : QStringLiteral("off")));
    return 0;
}

static const CommandRegistration reg{"volume", cmdVolume, "volume [get | set N | mute on|off]"};
