#pragma once
// The fixed order in which the program comes up and goes down, with the log
// lines that mark it. The steps themselves belong to the services; the main
// window carries them out through LifecycleSteps, so the order can be run and
// checked without a window.
#include "core/platform/Result.h"

#include <QString>

namespace vireo {

class AppSession;

// The steps the sequence asks for, in the order it asks. Steps of services
// that do not exist yet have empty defaults; a new service overrides its step.
class LifecycleSteps {
public:
    virtual ~LifecycleSteps() = default;

    // Start-up
    virtual void makeStore() = 0;           // the library store (logs the compilation-list line)
    virtual void resetBrowsing() = 0;       // ViewMode 4, the track list's sort state reset
    virtual void makePlaylists() {}         // the playlist tab's objects
    virtual void loadSettings() = 0;        // load (logs its own lines, loads the caches) and apply
    virtual void setUpToolsMenu() {}        // the external tools menu
    virtual void makeRemotePlayer() {}      // the SCMPX controller
    virtual void showMixer() {}             // present volume and mute, when the mixer has a line
    virtual void makeCopier() {}            // the ordered file copy
    virtual void prepareCoverArt() {}       // the cover-art drawing surface
    virtual void openDefaultFolder() = 0;   // the start-up scan (the starting-up flag is set)
    virtual void sortByLastColumn() = 0;    // LastSortColumn, as if its header had been clicked
    virtual void resetToggles() = 0;        // the search tab's "ID3v2" box and QuickPlay off

    // Shutdown
    virtual Result saveSettings() = 0;     // logs "パラメタ保存開始" and "パラメタ保存終了" itself
    virtual void destroyCopier() {}
    virtual void releasePlayers() {}        // both built-in players and the SCMPX controller
    virtual void releaseTrackList() = 0;    // CurrentTracks
    virtual void releasePlaylists() {}
    virtual void clearTrees() = 0;          // the artist tree and its payloads
    virtual void destroyStore() = 0;        // writes the ID3v1 cache, then the ID3v2 cache
    virtual void releaseCoverLists() {}     // the album list and the full album list
    virtual void clearHiddenGenres() = 0;
};

class AppLifecycle {
public:
    AppLifecycle(AppSession &session, LifecycleSteps &steps);

    // Runs the whole start-up: program folder and current folder, log rotation,
    // then the steps in order. `programFolder` ends with "/".
    void startUp(const QString &programFolder);
    // The close request: from here on the tree handlers ignore selections.
    void closeRequested();
    // Runs the whole shutdown once; later calls do nothing. Every step runs
    // even when the settings could not be saved; that result is returned.
    Result shutDown();
    bool shutDownDone() const { return m_shutDown; }

private:
    AppSession &m_session;
    LifecycleSteps &m_steps;
    bool m_shutDown = false;
};

} // namespace vireo
