#pragma once
// Handing single files to a player that is already running, so that it
// appends them to its own list. On Linux a player is found on the session
// bus by its MPRIS name; only one whose track list can be edited is a target
// (opening a file in most players plays it at once, which is not "add").
#include <QString>
#include <QStringList>

namespace vireo {

// The bus the remote player is looked for on (Qt D-Bus in backends/dbus).
class RemotePlayerBus {
public:
    virtual ~RemotePlayerBus() = default;
    // The bus names of the running MPRIS players (org.mpris.MediaPlayer2.*).
    virtual QStringList playerNames() = 0;
    virtual bool canEditTracks(const QString &busName) = 0;
    // Appends the URI at the end of the player's track list without playing it.
    virtual bool addTrack(const QString &busName, const QString &uri) = 0;
};

class TSCMPX_ctl {
public:
    // ownName is left out of the search (Vireo's own player is no remote one).
    explicit TSCMPX_ctl(RemotePlayerBus *bus, QString ownName = QString())
        : m_bus(bus), m_ownName(std::move(ownName)) {}

    // Looks for a target again (a player started after Vireo is found).
    bool Find();
    QString player() const { return m_player; }
    // Find, then append the file; false when no player was found or the
    // player refused the call.
    bool AddFile(const QString &path);

private:
    RemotePlayerBus *m_bus;
    QString m_ownName;
    QString m_player;
};

// file:// URI of an absolute path, with every byte that is not unreserved
// percent-encoded (UTF-8), as MPRIS players expect.
QString fileUri(const QString &path);

} // namespace vireo
