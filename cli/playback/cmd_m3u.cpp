// vireo-cli m3u show FILE [--json] | m3u write OUT [--unicode|--plain] PATH...
// "show" resolves every entry against the playlist's folder and marks the
// entries whose file is missing ("\t(missing)" after the path; "missing" in JSON).
#include "cli/LibrarySession.h"
#include "cli/commands.h"
#include "cli/playback/CliOut.h"
#include "core/platform/FileAccess.h"
#include "core/playlists/M3UFile.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

bool isMissing(const QString &path)
{
    const vireo::FileStat st = path.isEmpty() ? vireo::FileStat{} : vireo::statFile(path);
    return !st.exists || st.isDir;
}

int m3uShow(const QStringList &args)
{
    QString file;
    bool json = false;
    for (const QString &a : args) {
        if (a == QLatin1String("--json"))
            json = true;
        else if (file.isEmpty())
            file = a;
        else
            return 2;
    }
    if (file.isEmpty())
        return 2;
    const QString path = QFileInfo(file).absoluteFilePath();
    auto m3u = vireo::TM3UFile::Create(path);
    if (!m3u) {
        cliError(m3u.message());
        return 1;
    }
    const QStringList &entries = m3u->Entries();
    if (json) {
        QJsonArray arr;
        for (const QString &e : entries) {
            QJsonObject o;
            const QString resolved = vireo::resolveM3UEntry(path, e);
            o[QStringLiteral("entry")] = e;
            o[QStringLiteral("path")] = resolved;
            o[QStringLiteral("missing")] = isMissing(resolved);
            arr.append(o);
        }
        QJsonObject root;
        root[QStringLiteral("file")] = path;
        root[QStringLiteral("entries")] = arr;
        cliPrint(QString::fromUtf8(QJsonDocument(root).toJson(QJsonDocument::Indented)).trimmed());
    } else {
        for (const QString &e : entries) {
            const QString resolved = vireo::resolveM3UEntry(path, e);
            cliPrint(isMissing(resolved) ? resolved + QStringLiteral("\t(missing)") : resolved);
        }
    }
    return 0;
}

int m3uWrite(const QStringList &args)
{
    if (args.isEmpty())
        return 2;
    const QString out = args.first();
    bool unicode = false;
    QStringList paths;
    for (qsizetype i = 1; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--unicode"))
            unicode = true;
        else if (args[i] == QLatin1String("--plain"))
            unicode = false;
        else
            paths << args[i];
    }
    vireo::Result r = unicode ? vireo::TM3UFile(out, paths).Save()
                              : vireo::writePlainPlaylist(out, paths);
    if (!r) {
        cliError(r.message());
        return 1;
    }
    return 0;
}

} // namespace

int cmdM3u(const QStringList &args)
{
    const QString usage =
        QStringLiteral("usage: vireo-cli m3u show FILE [--json] | m3u write OUT [--unicode|--plain] PATH...");
    int rc = 2;
    if (!args.isEmpty() && args.first() == QLatin1String("show"))
        rc = m3uShow(args.mid(1));
    else if (!args.isEmpty() && args.first() == QLatin1String("write"))
        rc = m3uWrite(args.mid(1));
    if (rc == 2)
        cliError(usage);
    return rc;
}

static const CommandRegistration reg{"m3u", cmdM3u, "m3u show FILE [--json] | m3u write OUT [--unicode|--plain] PATH..."};
