#pragma once
// The two tag cache files that keep the library between runs: the ID3v1
// cache (".3dt", tag code page, one row per track with an ID3v1 tag) and the
// ID3v2 cache (".2dt", UTF-16LE with byte-order mark, one row per track with
// an ID3v2 tag). Both begin with the version line.
#include "core/library/TID3List.h"
#include "core/platform/Result.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <functional>

namespace vireo::tagcache {

inline constexpr char VersionField[] = "vireoCacheVersion2.0.0.0";

// Reads a cache file into the list: a path already there gets the row's
// values, a new path becomes a new track with the row's date. A missing file
// does nothing; bad rows are logged and skipped.
void ReadV1Cache(TID3List &tracks, const QString &file);
// message shows the version-mismatch text to the user.
void ReadV2Cache(TID3List &tracks, const QString &file, const std::function<void(const QString &)> &message);

// The same over bytes already read (the file readers call these).
void LoadV1Cache(TID3List &tracks, QByteArrayView bytes);
void LoadV2Cache(TID3List &tracks, QByteArrayView bytes, const std::function<void(const QString &)> &message);

// The whole file text of each cache for the tracks in list order. Rows that
// cannot be written (a date that is not a date, a path the tag code page
// cannot hold) are left out with a log line.
QByteArray RenderV1Cache(const TID3List &tracks);
QByteArray RenderV2Cache(const TID3List &tracks);

// Render and write through a temporary file and a rename.
Result WriteV1Cache(const TID3List &tracks, const QString &file);
Result WriteV2Cache(const TID3List &tracks, const QString &file);

// The texts of the version-mismatch message box (two lines).
QString V2VersionMessage();

} // namespace vireo::tagcache
