// vireo-cli play [--seconds N] FILE...: plays the files one after another
// through the built-in player, printing "position S/LENGTH" lines once a
// second, to their end or for N seconds each.
#include "backends/audio/GstAudioDevice.h"
#include "cli/LibrarySession.h"
#include "cli/commands.h"
#include "cli/playback/CliOut.h"
#include "core/playback/TcmxMP3.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

int cmdPlay(const QStringList &args)
{
    int seconds = -1;
    QStringList files;
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--seconds") && i + 1 < args.size()) {
            bool ok = false;
            seconds = args[++i].toInt(&ok);
            if (!ok || seconds < 0) {
                cliError(QStringLiteral("play: --seconds takes a whole number"));
                return 2;
            }
        } else {
            files << args[i];
        }
    }
    if (files.isEmpty()) {
        cliError(QStringLiteral("usage: vireo-cli play [--seconds N] FILE..."));
        return 2;
    }
    int status = 0;
    for (const QString &file : files) {
        auto made = vireo::TcmxMP3::Create(file, vireo::gstAudioDeviceFactory());
        if (!made) {
            cliError(QStringLiteral("%1: %2").arg(file, made.message()));
            status = 1;
            continue;
        }
        vireo::TcmxMP3 &player = *made.value();
        cliPrint(QStringLiteral("playing %1 length %2").arg(file).arg(player.Length()));
        QEventLoop loop;
        QString failure;
        bool ended = false;
        QObject::connect(&player, &vireo::TcmxMP3::progress, &loop, [&](int s) {
            cliPrint(QStringLiteral("position %1/%2 %3")
                         .arg(s).arg(player.Length()).arg(vireo::progressCaption(s)));
        });
        QObject::connect(&player, &vireo::TcmxMP3::ended, &loop, [&] {
            ended = true;
            loop.quit();
        });
        QObject::connect(&player, &vireo::TcmxMP3::failed, &loop, [&](const QString &m) {
            failure = m;
            loop.quit();
        });
        QTimer limit;
        limit.setSingleShot(true);
        QObject::connect(&limit, &QTimer::timeout, &loop, [&] { loop.quit(); });
        vireo::Result r = player.Play();
        if (!r) {
            cliError(QStringLiteral("%1: %2").arg(file, r.message()));
            status = 1;
            continue;
        }
        if (seconds >= 0)
            limit.start(seconds * 1000);
        loop.exec();
        const int at = player.Position();
        player.Stop();
        if (!failure.isEmpty()) {
            cliError(QStringLiteral("%1: %2").arg(file, failure));
            status = 1;
        } else if (ended) {
            cliPrint(QStringLiteral("ended %1").arg(file));
        } else {
            cliPrint(QStringLiteral("stopped %1 at %2").arg(file).arg(at));
        }
    }
    return status;
}

static const CommandRegistration reg{"play", cmdPlay, "play [--seconds N] FILE..."};
