// Cross-checks with mutagen: what mutagen writes (2.3 and 2.4, every text
// encoding, Japanese text) we read, and what we write mutagen reads back,
// carried-over frames included.
#include "core/formats/ID3v2.h"
#include "core/platform/CodePage.h"
#include "tests/core/formats/ID3v2TestUtil.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace vireo;
using namespace vireo::test;

namespace {

struct MutagenCase {
    const char *name;
    int version;
    int encoding;      // what mutagen writes
    int writeEncoding; // what we write back
    bool japanese;
};
void PrintTo(const MutagenCase &c, std::ostream *os) { *os << c.name; }

QString script(const char *name)
{
    return QStringLiteral(VIREO_TEST_DATA "/id3v2/") + QString::fromLatin1(name);
}

RunResult python(const QStringList &args)
{
    return run(QStringLiteral(VIREO_PYTHON3), args);
}

class Id3v2Mutagen : public ::testing::TestWithParam<MutagenCase> {
protected:
    void SetUp() override
    {
        if (!haveMutagen())
            GTEST_SKIP() << "mutagen is not installed";
    }
};

TEST_P(Id3v2Mutagen, ReadsWhatMutagenWritesAndWritesWhatMutagenReads)
{
    const MutagenCase &c = GetParam();
    const bool jp = c.japanese;
    QJsonObject v;
    v[u"title"_qs] = jp ? u"日本語のタイトル"_qs : u"Title"_qs;
    v[u"artist"_qs] = jp ? u"アーティスト"_qs : u"Artist"_qs;
    v[u"album"_qs] = jp ? u"アルバム"_qs : u"Album"_qs;
    v[u"genre"_qs] = jp ? u"ロック"_qs : u"Rock"_qs;
    v[u"comment"_qs] = jp ? u"コメント\U00020BB7"_qs : u"Comment"_qs;
    v[u"other"_qs] = jp ? u"その他"_qs : u"Other"_qs;
    v[u"composer"_qs] = jp ? u"作曲者"_qs : u"Composer"_qs;
    v[u"band"_qs] = jp ? u"バンド"_qs : u"Band"_qs;
    v[u"lyrics"_qs] = jp ? u"歌詞です"_qs : u"Lyrics"_qs;
    v[u"group"_qs] = jp ? u"グループ"_qs : u"Group"_qs;

    QTemporaryDir dir;
    const QString path = dir.filePath(u"m.mp3"_qs), before = dir.filePath(u"before.mp3"_qs);
    writeFile(path, silentMpegFrames(20));
    const RunResult w = python({script("mutagen_write.py"), path, QString::number(c.version), QString::number(c.encoding),
                                QString::fromUtf8(QJsonDocument(v).toJson(QJsonDocument::Compact))});
    ASSERT_EQ(w.exitCode, 0) << w.err.constData();

    TID3v2 t;
    ASSERT_TRUE(t.LoadTag(path));
    ASSERT_TRUE(t.Present());
    EXPECT_EQ(t.MajorVersion(), c.version);
    EXPECT_EQ(t.Title(), v[u"title"_qs].toString());
    EXPECT_EQ(t.Artist(), v[u"artist"_qs].toString());
    EXPECT_EQ(t.Album(), v[u"album"_qs].toString());
    EXPECT_EQ(t.TrackNumber(), 3);
    EXPECT_EQ(t.TrackText(), u"3/12"_qs);
    EXPECT_EQ(t.Year(), u"2004"_qs);
    EXPECT_EQ(t.Genre(), v[u"genre"_qs].toString());
    EXPECT_EQ(t.Comment(), v[u"comment"_qs].toString());
    EXPECT_EQ(t.Composer(), v[u"composer"_qs].toString());
    EXPECT_EQ(t.EncodedBy(), u"enc"_qs);
    EXPECT_EQ(t.Copyright(), u"(c) 2004"_qs);
    EXPECT_EQ(t.OriginalArtist(), v[u"artist"_qs].toString());
    EXPECT_EQ(t.Url(), u"http://example.jp/a"_qs);
    EXPECT_EQ(t.TextEncoding(), c.encoding);
    EXPECT_EQ(t.Picture().MimeType, u"image/jpeg"_qs);
    EXPECT_EQ(t.Picture().PictureType, 3);
    EXPECT_EQ(t.Picture().ImageData, QByteArray("\xff\xd8\xff front").repeated(300));

    ASSERT_TRUE(QFile::copy(path, before));
    const QString newTitle = jp ? u"新しい\U0001F600題名"_qs : u"New title"_qs;
    t.setTitle(newTitle);
    t.setTextEncoding(uint16_t(c.writeEncoding));
    ASSERT_TRUE(t.SaveTag(path));

    QJsonObject expected;
    expected[u"TIT2"_qs] = newTitle;
    expected[u"TPE1"_qs] = v[u"artist"_qs];
    expected[u"TALB"_qs] = v[u"album"_qs];
    expected[u"TRCK"_qs] = u"3/12"_qs;
    expected[u"TYER"_qs] = u"2004"_qs;
    expected[u"TCON"_qs] = v[u"genre"_qs];
    expected[u"COMM::eng"_qs] = v[u"comment"_qs];
    expected[u"TCOM"_qs] = v[u"composer"_qs];
    expected[u"TOPE"_qs] = v[u"artist"_qs];
    expected[u"WXXX:"_qs] = u"http://example.jp/a"_qs;
    if (c.version == 4)
        expected[u"TDAT"_qs] = u"0105"_qs;
    const RunResult cmp = python({script("mutagen_compare.py"), before, path,
                                  QString::fromUtf8(QJsonDocument(expected).toJson(QJsonDocument::Compact))});
    ASSERT_EQ(cmp.exitCode, 0) << cmp.err.constData();
    EXPECT_EQ(cmp.out.trimmed(), "OK") << cmp.out.constData();

    TID3v2 back;
    ASSERT_TRUE(back.LoadTag(path));
    EXPECT_EQ(back.Title(), newTitle);
    EXPECT_EQ(back.Comment(), v[u"comment"_qs].toString());
    EXPECT_EQ(back.Picture().ImageData, t.Picture().ImageData);
    EXPECT_EQ(readFile(path).right(20 * 417), silentMpegFrames(20));
}

INSTANTIATE_TEST_SUITE_P(Versions, Id3v2Mutagen, ::testing::Values(
    MutagenCase{"v23_latin1", 3, 0, 0, false},
    MutagenCase{"v23_utf16", 3, 1, 1, true},
    MutagenCase{"v24_latin1", 4, 0, 0, false},
    MutagenCase{"v24_utf16", 4, 1, 1, true},
    MutagenCase{"v24_utf16be", 4, 2, 2, true},
    MutagenCase{"v24_utf8", 4, 3, 3, true}
), [](const auto &info) { return std::string(info.param.name); });

// Our own tags, read by mutagen directly.
TEST(Id3v2MutagenRead, ReadsOurTagsInEveryEncoding)
{
    if (!haveMutagen())
        GTEST_SKIP() << "mutagen is not installed";
    for (int enc : {0, 1, 2, 3}) {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"o.mp3"_qs);
        writeFile(path, silentMpegFrames(10));
        TID3v2 t;
        const QString title = enc == 0 ? u"日本"_qs : u"日本\U00020BB7"_qs; // Shift-JIS holds 日本
        t.setTitle(title);
        t.setComment(u"コメント"_qs);
        t.setTrackNumber(7);
        t.setTextEncoding(uint16_t(enc));
        ASSERT_TRUE(t.SaveTag(path));
        const QString code = QStringLiteral(
            "import sys\nfrom mutagen.id3 import ID3\nt = ID3(sys.argv[1], translate=False)\n"
            "sys.stdout.buffer.write(('%s|%s|%s' % (t['TIT2'].text[0], t['COMM::eng'].text[0], t['TRCK'].text[0])).encode('utf-8'))\n");
        const RunResult r = python({u"-c"_qs, code, path});
        ASSERT_EQ(r.exitCode, 0) << r.err.constData();
        if (enc == 0) // mutagen reads code 0 as ISO-8859-1; our code 0 is the tag code page
            EXPECT_EQ(QString::fromUtf8(r.out), QString::fromLatin1(toTagCodePage(title)) + u'|'
                                                    + QString::fromLatin1(toTagCodePage(u"コメント")) + u"|7"_qs);
        else
            EXPECT_EQ(QString::fromUtf8(r.out), title + u"|コメント|7"_qs) << "encoding " << enc;
    }
}

} // namespace
