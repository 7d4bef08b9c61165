// vireo-cli rename, bulk and undo, black box over a scanned library of real
// MP3 files: what they write is read back by mutagen, and undo restores
// every file byte for byte.
#include "tests/support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

using namespace vireo::test;

namespace {

class EditingCli : public ::testing::Test {
protected:
    TempProgramFolder home;
    QString music;
    QStringList files;
    QList<QByteArray> before;
    void SetUp() override
    {
        if (!haveMutagen())
            GTEST_SKIP() << "mutagen missing";
        music = home.file(QStringLiteral("music"));
        const struct { const char *name, *artist, *album, *title; } songs[] = {
            {"a/1.mp3", "歌手", "一枚目", "朝"}, {"a/2.mp3", "歌手", "一枚目", "昼"},
            {"a/3.mp3", "歌手", "二枚目", "夜"}, {"b/1.mp3", "Other", "X", "Y"}};
        for (const auto &s : songs) {
            const QString path = music + QLatin1Char('/') + QString::fromUtf8(s.name);
            writeFile(path, silentMpegFrames(3));
            const RunResult r = run(QStringLiteral(VIREO_MID3V2),
                                    {QStringLiteral("-a"), QString::fromUtf8(s.artist), QStringLiteral("-A"),
                                     QString::fromUtf8(s.album), QStringLiteral("-t"), QString::fromUtf8(s.title), path});
            ASSERT_EQ(r.exitCode, 0) << r.err.constData();
            files.append(path);
            before.append(readFile(path));
        }
        const RunResult scan = runCli({QStringLiteral("scan"), music});
        ASSERT_EQ(scan.exitCode, 0) << scan.err.constData();
    }
    QString frame(const QString &path, const char *id)
    {
        const RunResult r = run(QStringLiteral(VIREO_PYTHON3),
                                {QStringLiteral("-c"),
                                 QStringLiteral("import sys; from mutagen.id3 import ID3; t = ID3(sys.argv[1]); "
                                                "print(t['%1'].text[0] if '%1' in t else '')").arg(QLatin1String(id)),
                                 path});
        EXPECT_EQ(r.exitCode, 0) << r.err.constData();
        return QString::fromUtf8(r.out).trimmed();
    }
    QByteArray v1Tail(const QString &path) { return readFile(path).right(128); }
};

TEST_F(EditingCli, RenameArtistThenUndo)
{
    const RunResult r = runCli({QStringLiteral("rename"), QStringLiteral("artist"), QStringLiteral("歌手"),
                                QStringLiteral("新しい歌手")});
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    EXPECT_TRUE(r.out.contains("3 of 3 files written"));
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(frame(files[i], "TPE1"), u"新しい歌手");
        EXPECT_TRUE(v1Tail(files[i]).startsWith("TAG")); // files without ID3v1 gain one
    }
    EXPECT_EQ(frame(files[3], "TPE1"), u"Other");
    const RunResult list = runCli({QStringLiteral("undo"), QStringLiteral("--list"), QStringLiteral("--json")});
    ASSERT_EQ(list.exitCode, 0);
    const QJsonArray entries = QJsonDocument::fromJson(list.out).array();
    ASSERT_EQ(entries.size(), 1);
    EXPECT_EQ(entries[0].toObject().value(QLatin1String("files")).toInt(), 3);

    const RunResult undo = runCli({QStringLiteral("undo")});
    ASSERT_EQ(undo.exitCode, 0) << undo.err.constData();
    for (int i = 0; i < files.size(); ++i)
        EXPECT_EQ(readFile(files[i]), before[i]);
    // The library followed the files back.
    const RunResult rows = runCli({QStringLiteral("list")});
    EXPECT_TRUE(QString::fromUtf8(rows.out).contains(u"歌手"));
    EXPECT_FALSE(QString::fromUtf8(rows.out).contains(u"新しい歌手"));
    EXPECT_NE(runCli({QStringLiteral("undo")}).exitCode, 0); // nothing left
}

TEST_F(EditingCli, RenameAlbumTouchesOnlyThatAlbum)
{
    const RunResult r = runCli({QStringLiteral("rename"), QStringLiteral("album"), QStringLiteral("歌手"),
                                QStringLiteral("一枚目"), QStringLiteral("First")});
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    EXPECT_EQ(frame(files[0], "TALB"), u"First");
    EXPECT_EQ(frame(files[1], "TALB"), u"First");
    EXPECT_EQ(frame(files[2], "TALB"), u"二枚目");
    EXPECT_NE(runCli({QStringLiteral("rename"), QStringLiteral("artist"), QStringLiteral("Nobody"),
                      QStringLiteral("X")}).exitCode, 0);
}

TEST_F(EditingCli, BulkNumbersFilesAndSetsAlbum)
{
    const RunResult r = runCli({QStringLiteral("bulk"), files[2], files[0], QStringLiteral("--album"),
                                QStringLiteral("Best"), QStringLiteral("--number-from"), QStringLiteral("299"),
                                QStringLiteral("--encoding"), QStringLiteral("Unicode")});
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    EXPECT_EQ(frame(files[2], "TRCK"), u"299");
    EXPECT_EQ(frame(files[0], "TRCK"), u"300");
    EXPECT_EQ(frame(files[0], "TALB"), u"Best");
    EXPECT_EQ(frame(files[0], "TIT2"), u"朝");
    EXPECT_EQ(frame(files[1], "TALB"), u"一枚目");
}

TEST_F(EditingCli, BulkRefusesLossyAnsiAndMissingFiles)
{
    const RunResult lossy = runCli({QStringLiteral("bulk"), files[0], QStringLiteral("--artist"),
                                    QStringLiteral("Beyoncé ☃")});
    EXPECT_EQ(lossy.exitCode, 2);
    EXPECT_EQ(readFile(files[0]), before[0]);
    const RunResult missing = runCli({QStringLiteral("bulk"), music + QStringLiteral("/nope.mp3"),
                                      QStringLiteral("--artist"), QStringLiteral("A")});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_EQ(runCli({QStringLiteral("bulk"), files[0]}).exitCode, 2);
}

} // namespace

TEST_F(EditingCli, LongSavesShowAProgressLineOnATerminalOnly)
{
    const QList<QStringList> commands = {
        QStringList{QStringLiteral("bulk")} + files + QStringList{QStringLiteral("--year"), QStringLiteral("2001")},
        {QStringLiteral("rename"), QStringLiteral("artist"), QStringLiteral("歌手"), QStringLiteral("別の歌手")},
        {QStringLiteral("rename"), QStringLiteral("album"), QStringLiteral("別の歌手"), QStringLiteral("一枚目"),
         QStringLiteral("最初")},
    };
    for (const QStringList &c : commands) {
        const RunResult tty = runCliOnTerminal(c, {QStringLiteral("VIREO_HOME=") + home.path()});
        ASSERT_EQ(tty.exitCode, 0) << tty.out.constData();
        EXPECT_TRUE(tty.out.contains("\r\x1b[K" + c.first().toUtf8() + ' ')) << tty.out.constData();
        EXPECT_TRUE(tty.out.contains("files written")) << tty.out.constData();
        ASSERT_EQ(runCli({QStringLiteral("undo")}).exitCode, 0);
        const RunResult piped = runCli(c);
        ASSERT_EQ(piped.exitCode, 0) << piped.err.constData();
        EXPECT_TRUE(piped.err.isEmpty()) << piped.err.constData();
        EXPECT_FALSE(piped.out.contains('\r'));
    }
}
