#pragma once
// One of the two built-in player instances (quick play, play list) with the
// progress bar it drives: playing a file discards the previous player, the
// bar's range is the file's length, each progress step moves the bar and its
// "mm:ss" caption, and Stop discards the player and resets the bar.
#include "core/playback/TcmxMP3.h"

#include <QObject>

#include <memory>

namespace vireo {

class PlayerSlot : public QObject {
    Q_OBJECT
public:
    explicit PlayerSlot(AudioDeviceFactory factory, QObject *parent = nullptr);
    ~PlayerSlot() override;

    // Stops and discards the current player, then plays the file. On failure
    // no player is kept and the message ("%d - %s") is returned.
    Result playFile(const QString &path);
    // Pause when playing, resume when paused, nothing without a player.
    void pauseToggle();
    // Stops and discards the player and resets the bar; nothing without one.
    void stop();

    TcmxMP3 *player() const { return m_player.get(); }
    bool hasPlayer() const { return m_player != nullptr; }
    int barMaximum() const { return m_barMaximum; }
    int barPosition() const { return m_barPosition; }
    QString barCaption() const { return m_barCaption; }
    void setProgressInterval(int ms) { m_progressInterval = ms; }

signals:
    void barRangeChanged(int maximum);
    void barPositionChanged(int seconds, const QString &caption);
    void progress(int seconds);           // after the bar has moved
    void ended();                         // the file played to its end (bar already 0)
    void failed(const QString &message);  // failed while playing (player discarded)
    void stateChanged();                  // playing, paused or stopped

private:
    void setBar(int seconds, const QString &caption);
    void discard();

    AudioDeviceFactory m_factory;
    std::unique_ptr<TcmxMP3> m_player;
    int m_barMaximum = 0;
    int m_barPosition = 0;
    QString m_barCaption;
    int m_progressInterval = 1000;
};

} // namespace vireo
