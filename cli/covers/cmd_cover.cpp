// vireo-cli cover FILE... [--json] [--v1|--v2]: which cover the cover strip
// finds for each track's album (a picture file or "embedded"), with the
// picture's format and pixel size read from its content. Tracks that cannot
// be read are reported and make the exit status non-zero.
#include "cli/LibrarySession.h"
#include "cli/commands.h"

#include "core/views/TrackCover.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>

using namespace vireo;
using namespace vireo::views;

namespace {

const char *const kUsage = "cover FILE... [--json] [--v1|--v2]";

QString sourceText(const CoverArt &c)
{
    switch (c.kind) {
    case CoverArt::File: return c.path;
    case CoverArt::Embedded: return QStringLiteral("embedded");
    case CoverArt::None: break;
    }
    return QString();
}

QJsonObject toJson(const QString &file, const ResultOf<TrackCover> &r)
{
    QJsonObject o;
    o.insert(QStringLiteral("file"), file);
    if (!r) {
        o.insert(QStringLiteral("error"), r.message());
        return o;
    }
    const TrackCover &t = r.value();
    o.insert(QStringLiteral("album"), t.album);
    if (t.cover.kind == CoverArt::None) {
        o.insert(QStringLiteral("cover"), QJsonValue::Null);
        return o;
    }
    o.insert(QStringLiteral("cover"), sourceText(t.cover));
    if (!t.pictureError.isEmpty()) {
        o.insert(QStringLiteral("picture_error"), t.pictureError);
        return o;
    }
    o.insert(QStringLiteral("mime"), t.picture.mime);
    o.insert(QStringLiteral("width"), t.picture.width);
    o.insert(QStringLiteral("height"), t.picture.height);
    if (t.cover.kind == CoverArt::Embedded)
        o.insert(QStringLiteral("stated_mime"), t.cover.embeddedMime);
    return o;
}

QString toText(const QString &file, const ResultOf<TrackCover> &r)
{
    QString s = file + u'\n';
    if (!r)
        return s + QStringLiteral("  error: ") + r.message() + u'\n';
    const TrackCover &t = r.value();
    s += QStringLiteral("  album: ") + t.album + u'\n';
    if (t.cover.kind == CoverArt::None)
        return s + QStringLiteral("  cover: none\n");
    s += QStringLiteral("  cover: ") + sourceText(t.cover) + u'\n';
    if (!t.pictureError.isEmpty())
        return s + QStringLiteral("  picture error: ") + t.pictureError + u'\n';
    s += QStringLiteral("  picture: %1 %2x%3\n").arg(t.picture.mime).arg(t.picture.width).arg(t.picture.height);
    return s;
}

} // namespace

int cmdCover(const QStringList &args)
{
    bool json = false;
    int preference = -1;
    QStringList files;
    for (const QString &a : args) {
        if (a == QLatin1String("--json"))
            json = true;
        else if (a == QLatin1String("--v1"))
            preference = PreferV1;
        else if (a == QLatin1String("--v2"))
            preference = PreferV2;
        else if (a.startsWith(QLatin1String("--"))) {
            cliError(QStringLiteral("unknown option \"%1\"; usage: vireo-cli %2").arg(a, QLatin1String(kUsage)));
            return 2;
        } else
            files << a;
    }
    if (files.isEmpty()) {
        cliError(QStringLiteral("no file given; usage: vireo-cli ") + QLatin1String(kUsage));
        return 2;
    }
    if (preference < 0) // the library's own choice: ID3v2Main
        preference = LibrarySession::settingBool(QStringLiteral("MP3Param"), QStringLiteral("ID3v2Main"), true)
            ? PreferV2 : PreferV1;
    int status = 0;
    for (const QString &file : files) {
        const ResultOf<TrackCover> r = findTrackCover(file, preference);
        if (!r)
            status = 1;
        const QByteArray out = json
            ? QJsonDocument(toJson(file, r)).toJson(QJsonDocument::Compact) + '\n'
            : toText(file, r).toUtf8();
        std::fwrite(out.constData(), 1, size_t(out.size()), stdout);
    }
    std::fflush(stdout);
    return status;
}

static const CommandRegistration reg{"cover", cmdCover, kUsage};
