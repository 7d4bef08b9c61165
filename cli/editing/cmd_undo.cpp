// vireo-cli undo [--list] [--json]: takes back the last save of the tag
// editors (restoring each file's tags byte for byte), or lists the saves the
// journal holds, newest first.
#include "cli/LibrarySession.h"
#include "cli/commands.h"

#include "core/editing/SaveBatch.h"
#include "core/editing/UndoJournal.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>

using namespace vireo::editing;

namespace {

int cmdUndo(const QStringList &args)
{
    bool list = false, json = false;
    for (const QString &a : args) {
        if (a == u"--list")
            list = true;
        else if (a == u"--json")
            json = true;
        else {
            std::fputs("usage: vireo-cli undo [--list] [--json]\n", stderr);
            return 2;
        }
    }
    UndoJournal journal;
    if (list) {
        const QList<UndoEntryInfo> entries = journal.list();
        if (json) {
            QJsonArray a;
            for (const UndoEntryInfo &e : entries)
                a.append(QJsonObject{{QStringLiteral("id"), e.id},
                                     {QStringLiteral("time"), e.time.toString(Qt::ISODate)},
                                     {QStringLiteral("description"), e.description},
                                     {QStringLiteral("files"), e.files},
                                     {QStringLiteral("bytes"), double(e.bytes)}});
            std::fputs(QJsonDocument(a).toJson(QJsonDocument::Compact).constData(), stdout);
            std::fputs("\n", stdout);
        } else {
            for (const UndoEntryInfo &e : entries)
                std::printf("%s\t%s\t%d\t%s\n", e.id.toUtf8().constData(),
                            e.time.toString(Qt::ISODate).toUtf8().constData(), e.files,
                            e.description.toUtf8().constData());
        }
        return 0;
    }
    LibrarySession session;
    const UndoOutcome out = undoLastSave(session.store(), journal);
    if (!out.hadEntry) {
        cliError(QStringLiteral("nothing to undo"));
        return 1;
    }
    if (json) {
        QJsonObject o{{QStringLiteral("description"), out.description},
                      {QStringLiteral("restored"), QJsonArray::fromStringList(out.restored)},
                      {QStringLiteral("changedSince"), QJsonArray::fromStringList(out.changedSince)},
                      {QStringLiteral("failed"), QJsonArray::fromStringList(out.failed)}};
        std::fputs(QJsonDocument(o).toJson(QJsonDocument::Compact).constData(), stdout);
        std::fputs("\n", stdout);
    } else {
        std::printf("undone: %s\n%lld files restored\n", out.description.toUtf8().constData(),
                    static_cast<long long>(out.restored.size()));
        for (const QString &p : out.changedSince)
            std::fprintf(stderr, "vireo-cli undo: %s: changed by another program since the save; left alone\n",
                         p.toUtf8().constData());
        for (const QString &p : out.failed)
            std::fprintf(stderr, "vireo-cli undo: %s\n", p.toUtf8().constData());
    }
    const bool finished = session.finish();
    return out.changedSince.isEmpty() && out.failed.isEmpty() && finished ? 0 : 1;
}

const CommandRegistration reg{"undo", cmdUndo, "undo [--list] [--json]"};

} // namespace
