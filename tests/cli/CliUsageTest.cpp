// Every command answers --help with its own usage and refuses options its
// usage does not name, instead of taking them as file names.
#include "tests/support/TestSupport.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace vireo::test;

TEST(CliUsage, HelpPrintsTheCommandsUsageAndDoesNothingElse)
{
    TempProgramFolder folder;
    const QString cwd = folder.path();
    // export-csv used to write a file named "--help".
    const RunResult r = run(QStringLiteral(VIREO_CLI), {QStringLiteral("export-csv"), QStringLiteral("--help")},
                            {QStringLiteral("VIREO_HOME=") + cwd});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_TRUE(r.out.startsWith("usage: vireo-cli export-csv FILE")) << r.out.constData();
    EXPECT_FALSE(QFileInfo::exists(QStringLiteral("--help")));
    EXPECT_FALSE(QFileInfo::exists(cwd + QStringLiteral("--help")));

    const RunResult info = runCli({QStringLiteral("info"), QStringLiteral("-h")});
    EXPECT_EQ(info.exitCode, 0);
    EXPECT_TRUE(info.out.startsWith("usage: vireo-cli info")) << info.out.constData();
}

TEST(CliUsage, UnknownOptionsAreRefusedWithTheUsage)
{
    TempProgramFolder folder;
    const RunResult r = runCli({QStringLiteral("export-csv"), QStringLiteral("--jsn")},
                               {QStringLiteral("VIREO_HOME=") + folder.path()});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_TRUE(r.err.contains("unknown option \"--jsn\"")) << r.err.constData();
    EXPECT_TRUE(r.err.contains("usage: vireo-cli export-csv FILE"));

    const RunResult list = runCli({QStringLiteral("list"), QStringLiteral("--v3")},
                                  {QStringLiteral("VIREO_HOME=") + folder.path()});
    EXPECT_EQ(list.exitCode, 2);
}

TEST(CliUsage, AnOptionsValueMayBeginWithADash)
{
    TempProgramFolder folder;
    const QString file = folder.file(QStringLiteral("a.mp3"));
    writeFile(file, silentMpegFrames(20));
    const RunResult r = runCli({QStringLiteral("tag"), file, QStringLiteral("--v2"), QStringLiteral("--title"), QStringLiteral("-Intro-")},
                               {QStringLiteral("VIREO_HOME=") + folder.path()});
    EXPECT_EQ(r.exitCode, 0) << r.err.constData();
    const RunResult info = runCli({QStringLiteral("info"), QStringLiteral("--json"), file});
    EXPECT_TRUE(info.out.contains("-Intro-")) << info.out.constData();
}

TEST(CliPaths, NamesTheProgramFolderFilesAndTheMusicFolder)
{
    TempProgramFolder folder;
    writeFile(folder.file(QStringLiteral("vireo.ini")), "[MP3Param]\r\nMP3Dir=/music/\r\n");
    const RunResult r = runCli({QStringLiteral("paths"), QStringLiteral("--json")},
                               {QStringLiteral("VIREO_HOME=") + folder.path()});
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    const QString home = folder.path();
    EXPECT_TRUE(r.out.contains(("\"temporary-playlist\": \"" + home + "$$vire$$.m3u\"").toUtf8())) << r.out.constData();
    EXPECT_TRUE(r.out.contains(("\"id3v2-cache\": \"" + home + "vireo.2dt\"").toUtf8())) << r.out.constData();
    EXPECT_TRUE(r.out.contains("\"music-folder\": \"/music/\"")) << r.out.constData();
}

// A first run that only reads (paths, info over no library) leaves no
// program folder behind; the folder appears with the first file written.
TEST(CliPaths, ReadingCommandsMakeNoProgramFolder)
{
    QTemporaryDir config;
    const QString folder = config.filePath(QStringLiteral("vireo"));
    const QStringList env{QStringLiteral("VIREO_HOME="), QStringLiteral("XDG_CONFIG_HOME=") + config.path()};
    const RunResult r = runCli({QStringLiteral("paths"), QStringLiteral("--json")}, env);
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    EXPECT_TRUE(r.out.contains(("\"program-folder\": \"" + folder + "/\"").toUtf8())) << r.out.constData();
    EXPECT_FALSE(QFileInfo::exists(folder));
}
