#pragma once
// Volume and mute of the desktop's master output (the default PulseAudio
// sink; PipeWire serves the same protocol): the 0..100 scale over channel
// values 0..65535, the balance kept while the volume changes, and the
// in-update flag that keeps a value shown from the mixer from being written
// back to it.
#include <QObject>

#include <functional>
#include <vector>

namespace vireo {

// The master line of the sound server. Values are 0..65535 per channel, left
// first then right. Change notifications arrive on the user-interface thread.
class MixerLine {
public:
    virtual ~MixerLine() = default;
    virtual bool available() const = 0; // false: no server or no output
    virtual bool hasVolume() const = 0;
    virtual bool hasMute() const = 0;
    virtual std::vector<quint32> channelValues() const = 0;
    virtual void setChannelValues(const std::vector<quint32> &values) = 0;
    virtual bool muted() const = 0;
    virtual void setMuted(bool on) = 0;
    // Called (on the user-interface thread) when the volume or the mute changed.
    std::function<void(bool volume, bool mute)> onChanged;
};

class TMixer : public QObject {
    Q_OBJECT
public:
    explicit TMixer(MixerLine *line, QObject *parent = nullptr);
    ~TMixer() override;

    bool hasMasterLine() const { return m_line && m_line->available(); }
    // 0..100, or -1 without a volume control; updates the balance ratio.
    int volume();
    void setVolume(int percent);
    bool mute() const;
    void setMute(bool on);
    double balanceRatio() const { return m_ratio; }
    bool inUpdate() const { return m_inUpdate; }

    // Shows the mixer's state once (start-up): both signals below, in update.
    void refresh();

public slots:
    // The slider moved: written to the mixer unless the move comes from the mixer.
    void sliderMoved(int percent);
    void muteClicked(bool on);

signals:
    // Show these in the slider and the toggle; emitted while in-update is set.
    void volumeShown(int percent);
    void muteShown(bool on);

private:
    void controlChanged(bool volume, bool mute);

    MixerLine *m_line;
    double m_ratio = 1.0;
    bool m_inUpdate = false;
};

// Rounding to the nearest integer with halves to the even neighbour.
qint64 roundHalfEven(double v);

} // namespace vireo
