#include "core/fileops/ExternalTools.h"

#include "core/fileops/FileOpsTexts.h"
#include "core/library/EventLog.h"
#include "core/platform/FileAccess.h"
#include "core/platform/FileWriter.h"
#include "core/platform/Paths.h"
#include "core/playback/TempPlaylist.h"

#include <QFileInfo>
#include <QProcess>

namespace vireo {

namespace {

QString quoted(const QString &text) { return u'"' + text + u'"'; }

} // namespace

ToolMenu SetupToolMenu(const std::array<QString, 3> &paths, const std::array<int, 3> &forms,
                       const std::function<bool(const QString &)> &fileExists)
{
    ToolMenu menu;
    for (size_t i = 0; i < menu.size(); ++i) {
        const QString &path = paths[i];
        const bool exists = fileExists ? fileExists(path) : QFileInfo(path).isFile();
        if (path.isEmpty() || !exists)
            continue;
        ToolMenuEntry &entry = menu[i];
        entry.visible = true;
        entry.hint = path;
        entry.caption = extractFileName(path);
        entry.form = forms[i];
    }
    return menu;
}

QStringList ToolLaunch::logLines() const
{
    namespace t = fileops::texts;
    return {t::logProgram() + programText, t::logArguments() + parameterText,
            t::logWorkingFolder() + quoted(workingFolder)};
}

ToolLaunch BuildToolLaunch(const QString &toolPath, int form, const QStringList &selectedPaths,
                           const QString &playlistPath)
{
    ToolLaunch launch;
    launch.program = toolPath;
    launch.programText = quoted(toolPath);
    launch.workingFolder = extractFileDir(toolPath);
    if (!toolPath.contains(u'/'))
        launch.workingFolder.clear();
    if (form == 1) {
        launch.parameterText = quoted(playlistPath);
        launch.arguments << playlistPath;
    } else if (form == 0) {
        for (const QString &path : selectedPaths)
            launch.parameterText += quoted(path) + u' ';
        // Each path is its own argument as it stands: a path holding a
        // double quote or a space still reaches the tool whole.
        launch.arguments = selectedPaths;
    }
    launch.starts = form == 0 || form == 1;
    return launch;
}

Result ToolRunner::run(const ToolMenuEntry &entry, const QStringList &selectedPaths) const
{
    if (selectedPaths.isEmpty())
        return Result::success();
    QString playlist;
    if (entry.form == 1) {
        playlist = playlistPath.isEmpty() ? temporaryPlaylistPath() : playlistPath;
        std::mt19937 unused; // no shuffle for a tool
        if (Result r = writeTemporaryPlaylist(playlist, selectedPaths, false, unused); !r)
            return r;
    }
    const ToolLaunch launch = BuildToolLaunch(entry.hint, entry.form, selectedPaths, playlist);
    bool started = true;
    if (launch.starts) {
        started = start ? start(launch.program, launch.arguments, launch.workingFolder)
                        : QProcess::startDetached(launch.program, launch.arguments,
                                                  launch.workingFolder);
    }
    for (const QString &line : launch.logLines()) {
        if (log)
            log(line);
        else
            WriteLog(line);
    }
    // The tool's own failure to start is the desktop's business, as with any
    // launcher; the caller may still tell the user.
    if (!started)
        return Result::failure(ErrorCode::Failed, entry.hint + QStringLiteral(": cannot start the program"));
    return Result::success();
}

} // namespace vireo
