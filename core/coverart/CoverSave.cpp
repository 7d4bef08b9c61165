#include "core/coverart/CoverSave.h"

#include "core/platform/FileAccess.h"

#include <QFileInfo>

namespace vireo::coverart {

Result savePicture(const QByteArray &data, const QString &path)
{
    if (data.isEmpty())
        return Result::failure(ErrorCode::InvalidArgument, QStringLiteral("%1: no picture to save").arg(path));
    const QFileInfo info(path);
    if (info.isDir())
        return Result::failure(ErrorCode::InvalidArgument, QStringLiteral("%1 is a folder").arg(path));
    return writeFileAtomically(path, data);
}

bool saveNeedsConfirmation(const QString &path)
{
    return QFileInfo::exists(path);
}

} // namespace vireo::coverart
