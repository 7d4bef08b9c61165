#pragma once
// The playback services of one run, made and owned by the composition root:
// the two built-in players (play list and quick play) over GStreamer, the
// master volume over the sound server, the remote player over the session
// bus, the play commands, and Vireo's own MPRIS service.
#include "backends/dbus/MprisRemoteBus.h"
#include "backends/dbus/MprisService.h"
#include "backends/mixer/PulseMixerLine.h"
#include "core/playback/Mixer.h"
#include "core/playback/PlayCommands.h"
#include "core/playback/PlayListPlayer.h"
#include "core/playback/RemotePlayer.h"
#include "core/playback/TrackArt.h"

#include <functional>

namespace vireo::gui {

class PlaybackServices {
public:
    // choice reads the player settings at each command; log writes the event log.
    PlaybackServices(const QString &tempPlaylistPath, std::function<PlayerChoice()> choice,
                     std::function<void(const QString &)> log);
    ~PlaybackServices();

    PlayListPlayer &playList() { return m_playList; }
    PlayerSlot &quickPlay() { return m_quickPlay; }
    TMixer &mixer() { return m_mixer; }
    TSCMPX_ctl &remote() { return m_remote; }
    PlayCommands &commands() { return *m_commands; }
    MprisService &mpris() { return m_mpris; }

    // Shutdown: both players stop, the bus name is given up.
    void stopAll();

private:
    PlayListPlayer m_playList;
    PlayerSlot m_quickPlay;
    PulseMixerLine m_mixerLine;
    TMixer m_mixer;
    MprisRemoteBus m_remoteBus;
    TSCMPX_ctl m_remote;
    std::unique_ptr<PlayCommands> m_commands;
    MprisService m_mpris;
    TrackArtCache m_art; // the sound menu's cover pictures
};

} // namespace vireo::gui
