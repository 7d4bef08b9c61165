#include "core/editing/TagWriteBack.h"

#include "core/formats/ID3v1.h"
#include "core/formats/ID3v2.h"
#include "core/library/LibraryStore.h"
#include "core/library/TrackRecord.h"
#include "core/platform/FileAccess.h"
#include "core/platform/Paths.h"

#include <QFileInfo>
#include <QStorageInfo>

namespace vireo::editing {

Result explainWriteFailure(const QString &path, const QString &detail)
{
    const auto withDetail = [&](const QString &reason) {
        return detail.isEmpty() ? path + QStringLiteral(": ") + reason : detail;
    };
    const QFileInfo info(path);
    if (!info.exists())
        return Result::failure(ErrorCode::NotFound, path + QStringLiteral(": no such file"));
    if (info.isDir())
        return Result::failure(ErrorCode::InvalidArgument, path + QStringLiteral(": is a directory"));
    const QFileInfo folder(extractFileDir(path));
    if (!info.isWritable())
        return Result::failure(ErrorCode::ReadOnly, withDetail(QStringLiteral("the file is read-only")));
    const QStorageInfo storage(extractFileDir(path));
    if (storage.isValid() && storage.isReadOnly())
        return Result::failure(ErrorCode::ReadOnly, withDetail(QStringLiteral("read-only file system")));
    if (storage.isValid() && storage.bytesAvailable() < 64 * 1024)
        return Result::failure(ErrorCode::DiskFull, withDetail(QStringLiteral("no space left on device")));
    if (!folder.isWritable())
        return Result::failure(ErrorCode::ReadOnly, withDetail(QStringLiteral("the folder is read-only")));
    if (detail.contains(QLatin1String("No space left")) || detail.contains(QLatin1String("quota")))
        return Result::failure(ErrorCode::DiskFull, detail);
    if (detail.contains(QLatin1String("Permission denied")) || detail.contains(QLatin1String("Read-only")))
        return Result::failure(ErrorCode::ReadOnly, detail);
    return Result::failure(ErrorCode::Failed, withDetail(QStringLiteral("the tag could not be written")));
}

QString reasonText(const Result &r)
{
    switch (r.code()) {
    case ErrorCode::None: return {};
    case ErrorCode::NotFound: return QStringLiteral("ファイルが見つかりません");
    case ErrorCode::ReadOnly:
    case ErrorCode::NoPermission: return QStringLiteral("書き込みが禁止されています（読み取り専用）");
    case ErrorCode::DiskFull: return QStringLiteral("ディスクの空き容量が足りません");
    case ErrorCode::BadData: return QStringLiteral("ファイルの内容を読み取れません");
    case ErrorCode::TooLarge: return QStringLiteral("タグが大きすぎます");
    default: return QStringLiteral("書き込みに失敗しました");
    }
}

namespace {

// The writers name the file and the cause; a cause they could not tell apart
// is looked for in the file and its folder.
Result checked(const TID3ListItem &track, Result r)
{
    if (r.ok() || r.code() != ErrorCode::Failed)
        return r;
    return explainWriteFailure(track.FileName, r.message());
}

} // namespace

Result writeV1(TID3ListItem &track, TID3v1 &tag)
{
    return checked(track, track.WriteV1ToFile(tag));
}

Result writeV2(TID3ListItem &track)
{
    TID3v2 tag;
    return checked(track, track.WriteV2ToFile(tag));
}

Result removeV1(TID3ListItem &track, TID3v1 &tag)
{
    if (!track.HasV1)
        return Result::success();
    return checked(track, track.RemoveV1FromFile(tag));
}

Result removeV2(TID3ListItem &track)
{
    if (!track.HasV2)
        return Result::success();
    return checked(track, track.RemoveV2FromFile());
}

TID3ListItem *reloadFromFile(TID3TagUseful &store, TID3ListItem *track)
{
    const QString path = track->FileName;
    const FileStat st = statFile(path);
    store.DeleteFromCache(path);
    return store.FindOrRead(path, st.dosDate, st.size);
}

TID3ListItem *lookUpAgain(TID3TagUseful &store, TID3ListItem *track)
{
    const QString path = track->FileName;
    const FileStat st = statFile(path);
    if (!store.FindTrack(path))
        return track; // a record outside the library (the command line's own)
    return store.FindOrRead(path, st.dosDate, st.size);
}

QString pictureMimeFromContent(QByteArrayView head)
{
    if (head.startsWith("\xFF\xD8\xFF"))
        return QStringLiteral("image/jpeg");
    if (head.startsWith("\x89PNG\r\n\x1A\n"))
        return QStringLiteral("image/png");
    if (head.startsWith("BM") && head.size() >= 14)
        return QStringLiteral("image/bmp");
    if (head.startsWith("GIF87a") || head.startsWith("GIF89a"))
        return QStringLiteral("image/gif");
    return {};
}

QString pictureMimeOfFile(const QString &path)
{
    FileReader f;
    if (!f.open(path))
        return {};
    return pictureMimeFromContent(f.readAt(0, 16));
}

} // namespace vireo::editing
