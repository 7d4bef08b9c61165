#include "core/library/LibraryFiles.h"

#include <QFile>

namespace vireo {

Result readSmallFile(const QString &path, QByteArray &out)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return Result::failure(path + QStringLiteral(": ") + f.errorString());
    out = f.readAll();
    if (f.error() != QFileDevice::NoError)
        return Result::failure(path + QStringLiteral(": ") + f.errorString());
    return Result::success();
}

} // namespace vireo
