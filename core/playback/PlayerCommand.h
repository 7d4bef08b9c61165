#pragma once
// What a play command starts for each player choice (the setting MP3Playdef):
// 0 the desktop's default program for playlists, 1 the program the user
// named, 2 the built-in player, anything else the default program without
// options. Built as data so the exact command line can be checked and logged.
#include "core/platform/Result.h"

#include <QString>
#include <QStringList>

namespace vireo {

struct PlayerChoice {
    int playDefault = 0;          // MP3Playdef
    QString playDefaultOption;    // MP3PlaydefOption, for choice 0
    QString playerPath;           // MP3Player, for choice 1
    QString playerOption;         // MP3PlayerOption, for choice 1
};

struct PlayerCommand {
    enum Kind { OpenWithDefault, StartProgram, BuiltIn };
    Kind kind = OpenWithDefault;
    // The file or program opened and the parameter text as the shell's open
    // operation takes them (the file quoted for choice 0).
    QString file;
    QString parameters;
    QString workingFolder; // the program folder without its final "/"
    // What is actually started: the program and its arguments.
    QString program;
    QStringList arguments;
};

// The command for the temporary playlist at playlistPath; programFolder is
// the folder it lives in.
PlayerCommand buildPlayerCommand(const PlayerChoice &choice, const QString &playlistPath,
                                 const QString &programFolder);

// Starts the command's program detached, in its working folder. Choice 0 uses
// xdg-open, which takes the playlist alone (the option text has no place on
// its command line). BuiltIn starts nothing. A failure is returned, but play
// commands ignore it as the shell's open result is ignored.
Result launchPlayerCommand(const PlayerCommand &command);

} // namespace vireo
