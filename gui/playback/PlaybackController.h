#pragma once
// The track list's play commands in the window: ALL Play, Select Play, Add,
// ALL ADD, shuffle and quick play. It reads the track list through two
// providers (its rows and their selection), calls the core's PlayCommands
// and shows failures: a playlist that cannot be written in a message box,
// an unplayable file once, without stopping the play list.
#include "core/playback/PlayListPlayer.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <vector>

class QWidget;

namespace vireo {
class PlayCommands;
}

namespace vireo::gui {

class PlaybackController : public QObject {
    Q_OBJECT
public:
    struct TrackList {
        std::function<QVector<PlayListEntry>()> rows;
        std::function<std::vector<bool>()> selection;
    };
    PlaybackController(PlayCommands *commands, PlayListPlayer *playList, PlayerSlot *quickPlayer,
                       TrackList trackList, QWidget *dialogParent, QObject *parent = nullptr);

public slots:
    void allPlay();
    void selectPlay();
    void add();
    void allAdd();
    void quickPlay(); // a click in the track list or Btn1_Play
    void setShuffle(bool on);

signals:
    void errorShown(const QString &message); // for tests and the log

private:
    void showError(const QString &message);

    PlayCommands *m_commands;
    TrackList m_tracks;
    QPointer<QWidget> m_parent;
};

} // namespace vireo::gui
