#pragma once
// The play commands of the track list: ALL Play, Select Play, Add, ALL ADD
// and quick play, for each player choice. External players get the temporary
// playlist; the built-in player gets the rows in its play list; Add hands
// files to a running player or appends them to the play list.
#include "core/playback/PlayListPlayer.h"
#include "core/playback/PlayerCommand.h"
#include "core/playback/RemotePlayer.h"

#include <QObject>

#include <functional>
#include <random>

namespace vireo {

class PlayCommands : public QObject {
    Q_OBJECT
public:
    struct Services {
        PlayListPlayer *playList = nullptr;
        PlayerSlot *quickPlay = nullptr;
        TSCMPX_ctl *remote = nullptr;
        // The current player choice (read at each command: the options dialog may change it).
        std::function<PlayerChoice()> choice;
        // Starts an external player; launchPlayerCommand unless a test replaces it.
        std::function<void(const PlayerCommand &)> launch;
        std::function<void(const QString &)> log; // the event log
    };
    PlayCommands(Services services, QString tempPlaylistPath, QObject *parent = nullptr);

    bool shuffle() const { return m_shuffle; }
    void setShuffle(bool on) { m_shuffle = on; }
    void setGenerator(std::mt19937 g) { m_generator = g; }

    // rows: every row of the track list in its current order; selected: one
    // flag per row. A failure to write the temporary playlist is returned for
    // the user to see; no player is started then.
    Result allPlay(const QVector<PlayListEntry> &rows);
    Result selectPlay(const QVector<PlayListEntry> &rows, const std::vector<bool> &selected);
    void add(const QVector<PlayListEntry> &rows, const std::vector<bool> &selected);
    void allAdd(const QVector<PlayListEntry> &rows);

    // Quick play: when switched off, the quick-play player is stopped and discarded.
    bool quickPlayOn() const { return m_quickPlay; }
    void setQuickPlay(bool on);
    // Plays the first selected row in the quick-play player when quick play is on.
    Result quickPlay(const QVector<PlayListEntry> &rows, const std::vector<bool> &selected);

    const QString &tempPlaylistPath() const { return m_tempPath; }

signals:
    void quickPlayChanged(bool on);

private:
    void startBuiltIn(QVector<PlayListEntry> rows);
    Result writeAndStart(const QStringList &paths, const PlayerChoice &choice,
                         const QVector<PlayListEntry> &builtInRows);

    Services m_s;
    QString m_tempPath;
    bool m_shuffle = false;
    bool m_quickPlay = false;
    std::mt19937 m_generator;
};

} // namespace vireo
