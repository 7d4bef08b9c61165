#include "core/platform/Trash.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <cstdio>

namespace vireo {

namespace {

// Qt's trash falls back to the current folder when it cannot make the home
// Trash (for example when $XDG_DATA_HOME does not exist yet): the file would
// end up in "./files/". The home Trash is therefore made first, as the
// freedesktop.org rules ask ("$XDG_DATA_HOME/Trash", created when missing).
void ensureHomeTrash()
{
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (data.isEmpty())
        return;
    const QString trash = data + QStringLiteral("/Trash");
    if (QFileInfo(trash).isDir())
        return;
    QDir().mkpath(data);
    if (QDir().mkdir(trash))
        QFile::setPermissions(trash, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

// A place a trash implementation may use: ".../files/<name>" beside ".../info".
bool looksTrashed(const QString &location)
{
    const QFileInfo info(location);
    if (!info.isAbsolute())
        return false;
    const QDir files = info.dir();
    return files.dirName() == QStringLiteral("files")
        && QFileInfo(files.absolutePath() + QStringLiteral("/../info")).isDir();
}

} // namespace

Result MoveToTrash(const QString &path, QString *trashedAs)
{
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return Result::failure(ErrorCode::NotFound, path + QStringLiteral(": no such file"));
    ensureHomeTrash();
    QFile file(path);
    // QFile::moveToTrash renames into a trash folder on the file's own file
    // system and fails (leaving the file) when there is none it may use.
    if (!file.moveToTrash()) {
        QString cause = file.errorString();
        if (cause.isEmpty())
            cause = QStringLiteral("the Trash refused the file");
        return Result::failure(ErrorCode::Failed,
                               path + QStringLiteral(": cannot move to the Trash (") + cause + u')');
    }
    const QString location = file.fileName();
    if (!looksTrashed(location)) {
        // Not a trash folder after all: put the file back where it was.
        const bool back = std::rename(QFile::encodeName(location).constData(),
                                      QFile::encodeName(path).constData())
            == 0;
        return Result::failure(ErrorCode::Failed,
                               path + QStringLiteral(": no usable Trash folder")
                                   + (back ? QString() : QStringLiteral("; the file is now at ") + location));
    }
    if (trashedAs)
        *trashedAs = location;
    return Result::success();
}

} // namespace vireo
