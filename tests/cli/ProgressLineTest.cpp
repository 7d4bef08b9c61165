// Long commands show a progress line with counts and the elapsed time on a
// terminal, and print nothing extra when their output is not a terminal.
#include "tests/support/TestSupport.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace vireo::test;

namespace {
QString makeFolder(const TempProgramFolder &home, int files)
{
    const QString music = home.file(QStringLiteral("music/"));
    const QByteArray frames = silentMpegFrames(10);
    for (int i = 0; i < files; ++i)
        writeFile(music + QStringLiteral("a%1/t%2.mp3").arg(i % 7).arg(i), frames);
    return music;
}
}

TEST(ProgressLine, ShownOnATerminalWithCountsAndTime)
{
    TempProgramFolder home;
    const QString music = makeFolder(home, 40);
    const RunResult r = runCliOnTerminal({QStringLiteral("rebuild"), music}, {QStringLiteral("VIREO_HOME=") + home.path()});
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    EXPECT_TRUE(r.out.contains("\r\x1b[K")) << r.out.constData();
    EXPECT_TRUE(r.out.contains(" s  ")) << r.out.constData();
    EXPECT_TRUE(r.out.contains("tracks: 40")) << r.out.constData();
}

TEST(ProgressLine, AbsentWhenOutputIsAPipe)
{
    TempProgramFolder home;
    const QString music = makeFolder(home, 40);
    const RunResult r = runCli({QStringLiteral("rebuild"), music}, {QStringLiteral("VIREO_HOME=") + home.path()});
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    EXPECT_TRUE(r.err.isEmpty()) << r.err.constData();
    EXPECT_FALSE(r.out.contains('\r'));
}

// Not a progress matter, but the same long commands: while another run holds
// the program folder, a scan reads but leaves the caches alone.
#include "core/platform/InstanceLock.h"
#include <QFileInfo>

TEST(CacheOwnership, AScanWhileTheWindowRunsLeavesTheCachesAlone)
{
    TempProgramFolder home;
    const QString music = makeFolder(home, 3);
    auto held = vireo::InstanceLock::acquire(home.path());
    ASSERT_TRUE(held.ok());
    const RunResult r = runCli({QStringLiteral("scan"), music}, {QStringLiteral("VIREO_HOME=") + home.path()});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains("既に起動しています")) << r.err.constData();
    EXPECT_FALSE(QFileInfo::exists(home.file(QStringLiteral("vireo.3dt"))));
}
