#include "core/playback/PlayerCommand.h"

#include "core/platform/Paths.h"

#include <QProcess>

namespace vireo {

namespace {
QString quoted(const QString &s) { return u'"' + s + u'"'; }
} // namespace

PlayerCommand buildPlayerCommand(const PlayerChoice &choice, const QString &playlistPath,
                                 const QString &programFolder)
{
    PlayerCommand c;
    c.workingFolder = excludeTrailingSlash(programFolder);
    switch (choice.playDefault) {
    case 0:
        c.kind = PlayerCommand::OpenWithDefault;
        c.file = quoted(playlistPath);
        c.parameters = quoted(choice.playDefaultOption);
        c.program = QStringLiteral("xdg-open");
        c.arguments = {playlistPath};
        break;
    case 1:
        c.kind = PlayerCommand::StartProgram;
        c.file = choice.playerPath;
        c.parameters = choice.playerOption + u' ' + quoted(playlistPath);
        c.program = choice.playerPath;
        // The parameter text is split as a shell would split it, so an option
        // text may hold several arguments and a quoted path stays one.
        c.arguments = QProcess::splitCommand(c.parameters);
        break;
    case 2:
        c.kind = PlayerCommand::BuiltIn;
        break;
    default:
        c.kind = PlayerCommand::OpenWithDefault;
        c.file = quoted(playlistPath);
        c.parameters = QString();
        c.program = QStringLiteral("xdg-open");
        c.arguments = {playlistPath};
        break;
    }
    return c;
}

Result launchPlayerCommand(const PlayerCommand &command)
{
    if (command.kind == PlayerCommand::BuiltIn)
        return Result::success();
    if (command.program.isEmpty())
        return Result::failure(ErrorCode::InvalidArgument, QStringLiteral("no player program is set"));
    if (!QProcess::startDetached(command.program, command.arguments, command.workingFolder))
        return Result::failure(ErrorCode::NotFound,
                               QStringLiteral("%1: the program could not be started").arg(command.program));
    return Result::success();
}

} // namespace vireo
