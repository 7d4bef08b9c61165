#pragma once
// The remote player's bus: MPRIS players on the session bus, their
// TrackList.CanEditTracks, and TrackList.AddTrack to append a file.
#include "core/playback/RemotePlayer.h"

#include <QDBusConnection>

namespace vireo {

class MprisRemoteBus : public RemotePlayerBus {
public:
    explicit MprisRemoteBus(QDBusConnection connection = QDBusConnection::sessionBus(),
                            int timeoutMs = 2000)
        : m_bus(std::move(connection)), m_timeout(timeoutMs) {}

    QStringList playerNames() override;
    bool canEditTracks(const QString &busName) override;
    bool addTrack(const QString &busName, const QString &uri) override;

private:
    QDBusConnection m_bus;
    int m_timeout;
};

} // namespace vireo
