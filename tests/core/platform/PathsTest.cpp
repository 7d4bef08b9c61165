#include "core/platform/FileAccess.h"
#include "core/platform/FileWriter.h"
#include "core/platform/Paths.h"
#include "tests/support/TestSupport.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace vireo;

TEST(Paths, Parts)
{
    EXPECT_EQ(extractFilePath(u"/music/a/b.mp3"), QStringLiteral("/music/a/"));
    EXPECT_EQ(extractFileDir(u"/music/a/b.mp3"), QStringLiteral("/music/a"));
    EXPECT_EQ(extractFileDir(u"/b.mp3"), QStringLiteral("/"));
    EXPECT_EQ(extractFileName(u"/music/a/b.mp3"), QStringLiteral("b.mp3"));
    EXPECT_EQ(extractFileName(u"b.mp3"), QStringLiteral("b.mp3"));
    EXPECT_EQ(extractFileExt(u"/m.x/b.MP3"), QStringLiteral(".MP3"));
    EXPECT_EQ(extractFileExt(u"/m.x/b"), QString());
    EXPECT_EQ(changeFileExt(u"/p/vireo", u".ini"), QStringLiteral("/p/vireo.ini"));
    EXPECT_EQ(includeTrailingSlash(u"/a"), QStringLiteral("/a/"));
    EXPECT_EQ(includeTrailingSlash(u"/a/"), QStringLiteral("/a/"));
    EXPECT_EQ(excludeTrailingSlash(u"/a/"), QStringLiteral("/a"));
    EXPECT_EQ(excludeTrailingSlash(u"/"), QStringLiteral("/"));
    EXPECT_FALSE(samePath(u"/a/B.mp3", u"/a/b.mp3"));
}

TEST(Paths, ProgramFolderFollowsVireoHome)
{
    vireo::test::TempProgramFolder home;
    EXPECT_EQ(programPath(u".ini"), home.path() + QStringLiteral("vireo.ini"));
}

// Reading the program folder's name creates nothing; the first file
// written there makes the folder (and its missing parents).
TEST(Paths, ProgramFolderIsMadeByTheFirstWriteOnly)
{
    QTemporaryDir dir;
    const QString home = dir.filePath(QStringLiteral("new/vireo"));
    qputenv("VIREO_HOME", QFile::encodeName(home));
    setProgramFolder(QString());
    EXPECT_EQ(programFolder(), home + u'/');
    EXPECT_EQ(programPath(u".3dt"), home + QStringLiteral("/vireo.3dt"));
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("new"))));

    // A file elsewhere whose folder is missing still fails as before.
    EXPECT_FALSE(writeFileAtomically(dir.filePath(QStringLiteral("other/x.txt")), "x"));
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("other"))));

    EXPECT_TRUE(writeFileAtomically(programPath(u".ini"), "[MP3Param]\r\n"));
    EXPECT_TRUE(QFileInfo::exists(home + QStringLiteral("/vireo.ini")));
    qunsetenv("VIREO_HOME");
    setProgramFolder(QString());
}

TEST(FileAccess, DosDate)
{
    // 2001-02-03 04:05:06 local time.
    struct tm t = {};
    t.tm_year = 101; t.tm_mon = 1; t.tm_mday = 3; t.tm_hour = 4; t.tm_min = 5; t.tm_sec = 6; t.tm_isdst = -1;
    const int32_t d = packDosDateTime(mktime(&t));
    EXPECT_EQ(uint32_t(d) >> 16, (21u << 9) | (2u << 5) | 3u);
    EXPECT_EQ(uint32_t(d) & 0xFFFF, (4u << 11) | (5u << 5) | 3u);
    t.tm_year = 70;
    EXPECT_EQ(packDosDateTime(mktime(&t)), -1);
}

TEST(FileAccess, AtomicReplaceKeepsModeAndLeavesNoTemporary)
{
    vireo::test::TempProgramFolder dir;
    const QString path = dir.file(QStringLiteral("f.txt"));
    vireo::test::writeFile(path, "old");
    ::chmod(QFile::encodeName(path).constData(), 0600);
    ASSERT_TRUE(writeFileAtomically(path, "new contents").ok());
    EXPECT_EQ(vireo::test::readFile(path), QByteArray("new contents"));
    struct stat st;
    ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
    EXPECT_FALSE(QFile::exists(path + QStringLiteral(".tmp~")));

    const Result bad = writeFileAtomically(dir.file(QStringLiteral("no/such/dir/f")), "x");
    EXPECT_FALSE(bad.ok());
    EXPECT_FALSE(bad.message().isEmpty());
}

TEST(FileAccess, ReaderReadsByPosition)
{
    vireo::test::TempProgramFolder dir;
    const QString path = dir.file(QStringLiteral("r.bin"));
    vireo::test::writeFile(path, "0123456789");
    FileReader r;
    ASSERT_TRUE(r.open(path));
    EXPECT_EQ(r.size(), 10);
    EXPECT_EQ(r.readAt(7, 10), QByteArray("789"));
    QByteArray out;
    EXPECT_FALSE(r.readExact(8, 5, out));
    EXPECT_TRUE(r.readExact(2, 3, out));
    EXPECT_EQ(out, QByteArray("234"));
    EXPECT_FALSE(r.open(dir.file(QStringLiteral("missing"))));
}
