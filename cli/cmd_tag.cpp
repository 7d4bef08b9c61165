// vireo-cli tag: writes the given fields into a file's ID3v1 and/or ID3v2 tag
// through the track record's write-back (the present tag is loaded, the given
// fields overwritten, the tag saved), or strips a tag.
#include "cli/commands.h"

#include "core/formats/GenreTable.h"
#include "core/formats/ID3v1.h"
#include "core/formats/ID3v2.h"
#include "core/library/TrackRecord.h"
#include "core/library/TrackTags.h"
#include "core/platform/CodePage.h"
#include "core/platform/FileAccess.h"

#include <QHash>

#include <cstdio>
#include <optional>

using namespace vireo;

namespace {

void complain(const QString &text)
{
    std::fprintf(stderr, "vireo-cli tag: %s\n", text.toUtf8().constData());
}

// Options that take a value, and whether they also apply to the ID3v1 tag.
const char *const valueOptions[] = {"--title", "--artist", "--album", "--year", "--comment", "--track", "--genre",
                                    "--composer", "--encoded-by", "--copyright", "--original-artist", "--url",
                                    "--encoding", "--picture"};
bool v1Field(const QString &o)
{
    return o == u"--title" || o == u"--artist" || o == u"--album" || o == u"--year" || o == u"--comment"
        || o == u"--track" || o == u"--genre";
}

std::optional<int> number(const QString &text, int max)
{
    bool ok = false;
    const int v = text.trimmed().toInt(&ok);
    if (!ok || v < 0 || v > max)
        return std::nullopt;
    return v;
}

QString imageMime(const QString &path, QString &error)
{
    FileReader f;
    if (!f.open(path)) {
        error = QStringLiteral("cannot read the picture %1").arg(path);
        return {};
    }
    const QByteArray head = f.readAt(0, 8);
    if (head.startsWith("\xFF\xD8\xFF"))
        return QStringLiteral("image/jpeg");
    if (head.startsWith("\x89PNG\r\n\x1a\n"))
        return QStringLiteral("image/png");
    error = QStringLiteral("the picture %1 is neither JPEG nor PNG").arg(path);
    return {};
}

} // namespace

int cmdTag(const QStringList &args)
{
    QString file;
    bool v1 = false, v2 = false, stripV1 = false, stripV2 = false;
    QHash<QString, QString> values;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &a = args[i];
        if (a == u"--v1")
            v1 = true;
        else if (a == u"--v2")
            v2 = true;
        else if (a == u"--strip-v1")
            stripV1 = true;
        else if (a == u"--strip-v2")
            stripV2 = true;
        else if (std::any_of(std::begin(valueOptions), std::end(valueOptions), [&](const char *o) { return a == QLatin1String(o); })) {
            if (i + 1 >= args.size()) {
                complain(QStringLiteral("%1 needs a value").arg(a));
                return 2;
            }
            values.insert(a, args[++i]);
        } else if (a.startsWith(u"--")) {
            complain(QStringLiteral("unknown option %1").arg(a));
            return 2;
        } else if (file.isEmpty()) {
            file = a;
        } else {
            complain(QStringLiteral("only one file at a time (%1)").arg(a));
            return 2;
        }
    }
    auto given = [&](const char16_t *o) { return values.contains(QString::fromUtf16(o)); };
    auto value = [&](const char16_t *o) { return values.value(QString::fromUtf16(o)); };
    if (file.isEmpty()) {
        std::fputs("usage: vireo-cli tag FILE [--v1] [--v2] [--title T] ... [--strip-v1] [--strip-v2]\n", stderr);
        return 2;
    }
    if (!values.isEmpty() && !v1 && !v2) {
        complain(QStringLiteral("say which tag to write: --v1 and/or --v2"));
        return 2;
    }
    if ((v1 && stripV1) || (v2 && stripV2)) {
        complain(QStringLiteral("a tag cannot be written and stripped at once"));
        return 2;
    }
    if (!v1 && !v2 && !stripV1 && !stripV2) {
        complain(QStringLiteral("nothing to do"));
        return 2;
    }
    if (v1 && !v2) {
        for (auto it = values.cbegin(); it != values.cend(); ++it)
            if (!v1Field(it.key())) {
                complain(QStringLiteral("%1 applies only to the ID3v2 tag (add --v2)").arg(it.key()));
                return 2;
            }
    }

    // Check every value before anything is written.
    std::optional<int> track, encoding;
    std::optional<uint8_t> v1Genre;
    if (given(u"--track")) {
        track = number(value(u"--track"), v1 ? 255 : 65535);
        if (!track) {
            complain(QStringLiteral("--track needs a number from 0 to %1").arg(v1 ? 255 : 65535));
            return 2;
        }
    }
    if (given(u"--encoding")) {
        encoding = number(value(u"--encoding"), 3);
        if (!encoding || *encoding == 2) {
            complain(QStringLiteral("--encoding is 0 (tag code page), 1 (UTF-16) or 3 (UTF-8)"));
            return 2;
        }
    }
    if (v1 && given(u"--genre")) {
        const QString g = value(u"--genre");
        if (const auto code = number(g, 255))
            v1Genre = uint8_t(*code);
        else if (GenreCode(g) != NoGenre)
            v1Genre = GenreCode(g);
        else {
            complain(QStringLiteral("the ID3v1 genre must be a code from 0 to 255 or one of the genre names (%1)").arg(g));
            return 2;
        }
    }
    QString pictureMime;
    if (given(u"--picture")) {
        QString error;
        pictureMime = imageMime(value(u"--picture"), error);
        if (pictureMime.isEmpty()) {
            complain(error);
            return 1;
        }
    }

    const FileStat st = statFile(file);
    if (const QString problem = pathProblem(file, st); !problem.isEmpty()) {
        complain(QStringLiteral("%1: %2").arg(file, problem));
        return 1;
    }

    TID3ListItem record(file, st.dosDate);
    readTrackTags(record);

    int failures = 0;
    if (stripV2) {
        if (!record.HasV2)
            complain(QStringLiteral("%1 has no ID3v2 tag; nothing stripped").arg(file));
        else if (const Result r = record.RemoveV2FromFile(); !r) {
            complain(QStringLiteral("cannot strip the ID3v2 tag of %1: %2").arg(file, r.message()));
            ++failures;
        }
    }
    if (stripV1) {
        if (!record.HasV1)
            complain(QStringLiteral("%1 has no ID3v1 tag; nothing stripped").arg(file));
        else if (const Result r = record.RemoveV1FromFile(); !r) {
            complain(QStringLiteral("cannot strip the ID3v1 tag of %1: %2").arg(file, r.message()));
            ++failures;
        }
    }


    if (v2) {
        TID3v2Record &r = record.V2;
        if (!record.HasV2)
            r.TextEncoding = 1; // a new tag holds any text
        if (given(u"--title")) r.Title = value(u"--title");
        if (given(u"--artist")) r.Artist = value(u"--artist");
        if (given(u"--album")) r.Album = value(u"--album");
        if (given(u"--year")) r.Year = value(u"--year");
        if (given(u"--comment")) r.Comment = value(u"--comment");
        if (track) r.TrackNumber = uint16_t(*track);
        if (given(u"--genre")) r.Genre = value(u"--genre");
        if (given(u"--composer")) r.Composer = value(u"--composer");
        if (given(u"--encoded-by")) r.EncodedBy = value(u"--encoded-by");
        if (given(u"--copyright")) r.Copyright = value(u"--copyright");
        if (given(u"--original-artist")) r.OriginalArtist = value(u"--original-artist");
        if (given(u"--url")) r.Url = value(u"--url");
        if (encoding) r.TextEncoding = uint16_t(*encoding);
        if (!pictureMime.isEmpty()) {
            r.PictureSourceFile = value(u"--picture");
            r.PictureMimeType = pictureMime;
        }
        TID3v2 writer;
        if (const Result r = record.WriteV2ToFile(writer); !r) {
            complain(QStringLiteral("cannot write the ID3v2 tag of %1: %2").arg(file, r.message()));
            ++failures;
        }
    }
    if (v1) {
        TID3v1Record &r = record.V1;
        if (given(u"--title")) r.Title = toTagCodePage(value(u"--title"));
        if (given(u"--artist")) r.Artist = toTagCodePage(value(u"--artist"));
        if (given(u"--album")) r.Album = toTagCodePage(value(u"--album"));
        if (given(u"--year")) r.Year = toTagCodePage(value(u"--year"));
        if (given(u"--comment")) r.Comment = toTagCodePage(value(u"--comment"));
        if (track) r.Track = uint8_t(*track);
        if (v1Genre) r.Genre = *v1Genre;
        if (const Result r = record.WriteV1ToFile(); !r) {
            complain(QStringLiteral("cannot write the ID3v1 tag of %1: %2").arg(file, r.message()));
            ++failures;
        }
    }
    return failures ? 1 : 0;
}
