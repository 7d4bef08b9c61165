// vireo-cli scan, rebuild, list, export-csv and compilation, black box, on a
// real folder of MP3 files tagged by mutagen and by hand.
#include "tests/support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

using namespace vireo::test;

namespace {

QByteArray id3v1(const QByteArray &title, const QByteArray &artist, int track, int genre)
{
    QByteArray b(128, '\0');
    b.replace(0, 3, "TAG");
    b.replace(3, title.size(), title);
    b.replace(33, artist.size(), artist);
    b[126] = char(track);
    b[127] = char(genre);
    return b;
}

class LibraryCli : public ::testing::Test {
protected:
    void SetUp() override
    {
        music = home.file(QStringLiteral("music"));
        tagged = music + QStringLiteral("/日本/01 曲.mp3");
        writeFile(tagged, silentMpegFrames(3));
        if (haveMutagen()) {
            const RunResult r = run(QStringLiteral(VIREO_MID3V2),
                                    {QStringLiteral("-t"), QStringLiteral("タイトル, \"一\""), QStringLiteral("-a"),
                                     QStringLiteral("歌手"), QStringLiteral("-A"), QStringLiteral("Best"),
                                     QStringLiteral("-T"), QStringLiteral("2"), tagged});
            ASSERT_EQ(r.exitCode, 0) << r.err.constData();
        }
        v1only = music + QStringLiteral("/v1.MP3");
        writeFile(v1only, silentMpegFrames(2) + id3v1("Old", "\x83\x41", 5, 17));
        untagged = music + QStringLiteral("/sub/none.mp3");
        writeFile(untagged, silentMpegFrames(2));
        writeFile(music + QStringLiteral("/sub/cover.jpg"), "not music");
    }
    RunResult cli(const QStringList &args) { return runCli(args); }
    static QList<QByteArray> lines(const QByteArray &out)
    {
        QList<QByteArray> l = out.split('\n');
        if (!l.isEmpty() && l.last().isEmpty())
            l.removeLast();
        return l;
    }
    static QString value(const QByteArray &out, const char *key)
    {
        for (const QByteArray &l : lines(out))
            if (l.startsWith(QByteArray(key) + ": "))
                return QString::fromUtf8(l.mid(qstrlen(key) + 2));
        return QString();
    }

    TempProgramFolder home;
    QString music, tagged, v1only, untagged;
};

TEST_F(LibraryCli, ScanReadsOnceThenTrustsTheCaches)
{
    RunResult r = cli({QStringLiteral("scan"), music});
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    EXPECT_TRUE(r.err.isEmpty()) << r.err.constData(); // no progress when stderr is not a terminal
    EXPECT_EQ(value(r.out, "tracks"), QStringLiteral("3"));
    EXPECT_EQ(value(r.out, "found"), QStringLiteral("3"));
    EXPECT_EQ(value(r.out, "read from tags"), QStringLiteral("3"));
    EXPECT_FALSE(value(r.out, "elapsed").isEmpty());
    EXPECT_TRUE(QFile::exists(home.file(QStringLiteral("vireo.3dt"))));
    EXPECT_TRUE(QFile::exists(home.file(QStringLiteral("vireo.2dt"))) || !haveMutagen());

    r = cli({QStringLiteral("scan"), music});
    ASSERT_EQ(r.exitCode, 0);
    // The file with no tag is in neither cache, so it is read again.
    EXPECT_EQ(value(r.out, "read from tags"), QStringLiteral("1"));
    EXPECT_EQ(value(r.out, "from caches"), QStringLiteral("2"));

    r = cli({QStringLiteral("rebuild"), music});
    ASSERT_EQ(r.exitCode, 0);
    EXPECT_EQ(value(r.out, "read from tags"), QStringLiteral("3"));
    EXPECT_EQ(value(r.out, "tracks"), QStringLiteral("3"));
}

TEST_F(LibraryCli, ScanUsesTheMusicFolderSetting)
{
    RunResult r = cli({QStringLiteral("scan")});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_TRUE(QString::fromUtf8(r.err).contains(QStringLiteral("MP3が格納されているﾃﾞﾌｫﾙﾄﾌｫﾙﾀﾞの設定を行ってください")));
    writeFile(home.file(QStringLiteral("vireo.ini")),
              QStringLiteral("[MP3Param]\r\nMP3Dir=%1/\r\n").arg(music).toUtf8());
    r = cli({QStringLiteral("scan")});
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    EXPECT_EQ(value(r.out, "tracks"), QStringLiteral("3"));
    r = cli({QStringLiteral("scan"), home.file(QStringLiteral("nothing-here"))});
    EXPECT_NE(r.exitCode, 0);
    EXPECT_FALSE(r.err.isEmpty());
}

TEST_F(LibraryCli, ListShowsTheTrackListRows)
{
    ASSERT_EQ(cli({QStringLiteral("scan"), music}).exitCode, 0);
    RunResult r = cli({QStringLiteral("list")});
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    QStringList rows;
    for (const QByteArray &l : lines(r.out)) {
        const QStringList cells = QString::fromUtf8(l).split(u'\t');
        ASSERT_EQ(cells.size(), 11) << l.constData();
        rows.append(cells.mid(1).join(u'|'));
    }
    rows.sort();
    // The file without tags is in neither cache, so a new run does not know it.
    QStringList expected = {
        music + QStringLiteral("|v1.MP3|5|Old|ア|||Rock||ID3v1.1"),
    };
    if (haveMutagen())
        expected.append(music + QStringLiteral("/日本|01 曲.mp3|2|タイトル, \"一\"|歌手|Best||||ID3v2.4utf8"));
    expected.sort();
    EXPECT_EQ(rows.join(u'\n').toStdString(), expected.join(u'\n').toStdString());

    r = cli({QStringLiteral("list"), QStringLiteral("--json"), QStringLiteral("--v1")});
    ASSERT_EQ(r.exitCode, 0);
    int n = 0;
    for (const QByteArray &l : lines(r.out)) {
        QJsonParseError e;
        const QJsonObject o = QJsonDocument::fromJson(l, &e).object();
        ASSERT_EQ(e.error, QJsonParseError::NoError) << l.constData();
        EXPECT_EQ(o.size(), 12);
        EXPECT_TRUE(o.contains(QStringLiteral("フォルダ名")));
        EXPECT_TRUE(o.value(QStringLiteral("image")).isDouble());
        if (o.value(QStringLiteral("ファイル名")).toString() == QStringLiteral("01 曲.mp3")) {
            EXPECT_EQ(o.value(QStringLiteral("image")).toInt(), 2); // only ID3v2, shown off
            EXPECT_EQ(o.value(QStringLiteral("ID3Info")).toString(), QStringLiteral("-"));
        }
        ++n;
    }
    EXPECT_EQ(n, haveMutagen() ? 2 : 1);
    EXPECT_EQ(cli({QStringLiteral("list"), QStringLiteral("--bogus")}).exitCode, 2);
}

TEST_F(LibraryCli, ExportCsvAndCompilations)
{
    ASSERT_EQ(cli({QStringLiteral("scan"), music}).exitCode, 0);
    const QString csv = home.file(QStringLiteral("out.csv"));
    RunResult r = cli({QStringLiteral("export-csv"), csv});
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    const QByteArray bytes = readFile(csv);
    EXPECT_TRUE(bytes.startsWith(QStringLiteral("\"ファイル名\",\"トラックNO\"").toUtf8()));
    EXPECT_EQ(bytes.count("\r\n"), haveMutagen() ? 3 : 2);
    EXPECT_TRUE(bytes.contains(QStringLiteral("\"%1\",\"5\",\"Old\",\"ア\",\"\",\"\",\"Rock\",\"\"\r\n").arg(v1only).toUtf8()));
    EXPECT_NE(cli({QStringLiteral("export-csv"), home.file(QStringLiteral("no/dir/x.csv"))}).exitCode, 0);
    EXPECT_EQ(cli({QStringLiteral("export-csv")}).exitCode, 2);

    ASSERT_EQ(cli({QStringLiteral("compilation"), QStringLiteral("add"), QStringLiteral("Best")}).exitCode, 0);
    ASSERT_EQ(cli({QStringLiteral("compilation"), QStringLiteral("add"), QStringLiteral("BEST")}).exitCode, 0);
    ASSERT_EQ(cli({QStringLiteral("compilation"), QStringLiteral("add"), QStringLiteral("日本")}).exitCode, 0);
    r = cli({QStringLiteral("compilation"), QStringLiteral("list")});
    ASSERT_EQ(r.exitCode, 0);
    EXPECT_EQ(QString::fromUtf8(r.out), QStringLiteral("Best\n日本\n"));
    EXPECT_EQ(readFile(home.file(QStringLiteral("vireo.cpi"))),
              QByteArray("\xFF\xFE" "B\0e\0s\0t\0\r\0\n\0\xE5\x65\x2C\x67\r\0\n\0", 22));
    ASSERT_EQ(cli({QStringLiteral("compilation"), QStringLiteral("remove"), QStringLiteral("best")}).exitCode, 0);
    r = cli({QStringLiteral("compilation"), QStringLiteral("list")});
    EXPECT_EQ(QString::fromUtf8(r.out), QStringLiteral("日本\n"));
    EXPECT_EQ(cli({QStringLiteral("compilation"), QStringLiteral("rename")}).exitCode, 2);
}

} // namespace
