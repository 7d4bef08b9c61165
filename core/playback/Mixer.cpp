#include "core/playback/Mixer.h"

#include <cmath>

namespace vireo {

qint64 roundHalfEven(double v) { return qint64(std::nearbyint(v)); }

TMixer::TMixer(MixerLine *line, QObject *parent) : QObject(parent), m_line(line)
{
    if (m_line)
        m_line->onChanged = [this](bool volume, bool mute) { controlChanged(volume, mute); };
}

TMixer::~TMixer()
{
    // No late notification may reach a mixer that is gone.
    if (m_line)
        m_line->onChanged = nullptr;
}

int TMixer::volume()
{
    if (!hasMasterLine() || !m_line->hasVolume())
        return -1;
    const std::vector<quint32> v = m_line->channelValues();
    if (v.empty())
        return -1;
    quint32 value = v[0];
    if (v.size() > 1) {
        const double left = v[0], right = v[1];
        value = std::max(v[0], v[1]);
        if (left + right >= 3000) {
            const double r = right == 0 ? 0.0 : left == 0 ? 131071.0 : right / left;
            if (std::abs(r - m_ratio) > m_ratio * 0.001)
                m_ratio = r;
        }
    }
    return int(roundHalfEven(value / 65535.0 * 100.0));
}

void TMixer::setVolume(int percent)
{
    if (!hasMasterLine() || !m_line->hasVolume())
        return;
    percent = std::clamp(percent, 0, 100);
    const double v = percent / 100.0 * 65535.0;
    const std::vector<quint32> current = m_line->channelValues();
    if (current.empty())
        return;
    std::vector<quint32> next = current;
    const quint32 rv = quint32(roundHalfEven(v));
    if (current.size() == 1) {
        next[0] = rv;
    } else if (rv == 0) {
        next[0] = next[1] = 0;
    } else if (m_ratio > 1) {
        next[0] = quint32(roundHalfEven(rv / m_ratio));
        next[1] = rv;
    } else {
        next[0] = rv;
        next[1] = quint32(roundHalfEven(m_ratio * rv));
    }
    // Further channels (surround) follow the louder front channel.
    for (size_t i = 2; i < next.size(); ++i)
        next[i] = std::max(next[0], next[1]);
    if (next != current)
        m_line->setChannelValues(next);
}

bool TMixer::mute() const
{
    return hasMasterLine() && m_line->hasMute() && m_line->muted();
}

void TMixer::setMute(bool on)
{
    if (!hasMasterLine() || !m_line->hasMute())
        return;
    if (m_line->muted() != on)
        m_line->setMuted(on);
}

void TMixer::refresh()
{
    if (!hasMasterLine())
        return;
    controlChanged(m_line->hasVolume(), m_line->hasMute());
}

void TMixer::sliderMoved(int percent)
{
    if (!m_inUpdate)
        setVolume(percent);
}

void TMixer::muteClicked(bool on)
{
    if (!m_inUpdate)
        setMute(on);
}

void TMixer::controlChanged(bool volumeChanged, bool muteChanged)
{
    struct Guard {
        bool &flag;
        explicit Guard(bool &f) : flag(f) { flag = true; }
        ~Guard() { flag = false; }
    } guard(m_inUpdate);
    if (!hasMasterLine())
        return;
    if (volumeChanged && m_line->hasVolume())
        emit volumeShown(volume());
    if (muteChanged && m_line->hasMute())
        emit muteShown(mute());
}

} // namespace vireo
