#include "gui/covers/CoverCache.h"

#include "core/views/FileInfoTexts.h"
#include "core/views/ViewLog.h"
#include "gui/covers/PictureDecoder.h"

#include <algorithm>

namespace vireo::covers {

CoverCache::CoverCache(qint64 budgetBytes) : m_budget(budgetBytes) {}

QString CoverCache::keyOf(const T_Vireo_NodeData &album)
{
    return album.Folder + QChar(0) + album.Album;
}

QString CoverCache::imageKey(const QString &albumKey, QSize size)
{
    return albumKey + QChar(0) + QString::number(size.width()) + u'x' + QString::number(size.height());
}

bool CoverCache::isCached(const T_Vireo_NodeData &album, QSize pixelSize) const
{
    const QString key = keyOf(album);
    const auto l = m_lookups.constFind(key);
    if (l == m_lookups.cend())
        return false;
    if (l->kind == views::CoverArt::None || l->damaged)
        return true;
    return m_images.contains(imageKey(key, pixelSize));
}

CoverCache::Cover CoverCache::cover(const T_Vireo_NodeData &album, QSize pixelSize)
{
    Cover out;
    if (album.Kind != T_Vireo_NodeData::AlbumKind || pixelSize.isEmpty())
        return out;
    const QString key = keyOf(album);
    auto l = m_lookups.find(key);
    views::CoverArt art;
    if (l == m_lookups.end()) {
        ++m_stats.lookups;
        art = views::FindCoverArt(album.Folder, album.Album, album.FirstFile);
        if (art.kind == views::CoverArt::Embedded)
            ++m_stats.reads; // the tag was read to find the picture
        l = m_lookups.insert(key, Lookup{art.kind, art.path, false});
    }
    if (l->kind == views::CoverArt::None)
        return out;
    if (l->damaged) {
        out.state = State::Damaged;
        return out;
    }
    const QString ik = imageKey(key, pixelSize);
    if (const auto it = m_images.constFind(ik); it != m_images.cend()) {
        m_lru.splice(m_lru.begin(), m_lru, *it);
        out.state = State::Picture;
        out.image = (*it)->image;
        return out;
    }
    if (art.kind == views::CoverArt::None) { // known from an earlier lookup: read again
        art.kind = l->kind;
        art.path = l->path;
        if (art.kind == views::CoverArt::Embedded) {
            art = views::embeddedCover(l->path);
            ++m_stats.reads;
        }
    }
    QString error;
    QImage image;
    if (art.kind == views::CoverArt::File)
        ++m_stats.reads;
    const ResultOf<QByteArray> bytes = views::loadCoverBytes(art);
    if (!bytes) {
        error = bytes.message();
    } else {
        ++m_stats.decodes;
        image = decodePictureScaled(bytes.value(), pixelSize, &error);
        if (image.isNull() && !error.isEmpty())
            error = l->path + QStringLiteral(": ") + error;
    }
    if (image.isNull()) {
        ++m_stats.failures;
        l->damaged = true;
        views::viewLog(views::kLogPictureUnreadable + (error.isEmpty() ? l->path : error));
        out.state = State::Damaged;
        return out;
    }
    hold(ik, image);
    out.state = State::Picture;
    out.image = image;
    return out;
}

void CoverCache::hold(const QString &key, const QImage &image)
{
    m_lru.push_front(Held{key, image});
    m_images.insert(key, m_lru.begin());
    m_stats.bytes += image.sizeInBytes();
    while (m_stats.bytes > m_budget && m_lru.size() > 1) {
        const Held &old = m_lru.back();
        m_stats.bytes -= old.image.sizeInBytes();
        m_images.remove(old.key);
        m_lru.pop_back();
        ++m_stats.evictions;
    }
    m_stats.peakBytes = std::max(m_stats.peakBytes, m_stats.bytes);
}

void CoverCache::dropImagesOf(const QString &albumKey)
{
    const QString prefix = albumKey + QChar(0);
    for (auto it = m_lru.begin(); it != m_lru.end();) {
        if (it->key.startsWith(prefix)) {
            m_stats.bytes -= it->image.sizeInBytes();
            m_images.remove(it->key);
            it = m_lru.erase(it);
        } else {
            ++it;
        }
    }
}

void CoverCache::invalidate(const QString &folder, const QString &album)
{
    const QString key = folder + QChar(0) + album;
    m_lookups.remove(key);
    dropImagesOf(key);
}

void CoverCache::invalidateFolder(const QString &folder)
{
    const QString prefix = folder + QChar(0);
    for (auto it = m_lookups.begin(); it != m_lookups.end();)
        it = it.key().startsWith(prefix) ? m_lookups.erase(it) : std::next(it);
    dropImagesOf(folder); // image keys are folder, album, size joined by NUL
}

void CoverCache::clear()
{
    m_lookups.clear();
    m_images.clear();
    m_lru.clear();
    m_stats.bytes = 0;
}

} // namespace vireo::covers
