// vireo-cli textfix scan [--json]: the garbled tag texts of the library of the
// program folder, judged from the caches (no MP3 file is opened), one line per
// suspect field. vireo-cli textfix apply [--min-confidence C] [FILE...]: writes
// the repairs that reach the confidence (0.8 unless given) back to the files
// (all suspects of the library, or those of the files named) and refreshes
// the caches.
#include "cli/editing/EditingCli.h"
#include "core/editing/UndoJournal.h"
#include "cli/LibrarySession.h"
#include "cli/commands.h"

#include "core/formats/ID3v1.h"
#include "core/formats/ID3v2.h"
#include "core/library/TrackRecord.h"
#include "core/library/TrackTags.h"
#include "core/platform/FileAccess.h"
#include "core/platform/InstanceLock.h"
#include "core/platform/Paths.h"
#include "core/textfix/TextfixApply.h"
#include "core/textfix/TextfixScan.h"

#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>
#include <memory>

using namespace vireo;
using namespace vireo::textfix;

namespace {

constexpr double kDefaultMinConfidence = 0.8;

void print(const QString &line)
{
    const QByteArray b = line.toUtf8();
    std::fwrite(b.constData(), 1, size_t(b.size()), stdout);
    std::fputc('\n', stdout);
}

QString oneLine(QString s)
{
    s.replace(u'\\', QStringLiteral("\\\\")).replace(u'\t', QStringLiteral("\\t")).replace(u'\n', QStringLiteral("\\n"))
        .replace(u'\r', QStringLiteral("\\r")).replace(QChar(0), QStringLiteral("\\0"));
    return s;
}

QString declaredName(Declared d)
{
    switch (d) {
    case Declared::Id3v1: return QStringLiteral("id3v1");
    case Declared::Id3v2Latin1: return QStringLiteral("latin1");
    case Declared::Id3v2Utf16: return QStringLiteral("utf16");
    case Declared::Id3v2Utf16BE: return QStringLiteral("utf16be");
    case Declared::Id3v2Utf8: return QStringLiteral("utf8");
    }
    return {};
}

void printSuspect(const Suspect &s, bool json)
{
    const Detection &d = s.detection;
    if (json) {
        QJsonObject o{{QStringLiteral("file"), s.file},
                      {QStringLiteral("field"), fieldName(s.field)},
                      {QStringLiteral("declared"), declaredName(s.stored.declared)},
                      {QStringLiteral("current"), d.current},
                      {QStringLiteral("proposed"), d.proposed},
                      {QStringLiteral("verdict"), verdictName(d.verdict)},
                      {QStringLiteral("believed"), QString::fromLatin1(d.believed)},
                      {QStringLiteral("confidence"), qRound(d.confidence * 100) / 100.0},
                      {QStringLiteral("reason"), d.reason}};
        if (!d.misread.isEmpty())
            o.insert(QStringLiteral("misread"), QString::fromLatin1(d.misread));
        print(QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Compact)));
        return;
    }
    print(QStringList{oneLine(s.file), fieldName(s.field), declaredName(s.stored.declared), oneLine(d.current),
                      oneLine(d.proposed), verdictName(d.verdict), QString::fromLatin1(d.believed),
                      QString::number(d.confidence, 'f', 2)}
              .join(u'\t'));
}

// A file outside the library is judged from its own tags.
std::unique_ptr<TID3ListItem> readTrack(const QString &path)
{
    const FileStat st = statFile(path);
    if (!st.exists || st.isDir)
        return nullptr;
    auto t = std::make_unique<TID3ListItem>(path, st.dosDate);
    readTrackTags(*t);
    return t;
}

int scan(const QStringList &args)
{
    bool json = false;
    for (const QString &a : args) {
        if (a == u"--json")
            json = true;
        else {
            cliError(QStringLiteral("unknown option \"%1\"; usage: vireo-cli textfix scan [--json]").arg(a));
            return 2;
        }
    }
    LibrarySession session;
    const ScanReport report = scanLibrary(session.store());
    for (const Suspect &s : report.suspects)
        printSuspect(s, json);
    std::fprintf(stderr, "%lld tracks, %lld fields, %lld suspects\n", qlonglong(report.tracks),
                 qlonglong(report.fields), qlonglong(report.suspects.size()));
    return 0;
}

int apply(const QStringList &args)
{
    double minConfidence = kDefaultMinConfidence;
    QStringList files;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &a = args[i];
        if (a == u"--min-confidence") {
            bool ok = false;
            minConfidence = i + 1 < args.size() ? args[++i].toDouble(&ok) : 0;
            if (!ok || minConfidence < 0 || minConfidence > 1) {
                cliError(QStringLiteral("--min-confidence needs a number from 0 to 1"));
                return 2;
            }
        } else if (a.startsWith(u"--")) {
            cliError(QStringLiteral("unknown option \"%1\"; usage: vireo-cli textfix apply [--min-confidence C] [FILE...]").arg(a));
            return 2;
        } else {
            files.append(QFileInfo(a).absoluteFilePath());
        }
    }
    {
        // A running window owns the library: its records and caches would not
        // follow files rewritten under it, so nothing is written then.
        ResultOf<InstanceLock> lock = InstanceLock::acquire(programFolder());
        if (!lock) {
            cliError(lock.message() + QStringLiteral(" (no file was changed)"));
            return 1;
        }
    }
    LibrarySession session;
    TID3TagUseful &store = session.store();
    ScanReport report;
    std::vector<std::unique_ptr<TID3ListItem>> outside;
    if (files.isEmpty()) {
        report = scanLibrary(store);
    } else {
        QList<const TID3ListItem *> tracks;
        for (const QString &f : files) {
            if (const TID3ListItem *t = store.FindTrack(f)) {
                tracks.append(t);
            } else if (auto t = readTrack(f)) {
                tracks.append(t.get());
                outside.push_back(std::move(t));
            } else {
                cliError(QStringLiteral("%1: no such file").arg(f));
                return 1;
            }
        }
        report = scanTracks(tracks);
    }
    const QList<Suspect> chosen = selectForApply(report.suspects, minConfidence);
    // One save that `vireo-cli undo` takes back.
    vireo::editing::UndoJournal journal;
    SaveProgressLine line(QStringLiteral("textfix apply"));
    const ApplyReport done = applyRepairs(
        chosen, &store, [&line](qsizetype i, qsizetype all) { line.update(i, all); }, &journal);
    line.clear();
    if (!done.journalError.isEmpty())
        cliError(done.journalError);
    for (const FileOutcome &o : done.files) {
        for (const QString &n : o.notes)
            print(QStringLiteral("%1: %2").arg(o.file, n));
        if (!o.ok)
            cliError(o.error);
        else
            print(QStringLiteral("%1: %2 field(s) repaired").arg(o.file).arg(o.fieldsWritten));
    }
    std::fprintf(stderr, "%lld suspects, %lld chosen (confidence >= %.2f), %d fields written, %d files failed\n",
                 qlonglong(report.suspects.size()), qlonglong(chosen.size()), minConfidence, done.fieldsWritten,
                 done.filesFailed);
    const bool saved = session.finish();
    return done.filesFailed || !saved ? 1 : 0;
}

} // namespace

int cmdTextfix(const QStringList &args)
{
    if (!args.isEmpty() && args[0] == u"scan")
        return scan(args.mid(1));
    if (!args.isEmpty() && args[0] == u"apply")
        return apply(args.mid(1));
    std::fputs("usage: vireo-cli textfix scan [--json]\n"
               "       vireo-cli textfix apply [--min-confidence C] [FILE...]\n",
               stderr);
    return 2;
}

static const CommandRegistration reg{"textfix", cmdTextfix, "textfix scan [--json] | apply [--min-confidence C] [FILE...]"};
