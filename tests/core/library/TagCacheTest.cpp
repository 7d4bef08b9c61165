#include "tests/core/library/LibraryTestUtil.h"

#include "core/library/TagCache.h"
#include "core/platform/CodePage.h"

#include <gtest/gtest.h>

using namespace vireo;
using namespace vireo::test;

namespace {

constexpr int32_t kDate = int32_t((21u << 25) | (2u << 21) | (3u << 16) | (4u << 11) | (5u << 5) | 3u); // 2001/02/03 04:05:06

QByteArray utf16le(const QString &s)
{
    QByteArray b("\xFF\xFE", 2);
    for (QChar c : s) {
        b.append(char(c.unicode() & 0xFF));
        b.append(char(c.unicode() >> 8));
    }
    return b;
}

TID3ListItem *addTrack(TID3List &list, const QString &path, int32_t date)
{
    return list.Add(std::make_unique<TID3ListItem>(path, date));
}

TID3v2Record v2(const QString &title, const QString &artist = QStringLiteral("Artist"))
{
    TID3v2Record r;
    r.Title = title;
    r.Artist = artist;
    r.Album = QStringLiteral("Album");
    r.Comment = QStringLiteral("c");
    r.Year = QStringLiteral("1999");
    r.Genre = QStringLiteral("Rock");
    r.TrackNumber = 7;
    r.EncodedBy = QStringLiteral("enc");
    r.Copyright = QStringLiteral("(c)");
    r.OriginalArtist = QStringLiteral("orig");
    r.Url = QStringLiteral("http://x/");
    r.Composer = QStringLiteral("comp");
    r.MajorVersion = 4;
    r.TextEncoding = 3;
    return r;
}

class TagCache : public ::testing::Test {
protected:
    TempProgramFolder home;
    LogOn log;
};

TEST_F(TagCache, AwkwardTextsRoundTripThroughBothFiles)
{
    const QStringList texts = {
        QStringLiteral("comma, inside"), QStringLiteral("say \"hi\""), QStringLiteral("  spaces  "),
        QStringLiteral("two\r\nlines"), QStringLiteral("lf\nonly"), QStringLiteral("sep\u2028x"),
        QStringLiteral("日本語のタイトル"), QString(), QStringLiteral(","), QStringLiteral("\"")};
    TID3List out;
    for (int i = 0; i < texts.size(); ++i) {
        TID3ListItem *t = addTrack(out, QStringLiteral("/m/曲 %1, \"x\".mp3").arg(i), kDate);
        t->SetV2(v2(texts[i], texts[(i + 1) % texts.size()]));
        TID3v1Record r;
        r.Title = toTagCodePage(texts[i]);
        r.Artist = toTagCodePage(QStringLiteral("アーティスト, A"));
        r.Year = QByteArray("2001");
        r.Genre = uint8_t(i);
        r.Track = uint8_t(i + 1);
        t->SetV1(r);
    }
    const QByteArray b1 = tagcache::RenderV1Cache(out);
    const QByteArray b2 = tagcache::RenderV2Cache(out);
    TID3List in;
    tagcache::LoadV1Cache(in, b1);
    tagcache::LoadV2Cache(in, b2, {});
    ASSERT_EQ(in.Count(), out.Count());
    for (qsizetype i = 0; i < out.Count(); ++i) {
        const TID3ListItem *a = out.At(i), *b = in.At(i);
        EXPECT_EQ(b->FileName, a->FileName);
        EXPECT_EQ(b->FileDate, kDate);
        EXPECT_TRUE(b->HasV1 && b->HasV2);
        EXPECT_EQ(b->V1, a->V1) << i;
        EXPECT_EQ(b->V2, a->V2) << i;
    }
    EXPECT_FALSE(logMessages().join(u'\n').contains(QStringLiteral("エラー")));
}

TEST_F(TagCache, WriterBytesAreTheFileFormat)
{
    TID3List list;
    TID3ListItem *t = addTrack(list, QStringLiteral("/m/a b.mp3"), kDate);
    TID3v1Record r;
    r.Title = QByteArray("T");
    r.Artist = QByteArray("A");
    r.Genre = 17;
    t->SetV1(r);
    TID3v2Record w;
    w.Title = QStringLiteral("x");
    w.MajorVersion = 3;
    w.TextEncoding = 1;
    t->SetV2(w);
    EXPECT_EQ(tagcache::RenderV1Cache(list),
              QByteArray("vireoCacheVersion2.0.0.0,0\r\n\"/m/a b.mp3\",\"2001/02/03 04:05:06\",A,T,,,,17,0,2\r\n"));
    EXPECT_EQ(tagcache::RenderV2Cache(list),
              utf16le(QStringLiteral("vireoCacheVersion2.0.0.0,0\r\n\"/m/a b.mp3\",\"2001/02/03 04:05:06\",,x,,,,,0,,,,,,ID3v2.3,1\r\n")));
}

TEST_F(TagCache, FilesOfTheOldWriterStillLoad)
{
    // Hand-made rows as the old writer produced them (CP932 bytes, no quoted breaks).
    const QByteArray v1 = QByteArray("vireoCacheVersion2.0.0.0,0\r\n")
        + "\"/m/\x93\xfa\x96\x7b.mp3\",\"2010/05/06 07:08:10\",\x83\x41\x81\x5b\x83\x65\x83\x42\x83\x58\x83\x67,\"Song, One\",Alb,,1999,5,3,1\r\n"
        + "/m/b.mp3,\"2011/01/01 00:00:00\",B,T,A,\"say \"\"x\"\"\",2000,255,0,2\r\n";
    const QByteArray v2 = utf16le(QStringLiteral(
        "vireoCacheVersion2.0.0.0,0\r\n"
        "/m/b.mp3,\"1999/01/01 00:00:00\",BB,TT,AA,C,2000,Pop,12,e,cr,oa,u,co,ID3v2.3,0\r\n"
        "/m/only2.mp3,\"2012/03/04 05:06:08\",X,Y,Z,,,,,,,,,,ID3v2.4,1\r\n"));
    TID3List list;
    tagcache::LoadV1Cache(list, v1);
    tagcache::LoadV2Cache(list, v2, {});
    ASSERT_EQ(list.Count(), 3);
    const TID3ListItem *a = list.At(0);
    EXPECT_EQ(a->FileName, QStringLiteral("/m/日本.mp3"));
    EXPECT_EQ(a->V1.Artist.text(), QStringLiteral("アーティスト"));
    EXPECT_EQ(a->V1.Title.text(), QStringLiteral("Song, One"));
    EXPECT_EQ(a->V1.Genre, 5);
    EXPECT_EQ(a->V1.Track, 3);
    EXPECT_FALSE(a->HasV2);
    const TID3ListItem *b = list.At(1);
    EXPECT_EQ(b->V1.Comment.text(), QStringLiteral("say \"x\""));
    // Present in both: the date of the ID3v1 row holds.
    EXPECT_EQ(b->FileDate, int32_t((31u << 25) | (1u << 21) | (1u << 16)));
    EXPECT_TRUE(b->HasV1 && b->HasV2);
    EXPECT_EQ(b->V2.Title, QStringLiteral("TT"));
    EXPECT_EQ(b->V2.TrackNumber, 12);
    EXPECT_EQ(b->V2.MajorVersion, 3);
    const TID3ListItem *c = list.At(2);
    EXPECT_FALSE(c->HasV1);
    EXPECT_EQ(c->V2.MajorVersion, 4);
    EXPECT_EQ(c->V2.TextEncoding, 1);
    EXPECT_EQ(c->V2.TrackNumber, 0);
}

TEST_F(TagCache, OldSplitRowsAreLoggedAndTheRestLoads)
{
    // The old writer quoted a field with a line break, but the old reader split
    // it; such a file now reads whole. Short rows and empty lines are logged.
    const QByteArray v2 = utf16le(QStringLiteral(
        "vireoCacheVersion2.0.0.0,0\r\n"
        "/m/a.mp3,\"2012/03/04 05:06:08\",X,\"two\r\nlines\",Z,,,,,,,,,,ID3v2.4,1\r\n"
        "\r\n"
        "/m/short.mp3,x\r\n"
        "/m/c.mp3,\"2012/03/04 05:06:08\",,,,,,,,,,,,,ID3v2.3\r\n"));
    TID3List list;
    tagcache::LoadV2Cache(list, v2, {});
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(list.At(0)->V2.Title, QStringLiteral("two\r\nlines"));
    EXPECT_EQ(list.At(1)->V2.TextEncoding, 0); // 15 fields: no encoding field
    const QStringList log = logMessages();
    const QStringList expected = {
        QStringLiteral("ID3v2キャッシュ読み込みでエラー発生"), QStringLiteral("エラー行："), QStringLiteral("エラー項目：0"),
        QStringLiteral("ID3v2キャッシュ読み込みでエラー発生"), QStringLiteral("エラー行：/m/short.mp3,x"),
        QStringLiteral("エラー項目：2")};
    EXPECT_EQ(log, expected);
}

struct BadVersionCase {
    const char *name;
    QByteArray v1;
    QString v2;
    QString cause; // what the ID3v1 cache's message says is wrong
};

class VersionLine : public TagCache, public ::testing::WithParamInterface<BadVersionCase> {};

TEST_P(VersionLine, MismatchIgnoresTheFileAndSaysWhy)
{
    const QByteArray row1 = "/m/a.mp3,\"2012/03/04 05:06:08\",A,T,B,C,1999,1,1,1\r\n";
    const QString row2 = QStringLiteral("/m/a.mp3,\"2012/03/04 05:06:08\",,,,,,,,,,,,,ID3v2.3,0\r\n");
    TID3List list;
    int messages = 0;
    QStringList problems;
    tagcache::LoadV1Cache(list, GetParam().v1 + row1, [&](const QString &p) { problems << p; });
    tagcache::LoadV2Cache(list, utf16le(GetParam().v2 + row2), [&](const QString &m) {
        ++messages;
        EXPECT_EQ(m, tagcache::V2VersionMessage());
    });
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(messages, 1);
    ASSERT_EQ(problems.size(), 1);
    EXPECT_TRUE(problems[0].contains(GetParam().cause)) << qPrintable(problems[0]);
}

INSTANTIATE_TEST_SUITE_P(Cache, VersionLine, ::testing::Values(
    BadVersionCase{"older", "vireoCacheVersion1.0.0.0,0\r\n", QStringLiteral("vireoCacheVersion1.0.0.0,0\r\n"),
                   QStringLiteral("バージョンが異なります（「vireoCacheVersion1.0.0.0」")},
    BadVersionCase{"letter_case", "VireoCacheVersion2.0.0.0,0\r\n", QStringLiteral("vireocacheversion2.0.0.0,0\r\n"),
                   QStringLiteral("バージョンが異なります")},
    BadVersionCase{"no_version_line", "", QString(), QStringLiteral("1行目がバージョン行")}),
    [](const auto &info) { return std::string(info.param.name); });

// The file reader names the file and the cause in the log and to the
// caller, reads nothing from it, and leaves it as it is.
TEST_F(TagCache, V1CacheOfAnotherVersionIsReportedByName)
{
    const QString file = home.file(QStringLiteral("vireo.3dt"));
    const QByteArray bytes = "vireoCacheVersion3.0.0.0,0\r\n/m/a.mp3,\"2012/03/04 05:06:08\",A,T,B,C,1999,1,1,1\r\n";
    writeFile(file, bytes);
    TID3List list;
    QStringList notices;
    tagcache::ReadV1Cache(list, file, [&](const QString &n) { notices << n; });
    EXPECT_EQ(list.Count(), 0);
    ASSERT_EQ(notices.size(), 1);
    EXPECT_TRUE(notices[0].startsWith(file + QStringLiteral(": "))) << qPrintable(notices[0]);
    EXPECT_TRUE(notices[0].contains(QStringLiteral("vireoCacheVersion3.0.0.0")));
    EXPECT_TRUE(logMessages().contains(notices[0]));
    EXPECT_EQ(readFile(file), bytes);
}

TEST_F(TagCache, VersionLineComparesOnlyTheFirstField)
{
    TID3List list;
    tagcache::LoadV1Cache(list, "vireoCacheVersion2.0.0.0,9,x\r\n/m/a.mp3,\"2012/03/04 05:06:08\",A,T,B,C,1999,1,1,1\r\n");
    EXPECT_EQ(list.Count(), 1);
}

TEST_F(TagCache, UnwritableDatesAreSkippedAndWritingGoesOn)
{
    TID3List list;
    for (int32_t date : {kDate, 0, -1, kDate}) {
        TID3ListItem *t = addTrack(list, QStringLiteral("/m/%1.mp3").arg(list.Count()), date);
        TID3v1Record r;
        r.Title = QByteArray("t");
        t->SetV1(r);
        t->SetV2(v2(QStringLiteral("t")));
    }
    TID3List back;
    tagcache::LoadV1Cache(back, tagcache::RenderV1Cache(list));
    tagcache::LoadV2Cache(back, tagcache::RenderV2Cache(list), {});
    ASSERT_EQ(back.Count(), 2);
    EXPECT_EQ(back.At(0)->FileName, QStringLiteral("/m/0.mp3"));
    EXPECT_EQ(back.At(1)->FileName, QStringLiteral("/m/3.mp3"));
    const QString log = logMessages().join(u'\n');
    EXPECT_EQ(log.count(QStringLiteral("ID3v1キャッシュ書き込みでエラー発生")), 2);
    EXPECT_EQ(log.count(QStringLiteral("ID3v2キャッシュ書き込みでエラー発生")), 2);
    EXPECT_TRUE(log.contains(QStringLiteral("/m/2.mp3")));
}

TEST_F(TagCache, PathOutsideTheTagCodePageStaysOutOfBothCaches)
{
    // Its ID3v1 row would come back under another path and leave the track,
    // found again through its ID3v2 row, without its ID3v1 values.
    TID3List list;
    TID3ListItem *t = addTrack(list, QStringLiteral("/m/Björk.mp3"), kDate);
    TID3v1Record r;
    r.Title = QByteArray("t");
    t->SetV1(r);
    t->SetV2(v2(QStringLiteral("t")));
    TID3ListItem *u = addTrack(list, QStringLiteral("/m/Sigur Rós.mp3"), kDate);
    u->SetV2(v2(QStringLiteral("only v2")));
    TID3List back;
    tagcache::LoadV1Cache(back, tagcache::RenderV1Cache(list));
    tagcache::LoadV2Cache(back, tagcache::RenderV2Cache(list), {});
    ASSERT_EQ(back.Count(), 1);
    EXPECT_EQ(back.At(0)->FileName, QStringLiteral("/m/Sigur Rós.mp3"));
}

TEST_F(TagCache, BadNumbersAndDatesSkipOnlyTheirRow)
{
    const QByteArray v1 = QByteArray("vireoCacheVersion2.0.0.0,0\r\n")
        + "/m/a.mp3,\"2012/03/04 05:06:08\",A,T,B,C,1999,abc,1,1\r\n"
        + "/m/b.mp3,\"not a date\",A,T,B,C,1999,1,1,1\r\n"
        + "/m/c.mp3,\"2012/03/04 05:06:08\",A,T,B,C,1999,1,\r\n"
        + "/m/d.mp3,\"1970/01/01 00:00:00\",A,T,B,C,1999,300,1,1\r\n"
        + "/m/e.mp3,\"1970/01/01 00:00:00\",A,T,B,C,1999\r\n";
    TID3List list;
    tagcache::LoadV1Cache(list, v1);
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(list.At(0)->FileName, QStringLiteral("/m/c.mp3"));
    EXPECT_EQ(list.At(0)->V1.Track, 0); // an empty track field
    EXPECT_EQ(list.At(1)->FileName, QStringLiteral("/m/e.mp3"));
    EXPECT_EQ(list.At(1)->FileDate, 0); // before 1980
    EXPECT_EQ(list.At(1)->V1.Genre, 255); // 7 fields: no genre field
}

TEST_F(TagCache, RepeatedPathsUpdateOneTrack)
{
    const QByteArray v1 = QByteArray("vireoCacheVersion2.0.0.0,0\r\n")
        + "/m/a.mp3,\"2012/03/04 05:06:08\",A,first,B,C,1999,1,1,1\r\n"
        + "/m/b.mp3,\"2012/03/04 05:06:08\",A,T,B,C,1999,1,1,1\r\n"
        + "/m/a.mp3,\"2013/03/04 05:06:08\",A,second,B,C,1999,1,1,1\r\n"
        + "/m/A.mp3,\"2013/03/04 05:06:08\",A,\"other case\",B,C,1999,1,1,1\r\n";
    TID3List list;
    tagcache::LoadV1Cache(list, v1);
    ASSERT_EQ(list.Count(), 3); // paths compare exactly
    EXPECT_EQ(list.At(0)->V1.Title.text(), QStringLiteral("second"));
    EXPECT_EQ(list.At(0)->FileDate >> 25, 2012 - 1980); // the date stays
    EXPECT_EQ(list.At(2)->FileName, QStringLiteral("/m/A.mp3"));
}

TEST_F(TagCache, FilesAreReplacedWholeAndMissingFilesDoNothing)
{
    TID3List list;
    tagcache::ReadV1Cache(list, home.file(QStringLiteral("vireo.3dt")));
    tagcache::ReadV2Cache(list, home.file(QStringLiteral("vireo.2dt")), {});
    EXPECT_EQ(list.Count(), 0);
    EXPECT_TRUE(logMessages().isEmpty());
    TID3ListItem *t = addTrack(list, QStringLiteral("/m/a.mp3"), kDate);
    t->SetV2(v2(QStringLiteral("t")));
    ASSERT_TRUE(tagcache::WriteV2Cache(list, home.file(QStringLiteral("vireo.2dt"))));
    EXPECT_FALSE(QFile::exists(home.file(QStringLiteral("vireo.2dt.tmp~"))));
    TID3List back;
    tagcache::ReadV2Cache(back, home.file(QStringLiteral("vireo.2dt")), {});
    EXPECT_EQ(back.Count(), 1);
    // A folder where the file should be: the write fails and says so.
    TID3List none;
    EXPECT_FALSE(tagcache::WriteV1Cache(none, home.path()).ok());
}

} // namespace

namespace {

ino_t inodeOf(const QString &path)
{
    struct stat st;
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_ino : 0;
}

TEST_F(TagCache, UnchangedCachesAreNotRewritten)
{
    TID3List list;
    TID3ListItem *t = addTrack(list, QStringLiteral("/m/a.mp3"), kDate);
    t->SetV2(v2(QStringLiteral("t")));
    const QString file = home.file(QStringLiteral("vireo.2dt"));
    ASSERT_TRUE(tagcache::WriteV2Cache(list, file));
    const ino_t first = inodeOf(file);
    ASSERT_TRUE(tagcache::WriteV2Cache(list, file));
    EXPECT_EQ(inodeOf(file), first); // same bytes: the file stays as it is
    t->V2.Title = QStringLiteral("u");
    ASSERT_TRUE(tagcache::WriteV2Cache(list, file));
    EXPECT_NE(inodeOf(file), first); // replaced through a new file
    TID3List back;
    tagcache::ReadV2Cache(back, file, {});
    ASSERT_EQ(back.Count(), 1);
    EXPECT_EQ(back.At(0)->V2.Title, QStringLiteral("u"));
}

} // namespace
