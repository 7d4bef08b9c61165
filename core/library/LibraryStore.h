#pragma once
// TID3TagUseful: the library store. It owns every track (TID3ListItem) of
// the collection, keyed by exact path, and keeps them between runs in the two
// tag cache files; it also owns the compilation list and the genre names.
// Views borrow track pointers and must drop them when the library is rebuilt.
#include "core/formats/ID3v1.h"
#include "core/library/Compilations.h"
#include "core/library/ListRow.h"
#include "core/library/TID3List.h"
#include "core/library/TrackRecord.h"
#include "core/platform/Result.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <utility>

namespace vireo {

class TID3TagUseful {
public:
    // Shows a text to the user in a message box (the window installs one; the
    // command line prints it). The store never blocks on it otherwise.
    using MessageHandler = std::function<void(const QString &text)>;

    // programPath: the program's path ("<program folder>/vireo"); the caches
    // and the compilation list are it with ".3dt", ".2dt" and ".cpi". Loads
    // the compilation list when the file exists.
    explicit TID3TagUseful(const QString &programPath);
    // Writes both caches (unless switched off), then frees every track.
    ~TID3TagUseful();
    TID3TagUseful(const TID3TagUseful &) = delete;
    TID3TagUseful &operator=(const TID3TagUseful &) = delete;

    // Settings the store follows (set by the settings load).
    bool CacheOnly = false;       // FirstCacheFlg: trust the library, no date or existence checks
    bool PreferV2 = false;        // ID3v2Main: tag preference 2 for the main window
    bool GenreCodeInText = false; // SaveGenreCode: GenreText prefixes "(code)"
    // The main window's tag preference: 2 when PreferV2, else 1.
    int Preference() const { return PreferV2 ? 2 : 1; }

    void setMessageHandler(MessageHandler handler) { m_message = std::move(handler); }
    void showMessage(const QString &text) const;
    // Problems that are logged and need no message box (an ID3v1 cache of
    // another version): the command line prints them; the window only logs.
    void setNoticeHandler(MessageHandler handler) { m_notice = std::move(handler); }
    void showNotice(const QString &text) const;
    // What went wrong when the compilation list was loaded (empty when
    // nothing did), for callers that report it beyond the log.
    const QString &compilationProblem() const { return m_compilationProblem; }

    // Reads the ID3v1 cache, then the ID3v2 cache, into the library.
    void LoadCaches();
    bool CacheLoaded() const { return m_cacheLoaded; }
    // Writes the ID3v1 cache and then the ID3v2 cache from the library, each
    // through a temporary file; when the first fails the second is not written.
    Result SaveCaches();
    // The destructor saves the caches unless this is switched off (tests, tools).
    void setSaveCachesOnDestroy(bool on) { m_saveOnDestroy = on; }

    // Removes every track from the library.
    void ClearLibrary();

    // The track of a file: the library's copy when still valid (same date, or
    // CacheOnly), otherwise read from the file's tags and appended. Never null.
    // readFromFile, when given, tells whether the file was opened.
    TID3ListItem *FindOrRead(const QString &path, int32_t fileDate, int64_t fileSize,
                             bool *readFromFile = nullptr);
    // The library's track for the path when its date equals fileDate; a stale
    // entry is removed on the way. nullptr otherwise.
    TID3ListItem *DropIfStale(const QString &path, int32_t fileDate);

    qsizetype TrackCount() const { return m_tracks.Count(); }
    // The track at a position in library order; nullptr at or past TrackCount.
    TID3ListItem *TrackAt(qsizetype index) const { return m_tracks.At(index); }
    // The track of a path (exact comparison); nullptr when none.
    TID3ListItem *FindTrack(const QString &path) const { return m_tracks.Find(path); }
    const TID3List &Tracks() const { return m_tracks; }
    TID3List &Tracks() { return m_tracks; }

    // Unlinks the path's entry and returns the position it had, or -1. The
    // track stays allocated by the store (do not free it): a view may still
    // borrow it until the next rebuild.
    qsizetype DeleteFromCache(const QString &path);
    // Frees tracks that left the library (removed, replaced, cleared). The
    // scan calls it after the views were rebuilt; nobody may hold one then.
    void ReleaseRetired() { m_tracks.ReleaseRetired(); }

    // The refresh pass: settles Exists (unless already true) and
    // CompilationIndex of every track. Deferred takes Exists on trust (the
    // start-up with trusted caches) and keeps those paths for a later check
    // off the user-interface thread (TakeUncheckedPaths, MarkMissing).
    enum class ExistenceCheck { Now, Deferred };
    void RefreshFlags(ExistenceCheck check = ExistenceCheck::Now);
    // The paths a deferred refresh took on trust; handed out once.
    QStringList TakeUncheckedPaths() { return std::exchange(m_unchecked, {}); }
    // Clears Exists of the library's tracks at these paths (paths no longer
    // in the library are passed over); the number of tracks changed.
    int MarkMissing(const QStringList &missing);
    // A check that will not finish: these paths' Exists is unsettled again,
    // so the next refresh pass looks at them.
    void ForgetExistence(const QStringList &paths);

    // "(code)name" when GenreCodeInText and the name is a genre name (without
    // regard to case); otherwise the name unchanged.
    QString GenreText(const QString &name) const;
    const QStringList &GenreNames() const { return m_genreNames; }

    // Fills a track-list row from a track: 11 cells and the image index.
    void FillListRow(TID3ListItem *track, ListRow &row, bool markMissing, bool showV2) const;
    ListRow FillListRow(TID3ListItem *track, bool markMissing, bool showV2) const;

    // The compilation list.
    const QStringList &Compilations() const { return m_compilations.Names(); }
    const QString &CompilationFile() const { return m_compilationFile; }
    // Position of an album in the list (without regard to case), or -1.
    int CompilationIndexOf(QStringView album) const { return m_compilations.IndexOf(album); }
    // Adds (removes) the album, saves the list and runs RefreshFlags; nothing
    // happens when it is already there (not there).
    Result AddCompilation(const QString &name);
    Result RemoveCompilation(const QString &name);
    // Replaces the list (the options dialog); tracks keep their indexes until
    // the next refresh. Call SaveCompilations after it.
    void SetCompilations(const QStringList &names) { m_compilations.SetNames(names); }
    Result SaveCompilations();

    // The single ID3v1 tag object for every ID3v1 read and write of the run.
    TID3v1 &V1Reader() { return m_v1Reader; }

private:
    void readTags(TID3ListItem &track);
    void setCompilationIndex(TID3ListItem &track) const;

    TID3List m_tracks;
    QStringList m_genreNames;
    QString m_compilationFile;
    CompilationList m_compilations;
    TID3v1 m_v1Reader;
    QStringList m_unchecked;
    bool m_cacheLoaded = false;
    bool m_saveOnDestroy = true;
    MessageHandler m_message;
    MessageHandler m_notice;
    QString m_compilationProblem;
};

} // namespace vireo
