// vireo-cli rename artist OLD NEW | rename album ARTIST OLD NEW: the artist
// tree's rename over the library of the program folder: every track the
// artist view lists for OLD (and, for an album, of that album) gets the new
// name in both tags; the save can be taken back with `undo`.
#include "cli/LibrarySession.h"
#include "cli/commands.h"
#include "cli/editing/EditingCli.h"

#include "core/editing/Rename.h"
#include "core/editing/UndoJournal.h"

#include <cstdio>

using namespace vireo::editing;

namespace {

int cmdRename(const QStringList &arguments)
{
    // --no-undo: the save is not kept in the undo journal (for timing runs).
    QStringList args = arguments;
    const bool keepUndo = !args.removeAll(QStringLiteral("--no-undo"));
    const bool artist = args.size() == 3 && args[0] == u"artist";
    const bool album = args.size() == 4 && args[0] == u"album";
    if (!artist && !album) {
        std::fputs("usage: vireo-cli rename artist OLD NEW | rename album ARTIST OLD NEW [--no-undo]\n", stderr);
        return 2;
    }
    LibrarySession session;
    const QList<vireo::TID3ListItem *> tracks =
        artist ? artistTracks(session.store(), args[1]) : albumTracks(session.store(), args[1], args[2]);
    if (tracks.isEmpty()) {
        cliError(artist ? QStringLiteral("no track of the artist \"%1\" in the library").arg(args[1])
                        : QStringLiteral("no track of the album \"%1\" by \"%2\" in the library").arg(args[2], args[1]));
        return 1;
    }
    UndoJournal journal;
    const QString newName = enteredName(args.last());
    UndoJournal *j = keepUndo ? &journal : nullptr;
    SaveProgressLine line(QStringLiteral("rename"));
    const SaveOutcome out = artist ? renameArtist(session.store(), j, tracks, newName, line.callback())
                                   : renameAlbum(session.store(), j, tracks, newName, line.callback());
    line.clear();
    const int status = reportSave("rename", out);
    return session.finish() ? status : 1;
}

const CommandRegistration reg{"rename", cmdRename,
                              "rename artist OLD NEW | rename album ARTIST OLD NEW [--no-undo]"};

} // namespace
