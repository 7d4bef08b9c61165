#pragma once
// Reading the library's own files (caches, compilation list) whole. They are
// read through QFile so the MP3 open counter only ever counts MP3 files.
#include "core/platform/Result.h"

#include <QByteArray>
#include <QString>

namespace vireo {

Result readSmallFile(const QString &path, QByteArray &out);

} // namespace vireo
