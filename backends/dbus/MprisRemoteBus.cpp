#include "backends/dbus/MprisRemoteBus.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>

namespace vireo {

namespace {
const QString kPath = QStringLiteral("/org/mpris/MediaPlayer2");
const QString kTrackList = QStringLiteral("org.mpris.MediaPlayer2.TrackList");
const QString kPrefix = QStringLiteral("org.mpris.MediaPlayer2.");
} // namespace

QStringList MprisRemoteBus::playerNames()
{
    QStringList out;
    if (!m_bus.isConnected() || !m_bus.interface())
        return out;
    const QDBusReply<QStringList> names = m_bus.interface()->registeredServiceNames();
    if (!names.isValid())
        return out;
    for (const QString &n : names.value())
        if (n.startsWith(kPrefix))
            out << n;
    return out;
}

bool MprisRemoteBus::canEditTracks(const QString &busName)
{
    QDBusMessage m = QDBusMessage::createMethodCall(busName, kPath, QStringLiteral("org.freedesktop.DBus.Properties"),
                                                    QStringLiteral("Get"));
    m << kTrackList << QStringLiteral("CanEditTracks");
    const QDBusMessage reply = m_bus.call(m, QDBus::Block, m_timeout);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return false;
    return reply.arguments().first().value<QDBusVariant>().variant().toBool();
}

bool MprisRemoteBus::addTrack(const QString &busName, const QString &uri)
{
    QDBusMessage m = QDBusMessage::createMethodCall(busName, kPath, kTrackList, QStringLiteral("AddTrack"));
    m << uri << QVariant::fromValue(QDBusObjectPath(QStringLiteral("/org/mpris/MediaPlayer2/TrackList/NoTrack")))
      << false;
    const QDBusMessage reply = m_bus.call(m, QDBus::Block, m_timeout);
    return reply.type() == QDBusMessage::ReplyMessage;
}

} // namespace vireo
