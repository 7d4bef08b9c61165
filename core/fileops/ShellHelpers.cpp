#include "core/fileops/ShellHelpers.h"

#include "core/fileops/FileOpsTexts.h"
#include "core/platform/FileAccess.h"
#include "core/platform/Trash.h"

#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

namespace vireo {

int64_t FileSizeOf(const QString &path)
{
    const FileStat st = statFile(path);
    return st.exists && !st.isDir ? st.size : 0;
}

QByteArray UriListBytes(const QStringList &paths)
{
    QByteArray out;
    for (const QString &path : paths)
        out += QUrl::fromLocalFile(path).toEncoded() + "\r\n";
    return out;
}

QByteArray GnomeCopiedFilesBytes(const QStringList &paths)
{
    QByteArray out("copy");
    for (const QString &path : paths)
        out += '\n' + QUrl::fromLocalFile(path).toEncoded();
    return out;
}

QString PlainTextPaths(const QStringList &paths) { return paths.join(u'\n'); }

QMimeData *MakeFileMimeData(const QStringList &paths)
{
    auto *data = new QMimeData;
    QList<QUrl> urls;
    urls.reserve(paths.size());
    for (const QString &path : paths)
        urls << QUrl::fromLocalFile(path);
    data->setUrls(urls); // text/uri-list
    data->setData(QStringLiteral("x-special/gnome-copied-files"), GnomeCopiedFilesBytes(paths));
    data->setText(PlainTextPaths(paths));
    return data;
}

QStringList LocalPathsOf(const QMimeData *data)
{
    QStringList out;
    if (!data || !data->hasUrls())
        return out;
    for (const QUrl &url : data->urls()) {
        if (url.isLocalFile())
            out << url.toLocalFile();
    }
    return out;
}

QString DeleteQuestion(const QString &fileNameCell, const QString &titleCell)
{
    return QStringLiteral("ファイル名 \"") + fileNameCell + QStringLiteral("\"\n")
        + QStringLiteral("タイトル \"") + titleCell + QStringLiteral("\"を削除しますか？");
}

QString TrashReport::refusedMessage() const
{
    QString text = fileops::texts::trashRefusedHead();
    for (const auto &[path, cause] : refused)
        text += u'\n' + cause;
    return text;
}

TrashReport TrashFiles(const QStringList &paths, const TrashFunction &trash)
{
    TrashReport report;
    for (const QString &path : paths) {
        const Result r = trash ? trash(path) : MoveToTrash(path);
        if (r.ok())
            report.trashed << path;
        else if (r.code() == ErrorCode::NotFound && !QFileInfo::exists(path) && !QFileInfo(path).isSymLink())
            report.vanished << path;
        else
            report.refused.append(std::make_pair(path, r.message().isEmpty() ? path : r.message()));
    }
    return report;
}

} // namespace vireo
