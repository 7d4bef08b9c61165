#pragma once
// The program's own run state: where it lives, which folders the user named,
// and whether it is starting up or closing (the tree handlers and the
// default-folder command look at these flags).
#include <QString>

namespace vireo {

class AppSession {
public:
    // The program folder with its final "/"; the logs, caches and the
    // temporary playlist live there.
    const QString &programFolder() const { return m_programFolder; }
    void setProgramFolder(const QString &folder);
    // The program folder followed by "$$vire$$.m3u".
    const QString &tempPlaylistPath() const { return m_tempPlaylist; }

    // MP3Dir, the default music folder.
    const QString &musicFolder() const { return m_musicFolder; }
    void setMusicFolder(const QString &folder) { m_musicFolder = folder; }
    // The last folder the user picked (the folder chooser opens there).
    const QString &lastFolder() const { return m_lastFolder; }
    void setLastFolder(const QString &folder) { m_lastFolder = folder; }

    bool startingUp() const { return m_startingUp; }
    void setStartingUp(bool on) { m_startingUp = on; }
    bool closing() const { return m_closing; }
    void setClosing(bool on) { m_closing = on; }

private:
    QString m_programFolder;
    QString m_tempPlaylist;
    QString m_musicFolder;
    QString m_lastFolder;
    bool m_startingUp = false;
    bool m_closing = false;
};

} // namespace vireo
