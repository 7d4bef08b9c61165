#include "gui/playback/PlaybackServices.h"

#include "backends/audio/GstAudioDevice.h"

namespace vireo::gui {

namespace {
// Without a sound server the line stays unavailable and the controls inert.
MixerLine *connected(PulseMixerLine &line)
{
    (void)line.connectToServer();
    return &line;
}
} // namespace

PlaybackServices::PlaybackServices(const QString &tempPlaylistPath, std::function<PlayerChoice()> choice,
                                   std::function<void(const QString &)> log)
    : m_playList(gstAudioDeviceFactory()), m_quickPlay(gstAudioDeviceFactory()),
      m_mixer(connected(m_mixerLine)),
      m_remote(&m_remoteBus, QString::fromLatin1(MprisService::kServiceName)),
      m_mpris(&m_playList, &m_mixer), m_art(defaultArtCacheFolder())
{
    PlayCommands::Services s;
    s.playList = &m_playList;
    s.quickPlay = &m_quickPlay;
    s.remote = &m_remote;
    s.choice = std::move(choice);
    s.log = std::move(log);
    m_commands = std::make_unique<PlayCommands>(std::move(s), tempPlaylistPath);
    m_mpris.setArtLookup([this](const QString &path) {
        const PlayListEntry *e = m_playList.current();
        return m_art.artFor(path, e && e->path == path ? e->album() : QString());
    });
    // A second Vireo, or no session bus: the media keys stay with the first.
    (void)m_mpris.registerOn(QDBusConnection::sessionBus());
}

PlaybackServices::~PlaybackServices() { stopAll(); }

void PlaybackServices::stopAll()
{
    m_mpris.unregister();
    m_quickPlay.stop();
    m_playList.stop();
}

} // namespace vireo::gui
