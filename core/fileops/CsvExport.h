#pragma once
// The CSV export of the library: one line per track in library order with
// its ID3v1 values, every value in double quotes, in the system code page.
#include "core/platform/Result.h"

#include <QByteArray>
#include <QString>

namespace vireo {

class TID3TagUseful;

// The whole file: the header line and one line per track, each ended by CR LF.
// Values are written as they are (a quote or line break inside one is not escaped).
QByteArray RenderCsv(const TID3TagUseful &store);
// Writes the file through a temporary file and a rename, replacing any file
// of that name; on failure nothing of it is left and the old file is unchanged.
Result ExportCsv(const TID3TagUseful &store, const QString &file);

} // namespace vireo
