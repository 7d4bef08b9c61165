// vireo-cli copy [--json] [--force] [--no-sync] --to DIR FILE...: copies the
// files to DIR in the order given, as the copy tab's "コピー開始" does: the
// planned size against the drive's free space first, names the destination
// cannot hold listed up front and left out, an existing target never
// replaced, each file complete or absent. --no-sync leaves flushing the data
// to the device to the system (for scripts that sync the file system once
// themselves; a crash may then leave a named file with missing data).
#include "cli/LibrarySession.h"
#include "cli/ProgressLine.h"
#include "cli/commands.h"

#include "core/fileops/AdvancedFileCopy.h"
#include "core/fileops/OrderedCopy.h"
#include "core/fileops/ShellHelpers.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>

namespace {

void out(const QString &line)
{
    std::fputs(line.toUtf8().constData(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

QString json(const QJsonObject &o) { return QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Compact)); }

} // namespace

int cmdCopy(const QStringList &args)
{
    using namespace vireo;
    bool asJson = false;
    bool force = false;
    bool sync = true;
    bool haveTo = false;
    QString destination;
    QStringList files;
    for (int i = 0; i < args.size(); ++i) {
        const QString &a = args[i];
        if (files.isEmpty() && a == QLatin1String("--json")) {
            asJson = true;
        } else if (files.isEmpty() && a == QLatin1String("--force")) {
            force = true;
        } else if (files.isEmpty() && a == QLatin1String("--no-sync")) {
            sync = false;
        } else if (files.isEmpty() && a == QLatin1String("--to") && i + 1 < args.size()) {
            destination = args[++i];
            haveTo = true;
        } else if (files.isEmpty() && a.startsWith(QLatin1String("--to="))) {
            destination = a.mid(5);
            haveTo = true;
        } else {
            files << a;
        }
    }
    if (!haveTo || files.isEmpty()) {
        cliError(QStringLiteral("usage: vireo-cli copy [--json] [--force] [--no-sync] --to DIR FILE..."));
        return 2;
    }
    if (Result r = CheckCopyDestination(destination); !r) {
        cliError(r.message());
        return 2;
    }

    TAdvancedFileCopy planner;
    (void)planner.SetDestination(destination);
    for (const QString &file : files)
        planner.AddPlanned(FileSizeOf(file));
    const CopySpaceView space = planner.ShowCopySpace();
    if (asJson)
        out(json({{"planned", double(planner.Planned())}, {"free", double(planner.DriveFree())},
                  {"total", double(planner.DriveTotal())}, {"text", space.text}}));
    else
        out(QStringLiteral("space: ") + space.text);
    if (planner.ExceedsFreeSpace() && !force) {
        cliError(QStringLiteral("the files need more space than the destination has free (use --force to copy anyway)"));
        return 1;
    }

    const QList<int> bad = FindUnwritableNames(files, fileSystemKindOf(destination));
    if (!bad.isEmpty())
        cliError(UnwritableNamesMessage(files, bad));

    OrderedCopy copy(destination, files, bad);
    copy.setSync(sync);
    // On a terminal the line below the results counts files and bytes.
    ProgressLine line;
    int64_t bytesDone = 0;
    const auto showProgress = [&](int done) {
        line.update(QStringLiteral("copy"), done, files.size(),
                    formatMegabytes(bytesDone, true) + QStringLiteral(" / ")
                        + formatMegabytes(planner.Planned(), true));
    };
    showProgress(0);
    const CopySummary summary = copy.run([&](int i, const QString &target, const Result &r) {
        line.clear();
        if (r.ok())
            bytesDone += FileSizeOf(target);
        if (asJson) {
            QJsonObject o{{"source", files[i]}, {"target", target}, {"ok", r.ok()}};
            if (!r.ok())
                o.insert("error", r.message());
            out(json(o));
        } else if (r.ok()) {
            out(QStringLiteral("copied ") + files[i] + QStringLiteral(" -> ") + target);
        } else {
            out(QStringLiteral("failed ") + files[i] + QStringLiteral(": ") + r.message());
        }
        showProgress(i + 1);
    });
    line.clear();
    if (asJson)
        out(json({{"copied", summary.copied}, {"failed", summary.failed}, {"skipped", summary.skipped},
                  {"bytes", double(summary.bytesCopied)}}));
    else
        out(QStringLiteral("%1 copied, %2 failed (%3 skipped), %4 bytes")
                .arg(summary.copied)
                .arg(summary.failed)
                .arg(summary.skipped)
                .arg(summary.bytesCopied));
    return summary.failed == 0 ? 0 : 1;
}

static const CommandRegistration reg{"copy", cmdCopy, "copy [--json] [--force] [--no-sync] --to DIR FILE..."};
