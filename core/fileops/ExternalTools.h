#pragma once
// The "送る" submenu: up to three outside programs that get the selected
// tracks, either one argument per track ("1曲毎", form 0) or the temporary
// playlist ("全曲(m3u)", form 1). The command line is built here; the window
// only shows the menu and starts what this returns.
#include "core/platform/Result.h"

#include <QString>
#include <QStringList>
#include <array>
#include <functional>

namespace vireo {

struct ToolMenuEntry {
    bool visible = false;
    QString caption; // the file name part of the tool path
    QString hint;    // the full tool path
    int form = 0;    // 0 one argument per track, 1 the temporary playlist
};
using ToolMenu = std::array<ToolMenuEntry, 3>;

// Hides all three, then shows each tool whose path is not empty and names an
// existing file. (fileExists is the file system unless a test gives its own.)
ToolMenu SetupToolMenu(const std::array<QString, 3> &paths, const std::array<int, 3> &forms,
                       const std::function<bool(const QString &)> &fileExists = {});

// One run of a tool, as built from the clicked entry and the selected tracks.
struct ToolLaunch {
    bool starts = false;     // form 0 or 1; another form starts nothing
    QString programText;     // the tool path in double quotes
    QString program;         // the tool path itself
    QString parameterText;   // as logged: "\"a\" \"b\" " or "\"playlist\""
    QStringList arguments;   // what the program receives, one per track or the playlist
    QString workingFolder;   // the folder part of the tool path
    // The three log lines: program, arguments, working folder.
    QStringList logLines() const;
};

// Builds the launch. For form 1 playlistPath is the temporary playlist
// already written with the selected tracks.
ToolLaunch BuildToolLaunch(const QString &toolPath, int form, const QStringList &selectedPaths,
                           const QString &playlistPath);

// Runs a tool: nothing without selected tracks; for form 1 writes the
// temporary playlist first (a failure stops here: nothing started, nothing
// logged); then starts the program detached and writes the three log lines,
// also when the start fails. The hooks default to the real file, process
// start and log.
struct ToolRunner {
    // The temporary playlist of form 1 (the program folder's "$$vire$$.m3u"
    // when empty), written the way the play commands write it.
    QString playlistPath;
    std::function<bool(const QString &program, const QStringList &args, const QString &folder)> start;
    std::function<void(const QString &line)> log;

    Result run(const ToolMenuEntry &entry, const QStringList &selectedPaths) const;
};

} // namespace vireo
