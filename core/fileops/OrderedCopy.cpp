#include "core/fileops/OrderedCopy.h"

#include "core/fileops/FileOpsTexts.h"
#include "core/platform/FileCopy.h"
#include "core/platform/Paths.h"

#include <QFileInfo>

#include <utility>
#include <vector>

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

namespace {

// A group of copied files whose data the device writes together: one sync
// pass (the first fsync commits the journal for all of them) and one sync of
// the folder serve the whole group.
constexpr int64_t GroupBytes = int64_t(64) << 20;
constexpr int GroupFiles = 32;

} // namespace

CopySummary OrderedCopy::run(const RowDone &rowDone)
{
    CopySummary summary;
    FileCopyOptions options;
    options.cancel = &m_cancel;
    options.sync = m_sync;
    // Complete copies under temporary names, waiting for their sync and rename.
    std::vector<std::pair<int, PendingCopy>> pending;
    int64_t pendingBytes = 0;
    auto report = [&](int i, const QString &target, const Result &r) {
        if (r.ok())
            ++summary.copied;
        else if (r.code() != ErrorCode::Cancelled)
            ++summary.failed;
        if (rowDone)
            rowDone(i, target, r);
    };
    // Rows are reported in list order: a group is finished before any later
    // row's outcome is told.
    auto finishGroup = [&] {
        for (auto &[i, copy] : pending) {
            const int64_t size = copy.size();
            const QString target = copy.target();
            const Result r = FinishCopy(copy, m_sync);
            if (r.ok())
                summary.bytesCopied += size;
            report(i, target, r);
        }
        if (!pending.empty() && m_sync)
            SyncFolder(excludeTrailingSlash(m_destination));
        pending.clear();
        pendingBytes = 0;
    };

    for (int i = 0; i < m_sources.size(); ++i) {
        if (m_cancel.load()) {
            summary.cancelled = true;
            break;
        }
        const QString target = CopyTargetPath(m_destination, m_sources[i]);
        if (m_skip.contains(i)) {
            finishGroup();
            ++summary.skipped;
            report(i, target, Result::failure(ErrorCode::InvalidArgument,
                                              target + QStringLiteral(": the destination cannot hold this name")));
            continue;
        }
        ResultOf<PendingCopy> copy = CopyToTemporary(m_sources[i], target, options);
        if (!copy) {
            // The files before it are complete: they still get their names.
            finishGroup();
            report(i, target, copy.status());
            if (copy.code() == ErrorCode::Cancelled) {
                summary.cancelled = true;
                break;
            }
            continue;
        }
        pendingBytes += copy->size();
        pending.emplace_back(i, std::move(copy.value()));
        if (pendingBytes >= GroupBytes || int(pending.size()) >= GroupFiles)
            finishGroup();
    }
    finishGroup();
    return summary;
}

} // namespace vireo
