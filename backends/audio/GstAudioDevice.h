#pragma once
// The built-in player's AudioDevice over GStreamer's playbin (audio only).
// Bus messages come from GStreamer's streaming threads; the end and errors
// are handed to the thread that owns the device through its event queue and
// dropped when they belong to a play that has since been stopped.
// VIREO_AUDIO_SINK (for example "fakesink sync=true") replaces the output.
#include "core/playback/AudioDevice.h"

#include <QElapsedTimer>
#include <QMutex>
#include <QObject>

#include <atomic>

typedef struct _GstElement GstElement;
typedef struct _GstBus GstBus;
typedef struct _GstMessage GstMessage;

namespace vireo {

class GstAudioDevice : public QObject, public AudioDevice {
    Q_OBJECT
public:
    GstAudioDevice();
    ~GstAudioDevice() override;

    Result open(const QString &path) override;
    void close() override;
    bool isOpen() const override { return m_open; }
    qint64 lengthMs() override;
    qint64 positionMs() override;
    Result play() override;
    Result pause() override;
    Result resume() override;
    Result stop() override;
    PlayerMode mode() const override;

    // Milliseconds from the last play() to the first decoded buffer reaching
    // the output; -1 until it has arrived.
    qint64 firstBufferLatencyMs() const { return m_firstBufferMs.load(); }

    // Makes GStreamer ready; false with the reason when it (or playbin) is missing.
    static bool initialise(QString *why = nullptr);

private:
    friend struct GstCallbacks;
    Result takeError(int fallbackCode, const QString &fallback);
    Result makePipeline();
    void deliver(bool end, const Result &error, quint64 generation);

    GstElement *m_pipeline = nullptr;
    QString m_path;
    bool m_open = false;
    PlayerMode m_mode = PlayerMode::NoDevice;
    std::atomic<quint64> m_generation{0};
    QMutex m_errorLock;
    bool m_hasError = false;
    int m_errorCode = 0;
    QString m_errorText;
    QElapsedTimer m_playClock;
    std::atomic<qint64> m_firstBufferMs{-1};
    std::atomic<bool> m_waitFirstBuffer{false};
};

// Makes GstAudioDevice instances for the built-in players.
AudioDeviceFactory gstAudioDeviceFactory();

} // namespace vireo
