// vireo-cli bulk FILE... [--artist A] [--album B] [--year Y] [--genre G]
// [--number-from N] [--encoding ANSI|Unicode|UTF-8] [--v1] [--v2]: the bulk
// tag editor without its window. The files are taken into the library of the
// program folder; the fields given are ticked, every other box unticked; the
// tags written are those the files have (or --v1/--v2); --number-from numbers
// the files in the order given. The save can be taken back with `undo`.
#include "cli/LibrarySession.h"
#include "cli/commands.h"
#include "cli/editing/EditingCli.h"

#include "core/editing/BulkEditModel.h"
#include "core/editing/UndoJournal.h"
#include "core/platform/FileAccess.h"

#include <QFileInfo>

#include <cstdio>

using namespace vireo::editing;

namespace {

int usage()
{
    std::fputs("usage: vireo-cli bulk FILE... [--artist A] [--album B] [--year Y] [--genre G] [--number-from N]"
               " [--encoding ANSI|Unicode|UTF-8] [--v1] [--v2] [--no-undo]\n",
               stderr);
    return 2;
}

int cmdBulk(const QStringList &args)
{
    QStringList files;
    QHash<QString, QString> values;
    bool forceV1 = false, forceV2 = false, keepUndo = true;
    const QStringList valued = {QStringLiteral("--artist"), QStringLiteral("--album"), QStringLiteral("--year"),
                                QStringLiteral("--genre"), QStringLiteral("--number-from"),
                                QStringLiteral("--encoding")};
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &a = args[i];
        if (valued.contains(a)) {
            if (i + 1 >= args.size())
                return usage();
            values.insert(a, args[++i]);
        } else if (a == u"--v1") {
            forceV1 = true;
        } else if (a == u"--v2") {
            forceV2 = true;
        } else if (a == u"--no-undo") {
            keepUndo = false; // for timing runs
        } else if (a.startsWith(u"--")) {
            cliError(QStringLiteral("unknown option %1").arg(a));
            return usage();
        } else {
            files.append(QFileInfo(a).absoluteFilePath()); // the library keys files by full path
        }
    }
    if (files.isEmpty() || values.isEmpty() || (values.size() == 1 && values.contains(QStringLiteral("--encoding"))))
        return usage();
    int numberFrom = 0;
    if (values.contains(QStringLiteral("--number-from"))) {
        bool ok = false;
        numberFrom = values.value(QStringLiteral("--number-from")).toInt(&ok);
        if (!ok || numberFrom < 1) {
            cliError(QStringLiteral("--number-from needs a number of 1 or more"));
            return 2;
        }
    }
    int encoding = -1;
    if (values.contains(QStringLiteral("--encoding"))) {
        encoding = int(BulkEditModel::encodingEntries().indexOf(values.value(QStringLiteral("--encoding"))));
        if (encoding < 0) {
            cliError(QStringLiteral("--encoding is ANSI, Unicode or UTF-8"));
            return 2;
        }
    }
    for (const QString &f : files) {
        const vireo::FileStat st = vireo::statFile(f);
        if (!st.exists || st.isDir) {
            cliError(QStringLiteral("%1: no such file").arg(f));
            return 1;
        }
    }

    LibrarySession session;
    UndoJournal journal;
    BulkEditModel model(session.store(), keepUndo ? &journal : nullptr);
    for (const QString &f : files) {
        const vireo::FileStat st = vireo::statFile(f);
        model.addTrack(session.store().FindOrRead(f, st.dosDate, st.size));
    }
    model.prepareShow();
    if (forceV1)
        model.v1Enabled = true;
    if (forceV2)
        model.setV2Enabled(true);
    model.encodingIndex = encoding;
    const auto take = [&](const char *option, bool &tick, ComboState &box) {
        tick = values.contains(QLatin1String(option));
        if (tick) {
            box.text = values.value(QLatin1String(option));
            box.selected = int(box.items.indexOf(box.text));
        }
    };
    take("--artist", model.chkArtist, model.artist);
    take("--album", model.chkAlbum, model.album);
    take("--year", model.chkYear, model.year);
    take("--genre", model.chkGenre, model.selGenre);
    model.chkTitle = model.chkComment = false;
    model.chkEncodedBy = model.chkCopyright = model.chkOriginal = model.chkUrl = model.chkComposer = false;
    model.chkTrack = numberFrom > 0;
    if (model.chkTrack) {
        for (int r = 1; r <= model.rowCount(); ++r) {
            const QString n = QString::number(numberFrom + r - 1);
            model.v1Grid[r][BulkEditModel::V1Track] = n;
            model.v2Grid[r][BulkEditModel::V2Track] = n;
        }
    }
    if (!model.v1Enabled && !model.v2Enabled()) {
        cliError(QStringLiteral("the files have no tag; say which to write with --v1 and/or --v2"));
        return 2;
    }
    if (const QString warning = model.checkBeforeSave(); !warning.isEmpty() && encoding < 0) {
        cliError(warning);
        cliError(QStringLiteral("nothing written; choose --encoding Unicode, or --encoding ANSI to accept the loss"));
        return 2;
    }
    SaveProgressLine line(QStringLiteral("bulk"));
    const SaveOutcome out = model.save(line.callback());
    line.clear();
    const int status = reportSave("bulk", out);
    return session.finish() ? status : 1;
}

const CommandRegistration reg{"bulk", cmdBulk,
                              "bulk FILE... [--artist A] [--album B] [--year Y] [--genre G] [--number-from N]"
                              " [--encoding ANSI|Unicode|UTF-8] [--v1] [--v2] [--no-undo]"};

} // namespace
