#pragma once
// The built-in player for one file: length and position in whole seconds, a
// progress step once a second while playing, and the end notification. The
// progress step runs on the user-interface thread from a timer that Stop
// stops, so no step reaches a stopped player; it only queries the position
// (no file I/O).
#include "core/playback/AudioDevice.h"

#include <QObject>
#include <QTimer>

#include <memory>

namespace vireo {

class TcmxMP3 : public QObject {
    Q_OBJECT
public:
    // Opens the file once to measure its length and closes it again. Fails
    // with the device's message ("%d - %s"); no player is made then.
    static ResultOf<std::unique_ptr<TcmxMP3>> Create(const QString &fileName,
                                                     const AudioDeviceFactory &factory);
    ~TcmxMP3() override;

    Result Play();
    void Stop();
    Result Pause();
    Result Resume();
    PlayerMode Mode() const;
    int Position() const; // whole seconds, 0 without an open device
    qint64 PositionMs() const; // milliseconds, 0 without an open device
    int Length() const { return m_lengthSeconds; }
    QString Name() const; // the file name without folder and extension
    const QString &FileName() const { return m_fileName; }

    // Whether Play starts the progress step (the owner's OnProgress is set).
    void setReportsProgress(bool on) { m_reportsProgress = on; }
    // The interval of the progress step (1000 ms; tests may shorten it).
    void setProgressInterval(int ms) { m_timer.setInterval(ms); }

signals:
    void progress(int seconds);
    void ended();                        // played to its end; the player has stopped
    void failed(const QString &message); // failed while playing; the player has stopped

private:
    TcmxMP3(QString fileName, std::unique_ptr<AudioDevice> device);
    void progressStep();

    QString m_fileName;
    std::unique_ptr<AudioDevice> m_device;
    int m_lengthSeconds = 0;
    bool m_reportsProgress = true;
    QTimer m_timer;
};

// Whole seconds from milliseconds: (ms div 1000) mod 60 + (ms div 60000) x 60.
int secondsFromMs(qint64 ms);
// "%.2d:%.2d" with seconds div 60 and seconds mod 60.
QString progressCaption(int seconds);

} // namespace vireo
