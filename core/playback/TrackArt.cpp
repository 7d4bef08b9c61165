#include "core/playback/TrackArt.h"

#include "core/platform/FileWriter.h"
#include "core/platform/Paths.h"
#include "core/views/CoverLookup.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>

namespace vireo {

namespace {

// The extension of a picture by its first bytes (the tag's MIME type is not trusted).
QString pictureExtension(const QByteArray &bytes)
{
    if (bytes.startsWith("\xFF\xD8"))
        return QStringLiteral(".jpg");
    if (bytes.startsWith("\x89PNG"))
        return QStringLiteral(".png");
    if (bytes.startsWith("BM"))
        return QStringLiteral(".bmp");
    if (bytes.startsWith("GIF8"))
        return QStringLiteral(".gif");
    return QString();
}

} // namespace

TrackArtCache::TrackArtCache(QString cacheFolder) : m_folder(std::move(cacheFolder))
{
    if (!m_folder.isEmpty() && !m_folder.endsWith(u'/'))
        m_folder += u'/';
}

QString TrackArtCache::artFor(const QString &trackPath, const QString &album)
{
    if (trackPath.isEmpty())
        return QString();
    if (auto it = m_known.constFind(trackPath); it != m_known.constEnd())
        return *it;
    QString art;
    const views::CoverArt cover = views::FindCoverArt(QFileInfo(trackPath).absolutePath(), album, trackPath);
    if (cover.kind == views::CoverArt::File) {
        art = cover.path;
    } else if (cover.kind == views::CoverArt::Embedded && !cover.embedded.isEmpty()) {
        const QString ext = pictureExtension(cover.embedded);
        if (!ext.isEmpty() && !m_folder.isEmpty()) {
            // Named by content: the tracks of one album share one file.
            const QString name = QString::fromLatin1(
                QCryptographicHash::hash(cover.embedded, QCryptographicHash::Sha1).toHex());
            const QString file = m_folder + name + ext;
            if (QFileInfo::exists(file) || (QDir().mkpath(m_folder) && writeFileAtomically(file, cover.embedded).ok()))
                art = file;
        }
    }
    m_known.insert(trackPath, art);
    return art;
}

QString defaultArtCacheFolder() { return programFolder() + QStringLiteral("cache/"); }

} // namespace vireo
