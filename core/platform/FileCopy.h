#pragma once
// Copying one file so that the target is either complete or absent: the bytes
// go to a temporary name in the target folder (created exclusively), are
// synced to the device, and only then renamed to the target name without
// replacing an existing file. A full drive, a pulled stick or a cancel never
// leaves a truncated file under the target name. File times are kept.
#include "core/platform/Result.h"

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

// The prefix of the temporary names CopyFileSafely uses in a target folder
// (left-overs of a killed process can be recognised and removed by it).
QString fileCopyTempPrefix();

} // namespace vireo
