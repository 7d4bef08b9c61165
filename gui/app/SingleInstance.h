#pragma once
// One window per program folder: the window holds the folder's lock for its
// whole run, so a second start (or a command-line run that writes the
// caches) never writes the same caches at close.
#include "core/platform/InstanceLock.h"

#include <QString>

#include <functional>

namespace vireo::gui {

// Takes the lock of the program folder (made when missing) into `lock`.
// Another run holding it: `tell` gets the message and the answer is false
// (the start stops). A lock file that cannot be made (a read-only folder)
// does not stop the start: the window then runs without the lock.
bool takeProgramFolder(const QString &folder, InstanceLock &lock,
                       const std::function<void(const QString &message)> &tell);

} // namespace vireo::gui
