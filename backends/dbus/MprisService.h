#pragma once
// Vireo's play-list player on the session bus as org.mpris.MediaPlayer2.vireo
// (Root and Player interfaces), so media keys, the desktop's sound menu and
// playerctl control it. Volume is the desktop's master volume when a mixer is given.
#include <QDBusConnection>
#include <QObject>
#include <QVariantMap>

#include <functional>

namespace vireo {

class PlayListPlayer;
class TMixer;

class MprisService : public QObject {
    Q_OBJECT
public:
    static constexpr const char *kServiceName = "org.mpris.MediaPlayer2.vireo";

    MprisService(PlayListPlayer *player, TMixer *mixer, QObject *parent = nullptr);
    ~MprisService() override;

    // Registers the object and takes the bus name; false when the name is taken
    // or the bus cannot be reached.
    bool registerOn(QDBusConnection connection);
    void unregister();

    // The cover picture of a track for mpris:artUrl ("" when none).
    void setArtLookup(std::function<QString(const QString &trackPath)> f) { m_art = std::move(f); }

    QString playbackStatus() const;
    QVariantMap metadata() const;
    double volume() const;
    void setVolume(double v);
    qint64 positionUs() const;
    bool canGoNext() const;
    bool canGoPrevious() const;

    void next();
    void previous();
    void pause();
    void playPause();
    void stop();
    void play();

private:
    void announce(const QStringList &names);

    PlayListPlayer *m_player;
    TMixer *m_mixer;
    QDBusConnection m_bus;
    bool m_registered = false;
    std::function<QString(const QString &)> m_art;
};

} // namespace vireo
