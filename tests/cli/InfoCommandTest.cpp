// vireo-cli info, black box: the JSON shape, the values against what mutagen
// reads from the same files, and how unreadable files are reported.
#include "tests/support/TestSupport.h"

#include <QDir>
#include <QDirIterator>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

using namespace vireo::test;

namespace {

QString demoDir() { return QStringLiteral(VIREO_SOURCE_DIR "/demo"); }

QStringList demoFiles()
{
    QStringList files;
    QDirIterator it(demoDir(), {QStringLiteral("*.mp3")}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << it.next();
    files.sort();
    return files;
}

QList<QJsonObject> jsonLines(const QByteArray &out)
{
    QList<QJsonObject> objects;
    for (const QByteArray &line : out.split('\n')) {
        if (line.isEmpty())
            continue;
        QJsonParseError error;
        const QJsonDocument doc = QJsonDocument::fromJson(line, &error);
        EXPECT_EQ(error.error, QJsonParseError::NoError) << line.constData();
        objects << doc.object();
    }
    return objects;
}

std::string show(const QJsonValue &v)
{
    return QJsonDocument(QJsonArray{v}).toJson(QJsonDocument::Compact).toStdString();
}

// Key and JSON type of every member of an object.
using Shape = QList<std::pair<const char *, QJsonValue::Type>>;
void expectShape(const QJsonObject &o, const Shape &shape, const char *where)
{
    QStringList expectedKeys;
    for (const auto &[key, type] : shape) {
        expectedKeys << QString::fromLatin1(key);
        EXPECT_TRUE(o.contains(QLatin1String(key))) << where << "." << key;
        EXPECT_EQ(o.value(QLatin1String(key)).type(), type) << where << "." << key;
    }
    QStringList keys = o.keys();
    keys.sort();
    expectedKeys.sort();
    EXPECT_EQ(keys.join(u','), expectedKeys.join(u',')) << where;
}

const Shape v1Shape{{"present", QJsonValue::Bool}, {"revision", QJsonValue::Double}, {"title", QJsonValue::String},
                    {"artist", QJsonValue::String}, {"album", QJsonValue::String}, {"year", QJsonValue::String},
                    {"comment", QJsonValue::String}, {"track", QJsonValue::Double}, {"genre", QJsonValue::Double}};
const Shape mpegShape{{"valid", QJsonValue::Bool}, {"version", QJsonValue::String}, {"layer", QJsonValue::String},
                      {"bitrate", QJsonValue::Double}, {"vbr", QJsonValue::Bool}, {"sample_rate", QJsonValue::Double},
                      {"mode", QJsonValue::String}, {"frames", QJsonValue::Double}, {"duration", QJsonValue::Double},
                      {"encoder", QJsonValue::String}};

void expectV2Shape(const QJsonObject &v2)
{
    const QJsonValue::Type s = QJsonValue::String;
    const QJsonValue::Type picture = v2.value(QLatin1String("picture")).isNull() ? QJsonValue::Null : QJsonValue::Object;
    expectShape(v2,
                {{"present", QJsonValue::Bool}, {"version", QJsonValue::Double}, {"title", s}, {"artist", s}, {"album", s},
                 {"track", QJsonValue::Double}, {"track_text", s}, {"year", s}, {"genre", s}, {"comment", s},
                 {"composer", s}, {"encoded_by", s}, {"copyright", s}, {"original_artist", s}, {"url", s},
                 {"encoding", QJsonValue::Double}, {"picture", picture}},
                "v2");
    if (picture == QJsonValue::Object)
        expectShape(v2.value(QLatin1String("picture")).toObject(),
                    {{"mime", s}, {"size", QJsonValue::Double}, {"sha256", s}}, "picture");
}

// What mutagen (and a plain read of the last 128 bytes in CP932) finds in each file.
QList<QJsonObject> mutagenView(const QStringList &files)
{
    const char *script = R"(
import hashlib, json, sys
from mutagen.id3 import ID3
from mutagen.mp3 import MP3
for path in sys.argv[1:]:
    out = {"path": path}
    with open(path, "rb") as f:
        has_v2 = f.read(3) == b"ID3"
        f.seek(-128, 2)
        b = f.read(128)
    if b[:3] == b"TAG":
        cut = lambda s: s.rstrip(bytes(range(33))).decode("cp932")
        rev2 = (b[125] == 0 and b[126] != 0) or (b[125] == 32 and b[126] != 32)
        out["v1"] = {"title": cut(b[3:33]), "artist": cut(b[33:63]), "album": cut(b[63:93]), "year": cut(b[93:97]),
                     "comment": cut(b[97:125] if rev2 else b[97:127]), "track": b[126] if rev2 else 0, "genre": b[127]}
    if has_v2:
        t = ID3(path, load_v1=False)
        text = lambda k: str(t[k].text[0]) if k in t else ""
        pics = t.getall("APIC")
        comm = t.getall("COMM")
        wxxx = t.getall("WXXX")
        out["v2"] = {"version": t.version[1], "title": text("TIT2"), "artist": text("TPE1"), "album": text("TALB"),
                     "track_text": text("TRCK"), "year": (text("TYER") or text("TDRC"))[:4], "genre": text("TCON"),
                     "comment": str(comm[0].text[0]) if comm else "", "composer": text("TCOM"),
                     "encoded_by": text("TENC"), "copyright": text("TCOP"), "original_artist": text("TOPE"),
                     "url": wxxx[0].url if wxxx else "",
                     "picture": {"mime": pics[0].mime, "size": len(pics[0].data),
                                 "sha256": hashlib.sha256(pics[0].data).hexdigest()} if pics else None}
    info = MP3(path).info
    out["mpeg"] = {"sample_rate": info.sample_rate, "length": info.length}
    print(json.dumps(out, ensure_ascii=False))
)";
    const RunResult r = run(QStringLiteral(VIREO_PYTHON3), QStringList{QStringLiteral("-c"), QString::fromUtf8(script)} + files);
    EXPECT_EQ(r.exitCode, 0) << r.err.constData();
    return jsonLines(r.out);
}

TEST(InfoCommand, DemoCollectionHasTheDocumentedShape)
{
    const QStringList files = demoFiles();
    ASSERT_GE(files.size(), 6);
    const RunResult r = runCli(QStringList{QStringLiteral("info"), QStringLiteral("--json")} + files);
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    const QList<QJsonObject> objects = jsonLines(r.out);
    ASSERT_EQ(objects.size(), files.size());
    for (qsizetype i = 0; i < files.size(); ++i) {
        const QJsonObject &o = objects[i];
        EXPECT_EQ(o.value(QLatin1String("path")).toString(), files[i]);
        expectShape(o, {{"path", QJsonValue::String}, {"v1", QJsonValue::Object}, {"v2", QJsonValue::Object},
                        {"mpeg", QJsonValue::Object}}, "file");
        expectShape(o.value(QLatin1String("v1")).toObject(), v1Shape, "v1");
        expectV2Shape(o.value(QLatin1String("v2")).toObject());
        expectShape(o.value(QLatin1String("mpeg")).toObject(), mpegShape, "mpeg");
        EXPECT_TRUE(o.value(QLatin1String("mpeg")).toObject().value(QLatin1String("valid")).toBool()) << qPrintable(files[i]);
    }
}

TEST(InfoCommand, ValuesAgreeWithMutagen)
{
    if (!haveMutagen())
        GTEST_SKIP();
    const QStringList files = demoFiles();
    const RunResult r = runCli(QStringList{QStringLiteral("info"), QStringLiteral("--json")} + files);
    const QList<QJsonObject> ours = jsonLines(r.out);
    const QList<QJsonObject> theirs = mutagenView(files);
    ASSERT_EQ(ours.size(), files.size());
    ASSERT_EQ(theirs.size(), files.size());
    int pictures = 0, japanese = 0;
    for (qsizetype i = 0; i < files.size(); ++i) {
        SCOPED_TRACE(qPrintable(files[i]));
        const QJsonObject v1 = ours[i].value(QLatin1String("v1")).toObject();
        const QJsonObject v2 = ours[i].value(QLatin1String("v2")).toObject();
        const QJsonObject mpeg = ours[i].value(QLatin1String("mpeg")).toObject();
        const QJsonObject m = theirs[i];
        EXPECT_EQ(v1.value(QLatin1String("present")).toBool(), m.contains(QLatin1String("v1")));
        if (m.contains(QLatin1String("v1"))) {
            const QJsonObject mv1 = m.value(QLatin1String("v1")).toObject();
            for (const QString &key : mv1.keys())
                EXPECT_EQ(show(v1.value(key)), show(mv1.value(key))) << "v1." << qPrintable(key);
            japanese += v1.value(QLatin1String("artist")).toString().contains(QStringLiteral("山田"));
        }
        EXPECT_EQ(v2.value(QLatin1String("present")).toBool(), m.contains(QLatin1String("v2")));
        if (m.contains(QLatin1String("v2"))) {
            const QJsonObject mv2 = m.value(QLatin1String("v2")).toObject();
            for (const QString &key : mv2.keys())
                EXPECT_EQ(show(v2.value(key)), show(mv2.value(key))) << "v2." << qPrintable(key);
            EXPECT_EQ(v2.value(QLatin1String("track")).toInt(),
                      mv2.value(QLatin1String("track_text")).toString().section(u'/', 0, 0).toInt());
            pictures += !v2.value(QLatin1String("picture")).isNull();
        }
        const QJsonObject mm = m.value(QLatin1String("mpeg")).toObject();
        EXPECT_EQ(mpeg.value(QLatin1String("sample_rate")).toInt(), mm.value(QLatin1String("sample_rate")).toInt());
        const double slack = 2304.0 / mm.value(QLatin1String("sample_rate")).toDouble() + 0.03;
        EXPECT_NEAR(mpeg.value(QLatin1String("duration")).toDouble(), mm.value(QLatin1String("length")).toDouble(), slack);
    }
    EXPECT_GE(pictures, 1);
    EXPECT_GE(japanese, 1);
}

TEST(InfoCommand, UnreadableFilesGetAnErrorObjectAndTheOthersAreStillReported)
{
    TempProgramFolder folder;
    writeFile(folder.file(QStringLiteral("short.mp3")), QByteArray(100, 'x'));
    const QString good = demoFiles().value(0);
    const RunResult r = runCli({QStringLiteral("info"), QStringLiteral("--json"), folder.file(QStringLiteral("missing.mp3")),
                                good, folder.path(), folder.file(QStringLiteral("short.mp3"))});
    EXPECT_NE(r.exitCode, 0);
    const QList<QJsonObject> objects = jsonLines(r.out);
    ASSERT_EQ(objects.size(), 4);
    EXPECT_EQ(objects[0].keys().join(u','), QStringLiteral("error,path"));
    EXPECT_FALSE(objects[0].value(QLatin1String("error")).toString().isEmpty());
    EXPECT_TRUE(objects[1].contains(QLatin1String("mpeg")));
    EXPECT_TRUE(objects[2].contains(QLatin1String("error")));
    // A file too short for tags is readable: reported, just without a valid stream.
    EXPECT_FALSE(objects[3].contains(QLatin1String("error")));
    EXPECT_FALSE(objects[3].value(QLatin1String("mpeg")).toObject().value(QLatin1String("valid")).toBool());
}

TEST(InfoCommand, ReadableBlockWithoutJson)
{
    const QString good = demoFiles().value(0);
    const RunResult r = runCli({QStringLiteral("info"), good});
    EXPECT_EQ(r.exitCode, 0);
    const QString out = QString::fromUtf8(r.out);
    EXPECT_TRUE(out.startsWith(good)) << qPrintable(out);
    EXPECT_TRUE(out.contains(QStringLiteral("Layer III"))) << qPrintable(out);
    EXPECT_FALSE(out.contains(u'{'));
    EXPECT_EQ(runCli({QStringLiteral("info")}).exitCode, 2);
    EXPECT_EQ(runCli({QStringLiteral("info"), QStringLiteral("--bogus"), good}).exitCode, 2);
}

} // namespace
