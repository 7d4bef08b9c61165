// vireo-cli trash FILE...: moves files to the desktop's Trash ("ファイル削除"
// without the question). A file the Trash refuses stays where it is and is
// reported; trashed files leave the library when it has them.
#include "cli/LibrarySession.h"
#include "cli/commands.h"

#include "core/fileops/ShellHelpers.h"
#include "core/platform/Paths.h"

#include <QFileInfo>

#include <cstdio>

int cmdTrash(const QStringList &args)
{
    using namespace vireo;
    if (args.isEmpty()) {
        cliError(QStringLiteral("usage: vireo-cli trash FILE..."));
        return 2;
    }
    QStringList paths;
    for (const QString &a : args)
        paths << QFileInfo(a).absoluteFilePath();
    const TrashReport report = TrashFiles(paths);
    for (const QString &path : report.trashed)
        std::printf("trashed %s\n", path.toUtf8().constData());
    for (const auto &[path, cause] : report.refused)
        cliError(cause);
    for (const QString &path : report.vanished)
        cliError(path + QStringLiteral(": no such file"));

    // The library forgets trashed files, as the window's command does; no
    // library (no caches yet) means nothing to forget.
    const QStringList gone = report.trashed + report.vanished;
    if (!gone.isEmpty()
        && (QFileInfo::exists(programPath(u".3dt")) || QFileInfo::exists(programPath(u".2dt")))) {
        LibrarySession session;
        for (const QString &path : gone)
            session.store().DeleteFromCache(path);
        if (!session.finish())
            return 1;
    }
    return report.allTrashed() && report.vanished.isEmpty() ? 0 : 1;
}

static const CommandRegistration reg{"trash", cmdTrash, "trash FILE..."};
