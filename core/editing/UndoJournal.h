#pragma once
// The undo journal: before a save changes a file, the exact bytes of its tags
// (the ID3v2 region at the start, the ID3v1 block at the end) are kept in a
// folder beside the settings, one entry per save. Undo puts those bytes back
// around the file's current audio, byte for byte, unless another program
// changed the file after the save. The journal keeps the last 20 saves and
// never more than 200 MB; older entries are dropped first.
#include "core/platform/Result.h"

#include <QByteArray>
#include <QDateTime>
#include <QFile>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <memory>

namespace vireo::editing {

// Where an MP3 file's tags lie: the ID3v2 region at the start and the ID3v1
// block at the end; the audio is what is between. The ends of the audio tell
// whether another program rewrote the file.
struct TagRegions {
    int64_t size = 0;
    int64_t headLength = 0; // ID3v2 header, frames, padding (and footer)
    int64_t tailLength = 0; // 128 when the file ends with an ID3v1 block
    QByteArray head;
    QByteArray tail;
    QByteArray audioEnds;   // the first and last 4 KiB of the audio
    bool ok = false;        // the file could be read
};
TagRegions readTagRegions(const QString &path);
struct RegionState;

struct UndoEntryInfo {
    QString id;          // the entry's folder name
    QDateTime time;
    QString description;
    int files = 0;
    int64_t bytes = 0;
};

struct UndoOutcome {
    bool hadEntry = false;
    QString description;
    QStringList restored;
    QStringList changedSince; // left alone: another program changed them after the save
    QStringList failed;       // "path: reason"
};

class UndoJournal {
public:
    static constexpr int DefaultMaxEntries = 20;
    static constexpr int64_t DefaultMaxBytes = int64_t(200) * 1024 * 1024;

    // folder: the journal's folder (made on demand); empty = the program folder's "undo/".
    explicit UndoJournal(QString folder = QString());
    static QString defaultFolder();
    QString folder() const { return m_folder; }
    void setLimits(int maxEntries, int64_t maxBytes);

    // One save being recorded. Before any file changes, keepAll() (or keep()
    // for one file) records the tag bytes of the files about to change and
    // makes them durable with one sync; written() follows each file's writes
    // (whether they succeeded or not) and notes the state the save left.
    class Recording {
    public:
        ~Recording();
        Recording(const Recording &) = delete;
        Recording &operator=(const Recording &) = delete;
        // Records every file and syncs the journal once. False when the
        // journal could not be written or is past its size limit (the save is
        // then not undoable); a file that cannot be read is left out.
        bool keepAll(const QStringList &paths);
        // The same for one file (a single save, or a file met during a batch).
        bool keep(const QString &path);
        void written(const QString &path);
        // Closes the entry and drops old ones beyond the limits. An entry
        // without any changed file is removed.
        Result commit();
        bool overLimit() const { return m_overLimit; }
        int files() const { return m_lines; }

    private:
        friend class UndoJournal;
        Recording(UndoJournal &journal, QString dir);
        struct Kept { int64_t size; QByteArray hash; };
        bool record(const QString &path, const RegionState &state);
        void noteWritten();
        bool seal();
        UndoJournal &m_journal;
        QString m_dir;
        QFile m_data;
        QFile m_index;
        QByteArray m_pending; // index lines not yet in the file
        QHash<QString, Kept> m_kept;
        QStringList m_written; // written files whose new state is not yet noted
        int64_t m_bytes = 0;
        int m_lines = 0;
        bool m_overLimit = false;
        bool m_failed = false;
        bool m_committed = false;
    };

    // Starts the entry of a save ("rename artist A -> B").
    std::unique_ptr<Recording> begin(const QString &description);

    // Newest first.
    QList<UndoEntryInfo> list() const;
    // Takes back the newest save and removes its entry.
    UndoOutcome undoLast();

private:
    void prune();
    QStringList entryDirs() const; // oldest first
    int m_maxEntries = DefaultMaxEntries;
    int64_t m_maxBytes = DefaultMaxBytes;
    QString m_folder;
};

} // namespace vireo::editing
