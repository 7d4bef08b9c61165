#include "backends/dbus/MprisService.h"

#include "core/playback/Mixer.h"
#include "core/playback/PlayListPlayer.h"
#include "core/playback/RemotePlayer.h"

#include <QDBusAbstractAdaptor>
#include <QDBusMessage>
#include <QDBusObjectPath>

#include <cmath>

namespace vireo {

namespace {
const QString kPath = QStringLiteral("/org/mpris/MediaPlayer2");
const QString kPlayerIface = QStringLiteral("org.mpris.MediaPlayer2.Player");
} // namespace

class MprisRootAdaptor : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.mpris.MediaPlayer2")
    Q_PROPERTY(bool CanQuit READ no)
    Q_PROPERTY(bool CanRaise READ no)
    Q_PROPERTY(bool HasTrackList READ no)
    Q_PROPERTY(QString Identity READ identity)
    Q_PROPERTY(QString DesktopEntry READ desktopEntry)
    Q_PROPERTY(QStringList SupportedUriSchemes READ schemes)
    Q_PROPERTY(QStringList SupportedMimeTypes READ mimeTypes)
public:
    explicit MprisRootAdaptor(QObject *parent) : QDBusAbstractAdaptor(parent) {}
    bool no() const { return false; }
    QString identity() const { return QStringLiteral("Vireo"); }
    QString desktopEntry() const { return QStringLiteral("vireo"); }
    QStringList schemes() const { return {QStringLiteral("file")}; }
    QStringList mimeTypes() const { return {QStringLiteral("audio/mpeg")}; }
public slots:
    void Raise() {}
    void Quit() {}
};

class MprisPlayerAdaptor : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.mpris.MediaPlayer2.Player")
    Q_PROPERTY(QString PlaybackStatus READ playbackStatus)
    Q_PROPERTY(double Rate READ one WRITE ignoreRate)
    Q_PROPERTY(double MinimumRate READ one)
    Q_PROPERTY(double MaximumRate READ one)
    Q_PROPERTY(QVariantMap Metadata READ metadata)
    Q_PROPERTY(double Volume READ volume WRITE setVolume)
    Q_PROPERTY(qlonglong Position READ position)
    Q_PROPERTY(bool CanGoNext READ canGoNext)
    Q_PROPERTY(bool CanGoPrevious READ canGoPrevious)
    Q_PROPERTY(bool CanPlay READ yes)
    Q_PROPERTY(bool CanPause READ yes)
    Q_PROPERTY(bool CanSeek READ no)
    Q_PROPERTY(bool CanControl READ yes)
public:
    MprisPlayerAdaptor(MprisService *s) : QDBusAbstractAdaptor(s), m_s(s) {}
    QString playbackStatus() const { return m_s->playbackStatus(); }
    double one() const { return 1.0; }
    void ignoreRate(double) {}
    QVariantMap metadata() const { return m_s->metadata(); }
    double volume() const { return m_s->volume(); }
    void setVolume(double v) { m_s->setVolume(v); }
    qlonglong position() const { return m_s->positionUs(); }
    bool canGoNext() const { return m_s->canGoNext(); }
    bool canGoPrevious() const { return m_s->canGoPrevious(); }
    bool yes() const { return true; }
    bool no() const { return false; }
public slots:
    void Next() { m_s->next(); }
    void Previous() { m_s->previous(); }
    void Pause() { m_s->pause(); }
    void PlayPause() { m_s->playPause(); }
    void Stop() { m_s->stop(); }
    void Play() { m_s->play(); }
    void Seek(qlonglong) {}
    void SetPosition(const QDBusObjectPath &, qlonglong) {}
    void OpenUri(const QString &) {}
private:
    MprisService *m_s;
};

MprisService::MprisService(PlayListPlayer *player, TMixer *mixer, QObject *parent)
    : QObject(parent), m_player(player), m_mixer(mixer), m_bus(QString())
{
    new MprisRootAdaptor(this);
    new MprisPlayerAdaptor(this);
    const QStringList trackProps{QStringLiteral("Metadata"), QStringLiteral("PlaybackStatus"),
                                 QStringLiteral("CanGoNext"), QStringLiteral("CanGoPrevious")};
    connect(m_player, &PlayListPlayer::trackChanged, this, [this, trackProps] { announce(trackProps); });
    connect(m_player, &PlayListPlayer::rowsChanged, this, [this] {
        announce({QStringLiteral("CanGoNext"), QStringLiteral("CanGoPrevious")});
    });
    connect(&m_player->slot(), &PlayerSlot::stateChanged, this,
            [this] { announce({QStringLiteral("PlaybackStatus")}); });
    if (m_mixer)
        connect(m_mixer, &TMixer::volumeShown, this, [this] { announce({QStringLiteral("Volume")}); });
}

MprisService::~MprisService() { unregister(); }

bool MprisService::registerOn(QDBusConnection connection)
{
    unregister();
    m_bus = connection;
    if (!m_bus.isConnected())
        return false;
    if (!m_bus.registerObject(kPath, this, QDBusConnection::ExportAdaptors))
        return false;
    if (!m_bus.registerService(QString::fromLatin1(kServiceName))) {
        m_bus.unregisterObject(kPath);
        return false;
    }
    m_registered = true;
    return true;
}

void MprisService::unregister()
{
    if (!m_registered)
        return;
    m_bus.unregisterService(QString::fromLatin1(kServiceName));
    m_bus.unregisterObject(kPath);
    m_registered = false;
}

QString MprisService::playbackStatus() const
{
    switch (m_player->mode()) {
    case PlayerMode::Playing: return QStringLiteral("Playing");
    case PlayerMode::Paused: return QStringLiteral("Paused");
    default: return QStringLiteral("Stopped");
    }
}

QVariantMap MprisService::metadata() const
{
    QVariantMap m;
    const PlayListEntry *e = m_player->current();
    if (!e || m_player->mode() == PlayerMode::NoDevice) {
        m.insert(QStringLiteral("mpris:trackid"),
                 QVariant::fromValue(QDBusObjectPath(QStringLiteral("/org/mpris/MediaPlayer2/TrackList/NoTrack"))));
        return m;
    }
    const int row = int(e - m_player->rows().constData());
    m.insert(QStringLiteral("mpris:trackid"),
             QVariant::fromValue(QDBusObjectPath(QStringLiteral("/org/vireo/track/%1").arg(row))));
    m.insert(QStringLiteral("xesam:title"), e->title());
    if (!e->artist().isEmpty())
        m.insert(QStringLiteral("xesam:artist"), QStringList{e->artist()});
    if (!e->album().isEmpty())
        m.insert(QStringLiteral("xesam:album"), e->album());
    m.insert(QStringLiteral("xesam:url"), fileUri(e->path));
    m.insert(QStringLiteral("mpris:length"), qlonglong(m_player->slot().barMaximum()) * 1000000);
    const QString art = m_art ? m_art(e->path) : QString();
    if (!art.isEmpty())
        m.insert(QStringLiteral("mpris:artUrl"), fileUri(art));
    return m;
}

double MprisService::volume() const
{
    if (!m_mixer || !m_mixer->hasMasterLine())
        return 1.0;
    const int v = m_mixer->volume();
    return v < 0 ? 1.0 : v / 100.0;
}

void MprisService::setVolume(double v)
{
    if (m_mixer && std::isfinite(v))
        m_mixer->setVolume(int(std::lround(std::clamp(v, 0.0, 1.0) * 100)));
}

qint64 MprisService::positionUs() const
{
    const TcmxMP3 *p = m_player->slot().player();
    return p ? qint64(p->Position()) * 1000000 : 0;
}

bool MprisService::canGoNext() const
{
    return m_player->selected() < m_player->rows().size() - 1;
}

bool MprisService::canGoPrevious() const { return m_player->selected() > 0; }

void MprisService::next() { m_player->next(); }
void MprisService::previous() { m_player->previous(); }

void MprisService::pause()
{
    if (m_player->mode() == PlayerMode::Playing)
        m_player->pauseToggle();
}

void MprisService::playPause()
{
    const PlayerMode mode = m_player->mode();
    if (mode == PlayerMode::Playing || mode == PlayerMode::Paused)
        m_player->pauseToggle();
    else
        play();
}

void MprisService::stop() { m_player->stop(); }

void MprisService::play()
{
    const PlayerMode mode = m_player->mode();
    if (mode == PlayerMode::Paused) {
        m_player->pauseToggle();
        return;
    }
    if (mode == PlayerMode::Playing || m_player->rows().isEmpty())
        return;
    if (m_player->selected() < 0)
        m_player->setSelected(0);
    m_player->play();
}

void MprisService::announce(const QStringList &names)
{
    if (!m_registered)
        return;
    QVariantMap changed;
    for (const QString &n : names) {
        if (n == QLatin1String("Metadata"))
            changed.insert(n, metadata());
        else if (n == QLatin1String("PlaybackStatus"))
            changed.insert(n, playbackStatus());
        else if (n == QLatin1String("CanGoNext"))
            changed.insert(n, canGoNext());
        else if (n == QLatin1String("CanGoPrevious"))
            changed.insert(n, canGoPrevious());
        else if (n == QLatin1String("Volume"))
            changed.insert(n, volume());
    }
    QDBusMessage sig = QDBusMessage::createSignal(kPath, QStringLiteral("org.freedesktop.DBus.Properties"),
                                                  QStringLiteral("PropertiesChanged"));
    sig << kPlayerIface << changed << QStringList();
    m_bus.send(sig);
}

} // namespace vireo

#include "MprisService.moc"
