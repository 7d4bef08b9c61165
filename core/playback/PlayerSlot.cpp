#include "core/playback/PlayerSlot.h"

namespace vireo {

PlayerSlot::PlayerSlot(AudioDeviceFactory factory, QObject *parent)
    : QObject(parent), m_factory(std::move(factory))
{
}

PlayerSlot::~PlayerSlot() { discard(); }

void PlayerSlot::discard()
{
    if (!m_player)
        return;
    std::unique_ptr<TcmxMP3> p = std::move(m_player);
    p->disconnect(this);
    p->Stop();
    // The player may be discarded from inside one of its own signals (the end
    // of a track moving the list on), so it is deleted once that has returned.
    p.release()->deleteLater();
}

Result PlayerSlot::playFile(const QString &path)
{
    discard();
    auto made = TcmxMP3::Create(path, m_factory);
    if (!made) {
        setBar(0, progressCaption(0));
        emit stateChanged();
        return made.status();
    }
    m_player = std::move(made.value());
    m_player->setProgressInterval(m_progressInterval);
    TcmxMP3 *p = m_player.get();
    connect(p, &TcmxMP3::progress, this, [this](int s) {
        setBar(s, progressCaption(s));
        emit progress(s);
    });
    connect(p, &TcmxMP3::ended, this, [this] {
        setBar(0, m_barCaption);
        emit stateChanged();
        emit ended();
    });
    connect(p, &TcmxMP3::failed, this, [this](const QString &message) {
        discard();
        setBar(0, progressCaption(0));
        emit stateChanged();
        emit failed(message);
    });
    m_barMaximum = p->Length();
    emit barRangeChanged(m_barMaximum);
    Result r = p->Play();
    if (!r) {
        discard();
        setBar(0, progressCaption(0));
    }
    emit stateChanged();
    return r;
}

void PlayerSlot::pauseToggle()
{
    if (!m_player)
        return;
    const PlayerMode mode = m_player->Mode();
    if (mode == PlayerMode::Paused)
        (void)m_player->Resume();
    else if (mode == PlayerMode::Playing)
        (void)m_player->Pause();
    emit stateChanged();
}

void PlayerSlot::stop()
{
    if (!m_player)
        return;
    discard();
    setBar(0, m_barCaption);
    emit stateChanged();
}

void PlayerSlot::setBar(int seconds, const QString &caption)
{
    m_barPosition = seconds;
    m_barCaption = caption;
    emit barPositionChanged(seconds, caption);
}

} // namespace vireo
