// vireo-cli tag, black box on temporary copies of demo files: what it writes
// is read back by vireo-cli info and by mutagen; bad requests change nothing.
#include "tests/support/TestSupport.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace vireo::test;

namespace {

QString demo(const char *relative) { return QStringLiteral(VIREO_SOURCE_DIR "/demo/") + QString::fromUtf8(relative); }

class TagCommand : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString copy(const char *relative, const char *name = "t.mp3")
    {
        const QString to = dir.filePath(QString::fromLatin1(name));
        QFile::remove(to);
        EXPECT_TRUE(QFile::copy(demo(relative), to));
        QFile::setPermissions(to, QFile::ReadOwner | QFile::WriteOwner);
        return to;
    }
    QJsonObject info(const QString &path)
    {
        const RunResult r = runCli({QStringLiteral("info"), QStringLiteral("--json"), path});
        EXPECT_EQ(r.exitCode, 0) << r.out.constData();
        return QJsonDocument::fromJson(r.out).object();
    }
    QString mutagen(const QString &path, const char *expression)
    {
        const RunResult r = run(QStringLiteral(VIREO_PYTHON3),
                                {QStringLiteral("-c"),
                                 QStringLiteral("import sys; from mutagen.id3 import ID3; t = ID3(sys.argv[1]); print(")
                                     + QString::fromLatin1(expression) + QStringLiteral(")"),
                                 path});
        EXPECT_EQ(r.exitCode, 0) << r.err.constData();
        return QString::fromUtf8(r.out).trimmed();
    }
    static QString field(const QJsonObject &o, const char *tag, const char *key)
    {
        const QJsonValue v = o.value(QLatin1String(tag)).toObject().value(QLatin1String(key));
        return v.isString() ? v.toString() : QString::number(v.toInt());
    }
};

TEST_F(TagCommand, V2FieldsRoundTripThroughInfoAndMutagen)
{
    const QString path = copy("Vireo Ensemble/First Light/01 Morning.mp3");
    const RunResult r = runCli({QStringLiteral("tag"), path, QStringLiteral("--v2"), QStringLiteral("--title"),
                                QStringLiteral("朝の光"), QStringLiteral("--artist"), QStringLiteral("新しい人"),
                                QStringLiteral("--track"), QStringLiteral("7"), QStringLiteral("--composer"),
                                QStringLiteral("Someone"), QStringLiteral("--encoding"), QStringLiteral("1")});
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    const QJsonObject o = info(path);
    EXPECT_EQ(field(o, "v2", "title"), u"朝の光");
    EXPECT_EQ(field(o, "v2", "artist"), u"新しい人");
    EXPECT_EQ(field(o, "v2", "track"), u"7");
    EXPECT_EQ(field(o, "v2", "composer"), u"Someone");
    EXPECT_EQ(field(o, "v2", "album"), u"First Light"); // not given: kept
    EXPECT_EQ(field(o, "v2", "version"), u"3");
    EXPECT_EQ(field(o, "v1", "title"), u"Morning"); // the other tag is untouched
    EXPECT_TRUE(o.value(QLatin1String("mpeg")).toObject().value(QLatin1String("valid")).toBool());
    if (haveMutagen()) {
        EXPECT_EQ(mutagen(path, "t['TIT2'].text[0]"), u"朝の光");
        EXPECT_EQ(mutagen(path, "t['TALB'].text[0]"), u"First Light");
    }
}

TEST_F(TagCommand, V1FieldsAreWrittenInShiftJis)
{
    const QString path = copy("Vireo Ensemble/First Light/03 Dusk.mp3"); // no ID3v1 tag yet
    const qint64 before = QFileInfo(path).size();
    const RunResult r = runCli({QStringLiteral("tag"), path, QStringLiteral("--v1"), QStringLiteral("--title"),
                                QStringLiteral("夕暮れ"), QStringLiteral("--track"), QStringLiteral("3"),
                                QStringLiteral("--genre"), QStringLiteral("jpop")});
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    EXPECT_EQ(QFileInfo(path).size(), before + 128);
    const QByteArray tail = readFile(path).right(128);
    EXPECT_EQ(tail.mid(3, 6), QByteArray("\x97\x5b\x95\xe9\x82\xea")); // 夕暮れ in CP932
    const QJsonObject o = info(path);
    EXPECT_EQ(field(o, "v1", "title"), u"夕暮れ");
    EXPECT_EQ(field(o, "v1", "track"), u"3");
    EXPECT_EQ(field(o, "v1", "genre"), u"146");
    EXPECT_EQ(field(o, "v1", "revision"), u"2");
    // Writing again overwrites the block in place.
    ASSERT_EQ(runCli({QStringLiteral("tag"), path, QStringLiteral("--v1"), QStringLiteral("--album"), QStringLiteral("X")}).exitCode, 0);
    EXPECT_EQ(QFileInfo(path).size(), before + 128);
    EXPECT_EQ(field(info(path), "v1", "title"), u"夕暮れ");
}

TEST_F(TagCommand, StripsEachTag)
{
    const QString path = copy("山田花子/夏の歌/02 花火.mp3");
    const qint64 before = QFileInfo(path).size();
    ASSERT_EQ(runCli({QStringLiteral("tag"), path, QStringLiteral("--strip-v1")}).exitCode, 0);
    EXPECT_EQ(QFileInfo(path).size(), before - 128);
    QJsonObject o = info(path);
    EXPECT_FALSE(o.value(QLatin1String("v1")).toObject().value(QLatin1String("present")).toBool());
    EXPECT_TRUE(o.value(QLatin1String("v2")).toObject().value(QLatin1String("present")).toBool());
    ASSERT_EQ(runCli({QStringLiteral("tag"), path, QStringLiteral("--strip-v2")}).exitCode, 0);
    o = info(path);
    EXPECT_FALSE(o.value(QLatin1String("v2")).toObject().value(QLatin1String("present")).toBool());
    EXPECT_TRUE(o.value(QLatin1String("mpeg")).toObject().value(QLatin1String("valid")).toBool());
}

TEST_F(TagCommand, EmbedsAPicture)
{
    const QString path = copy("Vireo Ensemble/First Light/02 Noon.mp3");
    const QString picture = demo("Vireo Ensemble/First Light/folder.jpg");
    const RunResult r = runCli({QStringLiteral("tag"), path, QStringLiteral("--v2"), QStringLiteral("--picture"), picture});
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    const QJsonObject pic = info(path).value(QLatin1String("v2")).toObject().value(QLatin1String("picture")).toObject();
    EXPECT_EQ(pic.value(QLatin1String("mime")).toString(), u"image/jpeg");
    EXPECT_EQ(pic.value(QLatin1String("sha256")).toString(),
              QString::fromLatin1(QCryptographicHash::hash(readFile(picture), QCryptographicHash::Sha256).toHex()));
    if (haveMutagen()) {
        EXPECT_EQ(mutagen(path, "len(t.getall('APIC'))"), u"1");
    }
}

struct BadRequest {
    const char *name;
    QStringList args; // after the file
    int exitCode;
};
class TagCommandRefuses : public TagCommand, public ::testing::WithParamInterface<BadRequest> {};

TEST_P(TagCommandRefuses, AndLeavesTheFileAlone)
{
    const QString path = copy("Vireo Ensemble/First Light/01 Morning.mp3");
    const QByteArray before = readFile(path);
    const RunResult r = runCli(QStringList{QStringLiteral("tag"), path} + GetParam().args);
    EXPECT_EQ(r.exitCode, GetParam().exitCode);
    EXPECT_FALSE(r.err.isEmpty());
    EXPECT_EQ(readFile(path), before);
}
INSTANTIATE_TEST_SUITE_P(
    Requests, TagCommandRefuses,
    ::testing::Values(BadRequest{"NoTagChosen", {QStringLiteral("--title"), QStringLiteral("x")}, 2},
                      BadRequest{"NotANumber", {QStringLiteral("--v1"), QStringLiteral("--track"), QStringLiteral("x")}, 2},
                      BadRequest{"TrackTooBigForV1", {QStringLiteral("--v1"), QStringLiteral("--track"), QStringLiteral("300")}, 2},
                      BadRequest{"V2OnlyField", {QStringLiteral("--v1"), QStringLiteral("--composer"), QStringLiteral("x")}, 2},
                      BadRequest{"BadEncoding", {QStringLiteral("--v2"), QStringLiteral("--encoding"), QStringLiteral("2")}, 2},
                      BadRequest{"UnknownGenre", {QStringLiteral("--v1"), QStringLiteral("--genre"), QStringLiteral("Nope")}, 2},
                      BadRequest{"MissingValue", {QStringLiteral("--v2"), QStringLiteral("--title")}, 2},
                      BadRequest{"UnknownOption", {QStringLiteral("--v2"), QStringLiteral("--colour"), QStringLiteral("x")}, 2},
                      BadRequest{"WriteAndStrip", {QStringLiteral("--v1"), QStringLiteral("--strip-v1")}, 2},
                      BadRequest{"PictureMissing", {QStringLiteral("--v2"), QStringLiteral("--picture"), QStringLiteral("/nonexistent.jpg")}, 1},
                      BadRequest{"PictureNotAnImage", {QStringLiteral("--v2"), QStringLiteral("--picture"), QStringLiteral(VIREO_SOURCE_DIR "/CMakeLists.txt")}, 1}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(TagCommand, FailedWritesReportAndExitNonZero)
{
    const QString tiny = dir.filePath(QStringLiteral("tiny.mp3"));
    writeFile(tiny, QByteArray(100, 'x'));
    RunResult r = runCli({QStringLiteral("tag"), tiny, QStringLiteral("--v1"), QStringLiteral("--title"), QStringLiteral("x")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains("ID3v1")) << r.err.constData();
    EXPECT_EQ(readFile(tiny), QByteArray(100, 'x'));
    r = runCli({QStringLiteral("tag"), dir.filePath(QStringLiteral("none.mp3")), QStringLiteral("--v2"), QStringLiteral("--title"), QStringLiteral("x")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains("no such file")) << r.err.constData();
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("none.mp3"))));
}

} // namespace
