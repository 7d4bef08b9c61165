#pragma once
// The master line over the default sink of the PulseAudio server (PipeWire
// serves the same protocol), through libpulse's threaded main loop. The sink's
// volume and mute are cached from the server and kept current by a
// subscription; changes are handed to the owning (user-interface) thread.
// Without a server, or without a sink, the line is unavailable.
#include "core/playback/Mixer.h"

#include <QMutex>
#include <QObject>
#include <QString>

#include <atomic>
#include <vector>

struct pa_threaded_mainloop;
struct pa_context;

namespace vireo {

class PulseMixerLine : public QObject, public MixerLine {
    Q_OBJECT
public:
    PulseMixerLine();
    ~PulseMixerLine() override;

    // Connects to the server and reads the default sink; false (with the
    // cause) when there is no server or no sink within the timeout.
    bool connectToServer(int timeoutMs = 3000, QString *why = nullptr);

    bool available() const override;
    bool hasVolume() const override { return available(); }
    bool hasMute() const override { return available(); }
    std::vector<quint32> channelValues() const override;
    void setChannelValues(const std::vector<quint32> &values) override;
    bool muted() const override;
    void setMuted(bool on) override;

    QString sinkName() const;
    // How many writes this line has sent to the server (tests check echoes).
    int writeCount() const { return m_writes.load(); }

    // For the callbacks of the server's thread.
    struct Impl;

private:
    Impl *d;
    std::atomic<int> m_writes{0};
};

// Channel values 0..65535 and the server's volumes (65536 is full, louder
// values are possible): 65535 maps to full, louder reads as 65535.
quint32 channelFromPulse(quint32 pulseVolume);
quint32 pulseFromChannel(quint32 channel);

} // namespace vireo
