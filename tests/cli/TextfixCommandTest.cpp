// vireo-cli textfix, black box on a real folder of MP3 files whose tags were
// garbled the ways collections are (written by mutagen and by hand): the scan
// finds them from the caches, apply repairs them, mutagen reads the Japanese
// back, the caches follow, and genuine files are not touched.
#include "tests/core/library/LibraryTestUtil.h"
#include "tests/support/TestSupport.h"

#include <QCryptographicHash>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

using namespace vireo::test;

namespace {

// Python that writes garbled ID3v2 tags with mutagen. "latin1": every frame
// in encoding 0 holding Shift-JIS bytes, as old Japanese taggers wrote them.
// "cp1252": UTF-16 frames holding what a Western program made of Shift-JIS.
const char *kTagger = R"(
import sys
from mutagen.id3 import ID3, TIT2, TPE1, TALB
path, kind, title, artist = sys.argv[1:5]
t = ID3()
if kind == 'latin1':
    enc, garble = 0, lambda s: s.encode('cp932').decode('latin-1')
else:
    enc, garble = 1, lambda s: s.encode('cp932').decode('cp1252')
t.add(TIT2(encoding=enc, text=garble(title)))
t.add(TPE1(encoding=enc, text=garble(artist)))
t.add(TALB(encoding=enc, text='Best'))
t.save(path, v2_version=3)
)";

class TextfixCli : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!haveMutagen())
            GTEST_SKIP() << "mutagen is not installed";
        music = home.file(QStringLiteral("music"));
        garbledV2 = music + QStringLiteral("/album/01.mp3");
        writeFile(garbledV2, silentMpegFrames(3));
        RunResult r = run(QStringLiteral(VIREO_PYTHON3),
                          {QStringLiteral("-c"), QString::fromLatin1(kTagger), garbledV2, QStringLiteral("latin1"),
                           QStringLiteral("夜空の向こう"), QStringLiteral("アイドル")});
        ASSERT_EQ(r.exitCode, 0) << r.err.constData();
        garbledU = music + QStringLiteral("/album/05.mp3");
        writeFile(garbledU, silentMpegFrames(3));
        r = run(QStringLiteral(VIREO_PYTHON3), {QStringLiteral("-c"), QString::fromLatin1(kTagger), garbledU,
                                                QStringLiteral("cp1252"), QStringLiteral("ラブソング"),
                                                QStringLiteral("アイドル")});
        ASSERT_EQ(r.exitCode, 0) << r.err.constData();
        utf8V1 = music + QStringLiteral("/album/02.mp3");
        writeFile(utf8V1, silentMpegFrames(3) + id3v1Block(QStringView(u"ありがとう").toUtf8(), "Band"));
        westernV1 = music + QStringLiteral("/west/03.mp3");
        writeFile(westernV1, silentMpegFrames(3) + id3v1Block("Mot\xF6rhead", "Ace"));
        genuine = music + QStringLiteral("/album/04.mp3");
        writeFile(genuine, silentMpegFrames(3) + id3v1Block("\x88\xa4", "\x83\x41\x83\x43"));
        ASSERT_EQ(runCli({QStringLiteral("scan"), music}).exitCode, 0);
    }
    static QList<QJsonObject> jsonLines(const QByteArray &out)
    {
        QList<QJsonObject> objs;
        for (const QByteArray &l : out.split('\n'))
            if (!l.isEmpty())
                objs.append(QJsonDocument::fromJson(l).object());
        return objs;
    }
    static QJsonObject find(const QList<QJsonObject> &objs, const QString &file, const char *field)
    {
        for (const QJsonObject &o : objs)
            if (o.value(u"file").toString() == file && o.value(u"field").toString() == QLatin1String(field))
                return o;
        return {};
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
    static QByteArray hash(const QString &path)
    {
        return QCryptographicHash::hash(readFile(path), QCryptographicHash::Sha256);
    }

    TempProgramFolder home;
    QString music, garbledV2, garbledU, utf8V1, westernV1, genuine;
};

TEST_F(TextfixCli, ScanFindsEveryGarbledFieldAndNoGenuineOne)
{
    const RunResult r = runCli({QStringLiteral("textfix"), QStringLiteral("scan"), QStringLiteral("--json")});
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    const QList<QJsonObject> objs = jsonLines(r.out);
    const QJsonObject title = find(objs, garbledV2, "v2.title");
    EXPECT_EQ(title.value(u"proposed").toString(), u"夜空の向こう");
    EXPECT_EQ(title.value(u"declared").toString(), u"latin1");
    EXPECT_EQ(title.value(u"verdict").toString(), u"repair");
    EXPECT_EQ(find(objs, garbledV2, "v2.artist").value(u"proposed").toString(), u"アイドル");
    const QJsonObject artist = find(objs, garbledU, "v2.artist");
    EXPECT_EQ(artist.value(u"current").toString(), u"ƒAƒCƒhƒ‹");
    EXPECT_EQ(artist.value(u"proposed").toString(), u"アイドル");
    EXPECT_EQ(artist.value(u"declared").toString(), u"utf16");
    EXPECT_EQ(find(objs, garbledU, "v2.title").value(u"proposed").toString(), u"ラブソング");
    EXPECT_EQ(find(objs, utf8V1, "v1.title").value(u"proposed").toString(), u"ありがとう");
    EXPECT_EQ(find(objs, westernV1, "v1.title").value(u"proposed").toString(), u"Motörhead");
    for (const QJsonObject &o : objs)
        EXPECT_NE(o.value(u"file").toString(), genuine) << QJsonDocument(o).toJson().constData();

    // The plain form: one tab-separated line per suspect.
    const RunResult plain = runCli({QStringLiteral("textfix"), QStringLiteral("scan")});
    ASSERT_EQ(plain.exitCode, 0);
    EXPECT_EQ(plain.out.count('\n'), objs.size());
    EXPECT_TRUE(QString::fromUtf8(plain.out).contains(garbledU + QStringLiteral("\tv2.artist\tutf16\tƒAƒCƒhƒ‹\tアイドル\trepair")));
}

TEST_F(TextfixCli, ApplyRepairsTheFilesSoMutagenReadsTheJapaneseAndTheCachesFollow)
{
    const QByteArray genuineBefore = hash(genuine);
    const RunResult r = runCli({QStringLiteral("textfix"), QStringLiteral("apply")});
    ASSERT_EQ(r.exitCode, 0) << r.out.constData() << r.err.constData();

    EXPECT_EQ(mutagen(garbledV2, "t['TIT2'].text[0]"), u"夜空の向こう");
    EXPECT_EQ(mutagen(garbledV2, "int(t['TIT2'].encoding)"), u"1");
    EXPECT_EQ(mutagen(garbledV2, "t['TPE1'].text[0]"), u"アイドル");
    EXPECT_EQ(mutagen(garbledV2, "t['TALB'].text[0]"), u"Best");
    EXPECT_EQ(mutagen(garbledU, "t['TIT2'].text[0]"), u"ラブソング");
    EXPECT_EQ(mutagen(garbledU, "t['TPE1'].text[0]"), u"アイドル");
    // ID3v1 now in Shift-JIS; the Western text the tag code page cannot hold
    // went to a new ID3v2 tag, its ID3v1 bytes left as they were.
    QByteArray tail = readFile(utf8V1).right(128);
    EXPECT_EQ(tail.mid(3, 10), QByteArray("\x82\xa0\x82\xe8\x82\xaa\x82\xc6\x82\xa4"));
    EXPECT_EQ(mutagen(westernV1, "t['TIT2'].text[0]"), u"Motörhead");
    EXPECT_EQ(readFile(westernV1).right(128).mid(3, 9), QByteArray("Mot\xF6rhead"));
    EXPECT_EQ(hash(genuine), genuineBefore);

    // The caches hold the repaired texts: a new scan finds nothing, and the
    // track list (from the caches) shows the Japanese.
    const RunResult again = runCli({QStringLiteral("textfix"), QStringLiteral("scan"), QStringLiteral("--json")});
    ASSERT_EQ(again.exitCode, 0);
    for (const QJsonObject &o : jsonLines(again.out))
        EXPECT_NE(o.value(u"verdict").toString(), u"repair") << QJsonDocument(o).toJson().constData();
    const RunResult list = runCli({QStringLiteral("list")});
    EXPECT_TRUE(QString::fromUtf8(list.out).contains(QStringLiteral("夜空の向こう")));
    EXPECT_TRUE(QString::fromUtf8(list.out).contains(QStringLiteral("ありがとう")));
}

TEST_F(TextfixCli, UndoTakesTheWholeApplyBackByteForByte)
{
    const QStringList files = {garbledV2, garbledU, utf8V1, westernV1, genuine};
    QList<QByteArray> before;
    for (const QString &f : files)
        before.append(readFile(f));
    ASSERT_EQ(runCli({QStringLiteral("textfix"), QStringLiteral("apply")}).exitCode, 0);
    ASSERT_NE(readFile(garbledV2), before[0]);
    const RunResult listed = runCli({QStringLiteral("undo"), QStringLiteral("--list")});
    EXPECT_TRUE(listed.out.contains("textfix apply")) << listed.out.constData();
    const RunResult r = runCli({QStringLiteral("undo")});
    ASSERT_EQ(r.exitCode, 0) << r.out.constData() << r.err.constData();
    for (int i = 0; i < files.size(); ++i)
        EXPECT_EQ(readFile(files[i]), before[i]) << files[i].toStdString();
    // The caches follow the files back: the scan finds the garbled texts again.
    const RunResult again = runCli({QStringLiteral("textfix"), QStringLiteral("scan"), QStringLiteral("--json")});
    EXPECT_FALSE(find(jsonLines(again.out), garbledV2, "v2.title").isEmpty());
}

TEST_F(TextfixCli, ApplyToNamedFilesLeavesTheOthersAndRefusesBadOptions)
{
    const QByteArray otherBefore = hash(garbledV2);
    RunResult r = runCli({QStringLiteral("textfix"), QStringLiteral("apply"), utf8V1});
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    EXPECT_EQ(hash(garbledV2), otherBefore);
    EXPECT_EQ(readFile(utf8V1).right(128).mid(3, 2), QByteArray("\x82\xa0"));

    // Above every confidence: nothing is written.
    r = runCli({QStringLiteral("textfix"), QStringLiteral("apply"), QStringLiteral("--min-confidence"),
                QStringLiteral("1"), garbledV2});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(hash(garbledV2), otherBefore);

    for (const QStringList &bad : {QStringList{QStringLiteral("apply"), QStringLiteral("--min-confidence"), QStringLiteral("x")},
                                   QStringList{QStringLiteral("apply"), QStringLiteral("--bogus")},
                                   QStringList{QStringLiteral("scan"), QStringLiteral("extra")},
                                   QStringList{QStringLiteral("nothing")}}) {
        r = runCli(QStringList{QStringLiteral("textfix")} + bad);
        EXPECT_EQ(r.exitCode, 2) << bad.join(u' ').toStdString();
    }
    r = runCli({QStringLiteral("textfix"), QStringLiteral("apply"), home.file(QStringLiteral("missing.mp3"))});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(hash(garbledV2), otherBefore);
}

TEST_F(TextfixCli, AFileChangedSinceTheScanIsNotOverwritten)
{
    // The caches say "ƒAƒCƒhƒ‹"; the file now holds something else.
    const RunResult tagged = run(QStringLiteral(VIREO_MID3V2), {QStringLiteral("-a"), QStringLiteral("New Artist"), garbledU});
    ASSERT_EQ(tagged.exitCode, 0) << tagged.err.constData();
    // A date the caches do not know would be re-read by a scan; apply works
    // from the caches and checks each field against the file itself.
    const RunResult r = runCli({QStringLiteral("textfix"), QStringLiteral("apply")});
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    EXPECT_TRUE(QString::fromUtf8(r.out).contains(QStringLiteral("v2.artist: changed since the scan")));
    EXPECT_EQ(mutagen(garbledU, "t['TPE1'].text[0]"), u"New Artist");
    EXPECT_EQ(mutagen(garbledU, "t['TIT2'].text[0]"), u"ラブソング");
}

} // namespace
