// Damaged files in the program folder and bad file names, black box: each
// gets one message that names the file and the cause, and nothing is lost
// (the file stays as it was, the command still does its work).
#include "tests/support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace vireo::test;

namespace {

const QByteArray kPng = QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0\0\x10\0\0\0\x10\x08\x06\0\0\0", 29) + QByteArray(300, '\x7f');

QStringList home(const TempProgramFolder &folder) { return {QStringLiteral("VIREO_HOME=") + folder.path()}; }

TEST(DamagedProgramFiles, BinarySettingsFileIsNamedReadAsDefaultsAndKept)
{
    TempProgramFolder folder;
    const QString ini = folder.file(QStringLiteral("vireo.ini"));
    writeFile(ini, kPng);
    RunResult r = runCli({QStringLiteral("settings"), QStringLiteral("get"), QStringLiteral("MP3Dir")}, home(folder));
    EXPECT_EQ(r.exitCode, 0) << r.err.constData();
    EXPECT_EQ(QString::fromUtf8(r.err).count(ini), 1) << r.err.constData();
    EXPECT_TRUE(r.err.contains("NUL")) << r.err.constData();

    r = runCli({QStringLiteral("settings"), QStringLiteral("set"), QStringLiteral("MP3Dir"), QStringLiteral("/music/")}, home(folder));
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains(ini.toUtf8())) << r.err.constData();
    EXPECT_EQ(readFile(ini), kPng);

    // Commands over the library say it once too, and still run.
    r = runCli({QStringLiteral("compilation"), QStringLiteral("list")}, home(folder));
    EXPECT_EQ(r.exitCode, 0) << r.err.constData();
    EXPECT_EQ(QString::fromUtf8(r.err).count(ini), 1) << r.err.constData();
    EXPECT_EQ(readFile(ini), kPng);
}

TEST(DamagedProgramFiles, BinaryCompilationListIsNamedAndKept)
{
    TempProgramFolder folder;
    const QString cpi = folder.file(QStringLiteral("vireo.cpi"));
    writeFile(cpi, kPng);
    RunResult r = runCli({QStringLiteral("compilation"), QStringLiteral("list")}, home(folder));
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_TRUE(r.out.isEmpty()) << r.out.constData();
    EXPECT_TRUE(r.err.contains(cpi.toUtf8())) << r.err.constData();
    EXPECT_TRUE(r.err.contains("NUL")) << r.err.constData();
    r = runCli({QStringLiteral("compilation"), QStringLiteral("add"), QStringLiteral("Best")}, home(folder));
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(readFile(cpi), kPng);
}

TEST(DamagedProgramFiles, V1CacheOfAnotherVersionIsNamed)
{
    TempProgramFolder folder;
    const QString v1 = folder.file(QStringLiteral("vireo.3dt"));
    writeFile(v1, "/m/a.mp3,\"2012/03/04 05:06:08\",A,T,B,C,1999,1,1,1\r\n"); // no version line at all
    const RunResult r = runCli({QStringLiteral("list")}, home(folder));
    EXPECT_EQ(r.exitCode, 0) << r.err.constData();
    EXPECT_TRUE(r.err.contains((v1 + QStringLiteral(": 1行目がバージョン行")).toUtf8())) << r.err.constData();
    EXPECT_EQ(QString::fromUtf8(r.err).count(v1), 1) << r.err.constData();
    EXPECT_FALSE(r.out.contains("/m/a.mp3")) << r.out.constData();
    // A cache holds nothing the MP3 files do not: it is written again in
    // the current form, as after any start.
    EXPECT_TRUE(readFile(v1).startsWith("vireoCacheVersion2.0.0.0,0\r\n"));
}

struct BadName {
    const char *name;
    const char *cause;
};
void PrintTo(const BadName &c, std::ostream *os) { *os << c.name; }
class TagBadName : public ::testing::TestWithParam<BadName> {};

TEST_P(TagBadName, SaysWhatIsWrongWithTheName)
{
    QTemporaryDir dir;
    const QString d = dir.path();
    const QByteArray native = QFile::encodeName(d);
    QString target;
    const std::string which = GetParam().name;
    if (which == "loop") {
        ASSERT_EQ(::symlink("b.mp3", (native + "/a.mp3").constData()), 0);
        ASSERT_EQ(::symlink("a.mp3", (native + "/b.mp3").constData()), 0);
        target = d + QStringLiteral("/a.mp3");
    } else if (which == "fifo") {
        ASSERT_EQ(::mkfifo((native + "/p.mp3").constData(), 0600), 0);
        target = d + QStringLiteral("/p.mp3");
    } else if (which == "missing") {
        target = d + QStringLiteral("/none.mp3");
    } else if (which == "not_a_folder") {
        writeFile(d + QStringLiteral("/file"), "x");
        target = d + QStringLiteral("/file/x.mp3");
    }
    RunResult r;
    if (which == "not_utf8") {
        // A real file whose name holds a byte that is not UTF-8: the name
        // cannot reach the program intact, and the message says so.
        const QByteArray name = native + "/caf\xE9.mp3";
        ::close(::open(name.constData(), O_CREAT | O_WRONLY, 0600));
        r = run(QStringLiteral("/bin/sh"), {QStringLiteral("-c"),
                 QStringLiteral("exec \"$0\" tag \"$1/$(printf 'caf\\351.mp3')\" --v2 --title x"),
                 QStringLiteral(VIREO_CLI), d});
    } else {
        r = runCli({QStringLiteral("tag"), target, QStringLiteral("--v2"), QStringLiteral("--title"), QStringLiteral("x")});
    }
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains(GetParam().cause)) << r.err.constData();
    if (which == "fifo") {
        struct stat st;
        ASSERT_EQ(::stat((native + "/p.mp3").constData(), &st), 0);
        EXPECT_TRUE(S_ISFIFO(st.st_mode));
    }
}

INSTANTIATE_TEST_SUITE_P(Names, TagBadName, ::testing::Values(
    BadName{"loop", "a loop of symbolic links"},
    BadName{"fifo", "not a regular file"},
    BadName{"missing", "no such file"},
    BadName{"not_a_folder", "Not a directory"},
    BadName{"not_utf8", "not valid UTF-8"}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
