#include "core/fileops/OrderedCopy.h"

#include "core/fileops/FileOpsTexts.h"
#include "core/platform/FileCopy.h"
#include "core/platform/Paths.h"

#include <QFileInfo>

namespace vireo {

Result CheckCopyDestination(const QString &destination)
{
    if (destination.trimmed().isEmpty())
        return Result::failure(ErrorCode::InvalidArgument, fileops::texts::noDestination());
    if (!QFileInfo(destination).isDir())
        return Result::failure(ErrorCode::NotFound,
                               fileops::texts::destinationMissing() + destination);
    return Result::success();
}

QString CopyTargetPath(const QString &destination, const QString &source)
{
    return includeTrailingSlash(destination) + extractFileName(source);
}

bool FatRejectsName(QStringView name)
{
    if (name.isEmpty())
        return true;
    for (QChar c : name) {
        if (c.unicode() < 0x20)
            return true;
        switch (c.unicode()) {
        case '?': case ':': case '*': case '"': case '<': case '>': case '|': case '\\':
            return true;
        default:
            break;
        }
    }
    const QChar last = name.back();
    return last == u'.' || last == u' ';
}

QList<int> FindUnwritableNames(const QStringList &sources, FileSystemKind destinationKind)
{
    QList<int> out;
    if (!restrictsFatNames(destinationKind))
        return out;
    for (int i = 0; i < sources.size(); ++i) {
        if (FatRejectsName(extractFileName(sources[i])))
            out << i;
    }
    return out;
}

QString UnwritableNamesMessage(const QStringList &sources, const QList<int> &positions)
{
    QString text = fileops::texts::badNamesHead();
    for (int i : positions)
        text += u'\n' + extractFileName(sources.value(i));
    return text;
}

OrderedCopy::OrderedCopy(QString destination, QStringList sources, QList<int> skip)
    : m_destination(std::move(destination)), m_sources(std::move(sources)), m_skip(std::move(skip))
{
}

CopySummary OrderedCopy::run(const RowDone &rowDone)
{
    CopySummary summary;
    FileCopyOptions options;
    options.cancel = &m_cancel;
    options.sync = m_sync;
    for (int i = 0; i < m_sources.size(); ++i) {
        if (m_cancel.load()) {
            summary.cancelled = true;
            break;
        }
        const QString &source = m_sources[i];
        const QString target = CopyTargetPath(m_destination, source);
        Result result;
        if (m_skip.contains(i)) {
            result = Result::failure(ErrorCode::InvalidArgument,
                                     target + QStringLiteral(": the destination cannot hold this name"));
            ++summary.skipped;
        } else {
            result = CopyFileSafely(source, target, options);
        }
        if (result.code() == ErrorCode::Cancelled) {
            summary.cancelled = true;
            if (rowDone)
                rowDone(i, target, result);
            break;
        }
        if (result.ok()) {
            ++summary.copied;
            summary.bytesCopied += QFileInfo(target).size();
        } else {
            ++summary.failed;
        }
        if (rowDone)
            rowDone(i, target, result);
    }
    return summary;
}

} // namespace vireo
