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
// does nothing; bad rows are logged and skipped. The ID3v1 cache's
// companion file (UnicodePathsFile) is read right after it.
// A version line that is wrong or missing is logged with the file's name
// and the cause, and given to notice.
void ReadV1Cache(TID3List &tracks, const QString &file, const std::function<void(const QString &)> &notice = {});
// message shows the version-mismatch text to the user.
void ReadV2Cache(TID3List &tracks, const QString &file, const std::function<void(const QString &)> &message);

// The same over bytes already read (the file readers call these).
// How the path field of an ID3v1 cache row is written: in the tag code
// page (vireo.3dt), or in UTF-8 for the paths the tag code page cannot hold
// (the companion file vireo.3du, same rows otherwise).
enum class PathText { TagCodePage, Utf8 };
// problem gets the cause when the version line is wrong or missing.
void LoadV1Cache(TID3List &tracks, QByteArrayView bytes, const std::function<void(const QString &)> &problem = {},
                 PathText pathText = PathText::TagCodePage);
void LoadV2Cache(TID3List &tracks, QByteArrayView bytes, const std::function<void(const QString &)> &message);

// The whole file text of each cache for the tracks in list order. Rows that
// cannot be written (a date that is not a date) are left out with a log
// line. The rows of paths the tag code page cannot hold go to unicodeRows
// (the companion file's text, version line first); without it they are
// left out with a log line, and then RenderV2Cache(tracks, false) leaves
// those tracks out of the ID3v2 cache too, so that they are read again
// from their files rather than come back without their ID3v1 values.
QByteArray RenderV1Cache(const TID3List &tracks, QByteArray *unicodeRows = nullptr);
QByteArray RenderV2Cache(const TID3List &tracks, bool unicodeRowsKept = false);

// The companion of an ID3v1 cache file: "vireo.3du" beside "vireo.3dt".
// Older versions never read it; without it they only miss those rows.
QString UnicodePathsFile(const QString &v1CacheFile);

// Render and write through a temporary file and a rename; the ID3v1 cache
// also writes its companion file when some path needs it (or it exists).
Result WriteV1Cache(const TID3List &tracks, const QString &file);
Result WriteV2Cache(const TID3List &tracks, const QString &file);

// The texts of the version-mismatch message box (two lines).
QString V2VersionMessage();
// What is wrong with a version line whose first field is firstField.
QString VersionLineProblem(QStringView firstField);
// The message of an ID3v1 cache left unread for that problem.
QString V1CacheIgnoredMessage(const QString &file, const QString &problem);

} // namespace vireo::tagcache
