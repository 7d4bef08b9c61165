#pragma once
// Writing a chosen picture into the album folder.
#include "core/platform/Result.h"

#include <QByteArray>
#include <QString>

namespace vireo::coverart {

// Writes the picture's bytes to path through a temporary file and a rename,
// so an existing file is replaced whole or not at all. Fails with the cause
// for a folder, a missing folder or a folder that cannot be written.
Result savePicture(const QByteArray &data, const QString &path);

// The album folder's file that needs the user's consent before a save
// replaces it: true when path exists.
bool saveNeedsConfirmation(const QString &path);

} // namespace vireo::coverart
