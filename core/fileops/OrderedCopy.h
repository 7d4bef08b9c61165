#pragma once
// The copy loop of the copy tab and of `vireo-cli copy`: every file to one
// destination folder, strictly in list order, each one complete or absent
// (CopyFileSafely), an existing target never replaced. The loop runs on any
// thread and can be cancelled between files.
#include "core/platform/DiskSpace.h"
#include "core/platform/Result.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <atomic>
#include <functional>

namespace vireo {

// The destination is usable: not empty, an existing folder. The message of a
// refusal is the one the user sees.
Result CheckCopyDestination(const QString &destination);

// The destination folder + "/" + the file name part of source.
QString CopyTargetPath(const QString &destination, const QString &source);

// A name FAT and exFAT cannot hold: one of ? : * " < > | \ or a control
// character, or a trailing dot or space.
bool FatRejectsName(QStringView name);

// The positions of the sources whose file names the destination's file
// system cannot hold (none when it is not FAT or exFAT).
QList<int> FindUnwritableNames(const QStringList &sources, FileSystemKind destinationKind);
// One message listing those files, for the question before the copy.
QString UnwritableNamesMessage(const QStringList &sources, const QList<int> &positions);

struct CopySummary {
    int copied = 0;
    int failed = 0;  // includes skipped
    int skipped = 0; // left out before copying (names the destination cannot hold)
    bool cancelled = false;
    int64_t bytesCopied = 0;
};

class OrderedCopy {
public:
    // Called after each row, on the thread that runs the loop. result is the
    // copy's outcome; a skipped row gets an InvalidArgument failure.
    using RowDone = std::function<void(int index, const QString &target, const Result &result)>;

    // The rows to copy and those to leave out (positions into sources).
    OrderedCopy(QString destination, QStringList sources, QList<int> skip = {});

    // Runs the loop; call once. Each file's bytes are synced before its
    // rename unless sync is off (benchmarks comparing with cp may switch it).
    CopySummary run(const RowDone &rowDone);
    // Asks the loop to stop: the file being copied is abandoned (its
    // temporary file removed) and no further row starts. Any thread.
    void cancel() { m_cancel.store(true); }
    bool isCancelled() const { return m_cancel.load(); }
    void setSync(bool on) { m_sync = on; }

private:
    QString m_destination;
    QStringList m_sources;
    QList<int> m_skip;
    std::atomic<bool> m_cancel{false};
    bool m_sync = true;
};

} // namespace vireo
