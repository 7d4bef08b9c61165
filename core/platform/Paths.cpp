#include "core/platform/Paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMutex>
#include <QStandardPaths>

namespace vireo {

QString extractFilePath(QStringView path)
{
    const qsizetype i = path.lastIndexOf(u'/');
    return i < 0 ? QString() : path.left(i + 1).toString();
}

QString extractFileDir(QStringView path)
{
    const qsizetype i = path.lastIndexOf(u'/');
    if (i < 0)
        return QString();
    if (i == 0)
        return QStringLiteral("/");
    return path.left(i).toString();
}

QString extractFileName(QStringView path)
{
    return path.mid(path.lastIndexOf(u'/') + 1).toString();
}

QString extractFileExt(QStringView path)
{
    const qsizetype slash = path.lastIndexOf(u'/');
    const qsizetype dot = path.lastIndexOf(u'.');
    return dot > slash ? path.mid(dot).toString() : QString();
}

QString changeFileExt(QStringView path, QStringView ext)
{
    const qsizetype slash = path.lastIndexOf(u'/');
    const qsizetype dot = path.lastIndexOf(u'.');
    const QStringView stem = dot > slash ? path.left(dot) : path;
    return stem.toString() + ext.toString();
}

QString includeTrailingSlash(QStringView folder)
{
    return folder.endsWith(u'/') ? folder.toString() : folder.toString() + u'/';
}

QString excludeTrailingSlash(QStringView folder)
{
    if (folder.size() > 1 && folder.endsWith(u'/'))
        return folder.chopped(1).toString();
    return folder.toString();
}

namespace {
QMutex g_folderMutex;
QString g_folder;
}

void setProgramFolder(const QString &folder)
{
    QMutexLocker lock(&g_folderMutex);
    g_folder = folder.isEmpty() ? QString() : includeTrailingSlash(folder);
}

QString programFolder()
{
    QMutexLocker lock(&g_folderMutex);
    if (!g_folder.isEmpty())
        return g_folder;
    QString folder;
    const QByteArray home = qgetenv("VIREO_HOME");
    if (!home.isEmpty()) {
        folder = QDir(QString::fromLocal8Bit(home)).absolutePath();
    } else {
        const QString exeDir = QCoreApplication::instance()
            ? QCoreApplication::applicationDirPath() : QString();
        if (!exeDir.isEmpty() && QFileInfo::exists(exeDir + QStringLiteral("/vireo.ini"))) {
            folder = exeDir;
        } else {
            QString config = QString::fromLocal8Bit(qgetenv("XDG_CONFIG_HOME"));
            if (config.isEmpty())
                config = QDir::homePath() + QStringLiteral("/.config");
            folder = config + QStringLiteral("/vireo");
        }
    }
    g_folder = includeTrailingSlash(folder);
    return g_folder;
}

void makeProgramFolderFor(const QString &path)
{
    const QString folder = programFolder();
    if (extractFilePath(path) == folder && !QFileInfo::exists(folder))
        QDir().mkpath(folder);
}

QString programPath(QStringView ext)
{
    return programFolder() + QStringLiteral("vireo") + ext.toString();
}

} // namespace vireo
