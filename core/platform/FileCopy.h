#pragma once
// Copying one file so that the target is either complete or absent: the bytes
// go to a temporary name in the target folder (created exclusively), are
// synced to the device, and only then renamed to the target name without
// replacing an existing file. A full drive, a pulled stick or a cancel never
// leaves a truncated file under the target name. File times are kept.
#include "core/platform/Result.h"

#include <QByteArray>
#include <QString>
#include <atomic>
#include <cstdint>

namespace vireo {

struct FileCopyOptions {
    // Checked between chunks; a set flag ends the copy with ErrorCode::Cancelled
    // and removes the temporary file.
    const std::atomic<bool> *cancel = nullptr;
    // Flush the data to the device before the rename (off only for tools that
    // sync the whole file system themselves).
    bool sync = true;
};

// Copies source to target. An existing target is never replaced: the copy
// fails with a message saying so. The message of any failure names the file
// and the cause (for example "No space left on device").
Result CopyFileSafely(const QString &source, const QString &target,
                      const FileCopyOptions &options = {});

// The same in two steps, so a caller copying many files can let the device
// write one file while the next is read, and have one journal commit serve
// several files. CopyToTemporary leaves the complete bytes (times and mode
// set) under a temporary name with write-back started; FinishCopy syncs
// them and renames the file to its target; AbandonCopy removes it.
class PendingCopy {
public:
    PendingCopy() = default;
    PendingCopy(PendingCopy &&other) noexcept;
    PendingCopy &operator=(PendingCopy &&other) noexcept;
    ~PendingCopy(); // abandons an unfinished copy
    PendingCopy(const PendingCopy &) = delete;
    PendingCopy &operator=(const PendingCopy &) = delete;

    const QString &target() const { return m_target; }
    int64_t size() const { return m_size; }

private:
    friend ResultOf<PendingCopy> CopyToTemporary(const QString &, const QString &, const FileCopyOptions &);
    friend Result FinishCopy(PendingCopy &, bool);
    friend void AbandonCopy(PendingCopy &);
    int m_fd = -1;
    QByteArray m_tmp;
    QString m_target;
    int64_t m_size = 0;
};
ResultOf<PendingCopy> CopyToTemporary(const QString &source, const QString &target,
                                      const FileCopyOptions &options = {});
// Syncs (when sync) and renames without replacing; on failure the temporary
// file is removed. The folder itself is not synced (SyncFolder).
Result FinishCopy(PendingCopy &copy, bool sync = true);
void AbandonCopy(PendingCopy &copy);
// Makes the names renamed into folder durable (best effort).
void SyncFolder(const QString &folder);

// The prefix of the temporary names CopyFileSafely uses in a target folder
// (left-overs of a killed process can be recognised and removed by it).
QString fileCopyTempPrefix();

} // namespace vireo
