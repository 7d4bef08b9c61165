#include "core/app/AppSession.h"

namespace vireo {

void AppSession::setProgramFolder(const QString &folder)
{
    m_programFolder = folder;
    m_tempPlaylist = folder + QStringLiteral("$$vire$$.m3u");
}

} // namespace vireo
