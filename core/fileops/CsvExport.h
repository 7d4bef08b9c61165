#pragma once
// The library as comma-separated text: a header line and one line per track
// with its ID3v1 values, every value in double quotes, lines ending CR LF,
// in the system code page.
#include "platform/Result.h"

#include <QByteArray>
#include <QString>

#include <vector>

namespace vireo {

class TID3ListItem;

// The whole file's bytes for these tracks, in their order. Values are written
// unchanged, without escaping.
QByteArray RenderCsv(const std::vector<const TID3ListItem *> &tracks);
// Writes the file in one step: either the whole new file is there afterwards
// or the old one is left as it was; the failure's message says why.
Result ExportCsv(const QString &path, const std::vector<const TID3ListItem *> &tracks);

} // namespace vireo
