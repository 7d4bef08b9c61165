#pragma once
// Moving a file to the desktop's Trash (the freedesktop.org Trash under
// $XDG_DATA_HOME/Trash, or the .Trash-$UID folder of another file system).
// A file the Trash will not take is left where it is: never deleted for good.
#include "core/platform/Result.h"

#include <QString>

namespace vireo {

// On success the file is in the Trash (trashedAs, when given, receives its
// path there). On failure the file is untouched and the message names it and
// the cause.
Result MoveToTrash(const QString &path, QString *trashedAs = nullptr);

} // namespace vireo
