#include "tests/support/TestSupport.h"

#include "core/fileops/CsvExport.h"
#include "core/library/LibraryStore.h"
#include "core/platform/CodePage.h"
#include "core/platform/Paths.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace vireo;
using namespace vireo::test;

namespace {

const QByteArray kHeader = QStringLiteral("\"ファイル名\",\"トラックNO\",\"タイトル\",\"アーティスト名\",\"アルバム名\",\"年\",\"ジャンル\",\"コメント\"\r\n").toUtf8();

class Csv : public ::testing::Test {
protected:
    Csv() : store(programPath(u"")) { store.setSaveCachesOnDestroy(false); }
    TID3ListItem *add(const QString &path)
    {
        return store.Tracks().Add(std::make_unique<TID3ListItem>(path, 1));
    }
    TempProgramFolder home;
    TID3TagUseful store;
};

TEST_F(Csv, EmptyLibraryGivesTheHeaderOnly)
{
    EXPECT_EQ(RenderCsv(store), kHeader);
}

TEST_F(Csv, OneLinePerTrackFromTheId3v1Values)
{
    TID3v1Record r;
    r.Title = QByteArray("say \"hi\"");
    r.Artist = toTagCodePage(QStringLiteral("歌手"));
    r.Album = QByteArray("Al\r\nbum");
    r.Year = QByteArray("1999");
    r.Comment = QByteArray("c");
    r.Genre = 17;
    r.Track = 3;
    add(QStringLiteral("/m/日本/a.mp3"))->SetV1(r);
    TID3v2Record v2;
    v2.Title = QStringLiteral("not used");
    add(QStringLiteral("/m/v2only.mp3"))->SetV2(v2);
    r.Genre = 255;
    r.Track = 0;
    add(QStringLiteral("/m/no genre.mp3"))->SetV1(r);
    const QByteArray expected = kHeader
        + QStringLiteral("\"/m/日本/a.mp3\",\"3\",\"say \"hi\"\",\"歌手\",\"Al\r\nbum\",\"1999\",\"Rock\",\"c\"\r\n").toUtf8()
        + "\"/m/v2only.mp3\",\"0\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n"
        + "\"/m/no genre.mp3\",\"0\",\"say \"hi\"\",\"\xe6\xad\x8c\xe6\x89\x8b\",\"Al\r\nbum\",\"1999\",\"\",\"c\"\r\n";
    EXPECT_EQ(RenderCsv(store), expected);
}

TEST_F(Csv, WritesTheFileWholeOrNotAtAll)
{
    add(QStringLiteral("/m/a.mp3"));
    const QString file = home.file(QStringLiteral("out.csv"));
    writeFile(file, "old contents");
    ASSERT_TRUE(ExportCsv(store, file));
    EXPECT_EQ(readFile(file), RenderCsv(store));
    const Result r = ExportCsv(store, home.file(QStringLiteral("no/such/folder/out.csv")));
    EXPECT_FALSE(r.ok());
    EXPECT_FALSE(r.message().isEmpty());
}

} // namespace
