#pragma once
// The decoded cover pictures of the cover strip, keyed by album (its folder
// and name): looked up and decoded on first use, straight to the cell's pixel
// size, and kept in a least-recently-used cache bounded in bytes. A picture
// that cannot be decoded is remembered (and logged once), never retried.
#include "core/views/CoverLookup.h"

#include <QHash>
#include <QImage>
#include <QSize>
#include <QString>

#include <list>

namespace vireo::covers {

class CoverCache {
public:
    // 64 MB holds about 4,000 covers of the largest cell (192 × 192).
    static constexpr qint64 kDefaultBudget = 64LL * 1024 * 1024;
    explicit CoverCache(qint64 budgetBytes = kDefaultBudget);

    enum class State { NoCover, Damaged, Picture };
    struct Cover {
        State state = State::NoCover;
        QImage image; // State::Picture: pixelSize pixels
    };
    // The album's cover decoded at pixelSize (device pixels). Finds and
    // decodes it on the first call; later calls answer from the cache.
    Cover cover(const T_Vireo_NodeData &album, QSize pixelSize);
    // The cover if it is already known at that size, without any file access.
    bool isCached(const T_Vireo_NodeData &album, QSize pixelSize) const;

    // Forgets what is known of one album (after a new cover file was saved).
    void invalidate(const QString &folder, const QString &album);
    // Forgets every album of a folder (a folder.jpg serves all of them).
    void invalidateFolder(const QString &folder);
    void clear();

    struct Stats {
        qint64 lookups = 0;     // FindCoverArt runs
        qint64 reads = 0;       // picture files (or tags) read
        qint64 decodes = 0;
        qint64 failures = 0;    // pictures that could not be decoded
        qint64 bytes = 0;       // held by decoded pictures now
        qint64 peakBytes = 0;
        qint64 evictions = 0;
    };
    const Stats &stats() const { return m_stats; }
    qint64 budget() const { return m_budget; }

private:
    struct Lookup {
        views::CoverArt::Kind kind = views::CoverArt::None;
        QString path;
        bool damaged = false;
    };
    struct Held {
        QString key;
        QImage image;
    };
    static QString keyOf(const T_Vireo_NodeData &album);
    static QString imageKey(const QString &albumKey, QSize size);
    void hold(const QString &key, const QImage &image);
    void dropImagesOf(const QString &albumKey);

    qint64 m_budget;
    QHash<QString, Lookup> m_lookups;            // by album key
    std::list<Held> m_lru;                       // most recently used first
    QHash<QString, std::list<Held>::iterator> m_images; // by album key + size
    Stats m_stats;
};

} // namespace vireo::covers
