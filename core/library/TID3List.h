#pragma once
// TID3List: the library's tracks in the order they were added, each under its
// path, with a hash index so a lookup costs the same for 10 or 100,000 tracks.
// It owns its tracks and never frees one that a view may still borrow.
#include "core/library/TrackRecord.h"

#include <QHash>
#include <QString>

#include <memory>
#include <vector>

namespace vireo {

class TID3List {
public:
    TID3List() = default;
    ~TID3List();
    TID3List(const TID3List &) = delete;
    TID3List &operator=(const TID3List &) = delete;

    // Paths of the two cache files.
    QString V1CacheFile;
    QString V2CacheFile;

    qsizetype Count() const { return qsizetype(m_entries.size()) - m_holes; }
    // The track at a position in list order; nullptr past the end.
    TID3ListItem *At(qsizetype index) const;
    // The path of the entry at a position (the track's FileName).
    QString PathAt(qsizetype index) const;
    // The entry of a path (exact comparison); nullptr when none.
    TID3ListItem *Find(const QString &path) const;
    // The position of a path, or -1.
    qsizetype IndexOf(const QString &path) const;

    // Appends a track under its FileName. The path must not be in the list.
    TID3ListItem *Add(std::unique_ptr<TID3ListItem> track);
    // Unlinks the entry of a path; the track stays allocated (retired) until
    // ReleaseRetired. Returns the position it had, or -1.
    qsizetype Remove(const QString &path);
    // The same without the position: constant time, for the scan's many removals.
    bool Drop(const QString &path);
    // Unlinks every entry; all tracks are retired.
    void Clear();
    // Frees the retired tracks: call only when no view borrows them any more.
    void ReleaseRetired();
    qsizetype RetiredCount() const { return qsizetype(m_retired.size()); }

    void Reserve(qsizetype n);

private:
    void compact() const;

    // nullptr entries are removed ones, closed up by the next compact().
    mutable std::vector<std::unique_ptr<TID3ListItem>> m_entries;
    mutable QHash<QString, qsizetype> m_slot; // path -> position in m_entries
    mutable qsizetype m_holes = 0;
    std::vector<std::unique_ptr<TID3ListItem>> m_retired;
};

} // namespace vireo
