#pragma once
// The program's running diary: two log files in the program folder that get
// the same lines, "vireo_log.log" in the system code page and "vireo_uni.log"
// in UTF-16LE, with the previous run kept as ".bak" copies.
#include "core/platform/AppendFile.h"

#include <QMutex>
#include <QString>
#include <QStringView>

namespace vireo {

// The one log of the process. Both files stay open for appending between
// lines; every line is handed to the operating system before write returns,
// so other programs see it at once.
class EventLog {
public:
    EventLog() = default;
    ~EventLog();
    EventLog(const EventLog &) = delete;
    EventLog &operator=(const EventLog &) = delete;

    // The folder of the two logs; empty (the default) means programFolder().
    void setFolder(const QString &folder);
    QString folder() const;
    QString ansiLogPath() const;
    QString unicodeLogPath() const;

    // Off when the program starts; nothing is written until it is switched on.
    void setEnabled(bool on);
    bool isEnabled() const;

    // Appends "[time]message" to the ANSI log and "[time] message" to the
    // Unicode log. A file that cannot be opened or written is skipped; the
    // next line tries again. Never throws.
    void write(QStringView message);
    // Moves each log to its ".bak" name, replacing an older backup; a missing
    // log is skipped and failures are ignored.
    void rotate();
    // Closes both files (they reopen on the next line).
    void close();

    // The time stamp of a line: the locale's short date, a space, and the time
    // as hours, minutes and seconds.
    static QString timeStamp();

private:
    struct Sink {
        AppendFile file;
    };
    QString folderLocked() const;
    bool ensureOpen(Sink &sink, const QString &path, bool unicode);
    static void closeSink(Sink &sink);

    mutable QMutex m_mutex;
    QString m_folder;
    bool m_enabled = false;
    Sink m_ansi;
    Sink m_unicode;
};

// The process's log (tests point it at a temporary folder through setFolder).
EventLog &eventLog();

// The one log operation every part of the program calls.
void WriteLog(QStringView message);
// Moves the last run's logs to their backups (start-up does this before logging is switched on).
void RotateLogs();
// Switches logging on or off.
void setLoggingEnabled(bool on);

} // namespace vireo
