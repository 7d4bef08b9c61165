#include "core/playback/RemotePlayer.h"

#include <QFileInfo>
#include <QUrl>

namespace vireo {

bool TSCMPX_ctl::Find()
{
    m_player.clear();
    if (!m_bus)
        return false;
    QStringList names = m_bus->playerNames();
    names.sort();
    for (const QString &name : names) {
        if (name == m_ownName)
            continue;
        if (m_bus->canEditTracks(name)) {
            m_player = name;
            return true;
        }
    }
    return false;
}

bool TSCMPX_ctl::AddFile(const QString &path)
{
    if (!Find())
        return false;
    return m_bus->addTrack(m_player, fileUri(path));
}

QString fileUri(const QString &path)
{
    return QString::fromLatin1(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()).toEncoded());
}

} // namespace vireo
