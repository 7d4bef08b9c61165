// The "送る" tools' command lines, log lines and real detached start, and the
// rules of dragging and dropping.
#include "tests/support/TestSupport.h"

#include "core/fileops/DragRules.h"
#include "core/fileops/ExternalTools.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

using namespace vireo;
using namespace vireo::test;

namespace {

TEST(ToolMenu, MissingOrEmptyPathsStayHidden)
{
    QTemporaryDir dir;
    const QString tool = dir.filePath(QStringLiteral("tag tool"));
    writeFile(tool, "#!/bin/sh\n");
    const ToolMenu menu = SetupToolMenu({QString(), dir.filePath(QStringLiteral("gone")), tool}, {0, 1, 1});
    EXPECT_FALSE(menu[0].visible);
    EXPECT_FALSE(menu[1].visible);
    ASSERT_TRUE(menu[2].visible);
    EXPECT_EQ(menu[2].caption, QStringLiteral("tag tool"));
    EXPECT_EQ(menu[2].hint, tool);
    EXPECT_EQ(menu[2].form, 1);
    EXPECT_TRUE(menu[1].caption.isEmpty());
}

TEST(ToolLaunchLine, OneQuotedArgumentPerTrackEndingWithASpace)
{
    const ToolLaunch l = BuildToolLaunch(QStringLiteral("/opt/t/tool"), 0,
                                         {QStringLiteral("/m/a b.mp3"), QStringLiteral("/m/c.mp3")}, QString());
    EXPECT_TRUE(l.starts);
    EXPECT_EQ(l.programText, QStringLiteral("\"/opt/t/tool\""));
    EXPECT_EQ(l.parameterText, QStringLiteral("\"/m/a b.mp3\" \"/m/c.mp3\" "));
    EXPECT_EQ(l.arguments, (QStringList{QStringLiteral("/m/a b.mp3"), QStringLiteral("/m/c.mp3")}));
    EXPECT_EQ(l.workingFolder, QStringLiteral("/opt/t"));
    EXPECT_EQ(l.logLines(), (QStringList{QStringLiteral("実行アプリケーション\"/opt/t/tool\""),
                                         QStringLiteral("引数\"/m/a b.mp3\" \"/m/c.mp3\" "),
                                         QStringLiteral("作業ディレクトリ\"/opt/t\"")}));
}

TEST(ToolLaunchLine, PlaylistFormAndUnknownForm)
{
    const ToolLaunch l = BuildToolLaunch(QStringLiteral("/t"), 1, {QStringLiteral("/m/a.mp3")},
                                         QStringLiteral("/p/$$vire$$.m3u"));
    EXPECT_EQ(l.parameterText, QStringLiteral("\"/p/$$vire$$.m3u\""));
    EXPECT_EQ(l.arguments, QStringList{QStringLiteral("/p/$$vire$$.m3u")});
    EXPECT_EQ(l.workingFolder, QStringLiteral("/"));
    const ToolLaunch other = BuildToolLaunch(QStringLiteral("/t"), 7, {QStringLiteral("/m/a.mp3")}, QString());
    EXPECT_FALSE(other.starts);
    EXPECT_EQ(other.logLines().size(), 3);
}

class ToolRun : public ::testing::Test {
protected:
    ToolRun()
    {
        // A real program that records its arguments and working folder.
        tool = dir.filePath(QStringLiteral("record"));
        out = dir.filePath(QStringLiteral("out.txt"));
        writeFile(tool, "#!/bin/sh\nfor a in \"$@\"; do echo \"arg:$a\"; done > \"" + out.toUtf8() + ".tmp\"\n"
                        "pwd >> \"" + out.toUtf8() + ".tmp\"\nmv \"" + out.toUtf8() + ".tmp\" \"" + out.toUtf8() + "\"\n");
        QFile::setPermissions(tool, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        runner.log = [this](const QString &line) { log << line; };
    }
    QStringList waitForOutput()
    {
        QElapsedTimer t;
        t.start();
        while (!QFileInfo::exists(out) && t.elapsed() < 10000)
            QThread::msleep(20);
        return QString::fromUtf8(readFile(out)).split(u'\n', Qt::SkipEmptyParts);
    }
    QTemporaryDir dir;
    TempProgramFolder program;
    QString tool, out;
    QStringList log;
    ToolRunner runner;
};

TEST_F(ToolRun, EachTrackReachesTheToolWhole)
{
    ToolMenuEntry entry{true, QStringLiteral("record"), tool, 0};
    const QStringList tracks{QStringLiteral("/m/a \"b\".mp3"), QStringLiteral("/m/曲 2.mp3")};
    ASSERT_TRUE(runner.run(entry, tracks).ok());
    EXPECT_EQ(waitForOutput(), (QStringList{QStringLiteral("arg:/m/a \"b\".mp3"), QStringLiteral("arg:/m/曲 2.mp3"),
                                            dir.path()}));
    ASSERT_EQ(log.size(), 3);
    EXPECT_EQ(log[2], QStringLiteral("作業ディレクトリ\"") + dir.path() + u'"');
}

TEST_F(ToolRun, PlaylistFormGetsTheTemporaryPlaylist)
{
    ToolMenuEntry entry{true, QStringLiteral("record"), tool, 1};
    ASSERT_TRUE(runner.run(entry, {QStringLiteral("/m/1.mp3"), QStringLiteral("/m/2.mp3")}).ok());
    const QString playlist = program.file(QStringLiteral("$$vire$$.m3u"));
    EXPECT_EQ(waitForOutput(), (QStringList{QStringLiteral("arg:") + playlist, dir.path()}));
    EXPECT_EQ(readFile(playlist), QByteArray("/m/1.mp3\r\n/m/2.mp3\r\n"));
    EXPECT_EQ(log.value(1), QStringLiteral("引数\"") + playlist + u'"');
}

TEST_F(ToolRun, NoSelectionOrUnwritablePlaylistStartsAndLogsNothing)
{
    ToolMenuEntry entry{true, QStringLiteral("record"), tool, 1};
    EXPECT_TRUE(runner.run(entry, {}).ok());
    runner.playlistPath = dir.filePath(QStringLiteral("no/such/folder/x.m3u"));
    EXPECT_FALSE(runner.run(entry, {QStringLiteral("/m/1.mp3")}).ok());
    EXPECT_TRUE(log.isEmpty());
    QThread::msleep(200);
    EXPECT_FALSE(QFileInfo::exists(out));
}

TEST_F(ToolRun, AFailedStartIsStillLogged)
{
    ToolMenuEntry entry{true, QStringLiteral("gone"), dir.filePath(QStringLiteral("gone")), 0};
    EXPECT_FALSE(runner.run(entry, {QStringLiteral("/m/1.mp3")}).ok());
    EXPECT_EQ(log.size(), 3);
}

// ---- drag and drop ----------------------------------------------------------

struct StartCase {
    const char *what;
    QPoint start;
    bool dragging;
    Qt::MouseButtons buttons;
    Qt::KeyboardModifiers modifiers;
    QPoint pos;
    bool selection;
    bool starts;
};
class DragStart : public ::testing::TestWithParam<StartCase> {};

TEST_P(DragStart, TenPixelsOneButtonNoModifiers)
{
    const StartCase &c = GetParam();
    DragStartState state{c.start, c.dragging};
    EXPECT_EQ(ShouldStartDrag(state, c.buttons, c.modifiers, c.pos, c.selection), c.starts) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DragStart,
    ::testing::Values(
        StartCase{"9 px", {50, 50}, false, Qt::LeftButton, Qt::NoModifier, {59, 58}, true, false},
        StartCase{"10 px right", {50, 50}, false, Qt::LeftButton, Qt::NoModifier, {60, 50}, true, true},
        StartCase{"10 px up", {50, 50}, false, Qt::LeftButton, Qt::NoModifier, {50, 40}, true, true},
        StartCase{"right button", {50, 50}, false, Qt::RightButton, Qt::NoModifier, {40, 50}, true, true},
        StartCase{"both buttons", {50, 50}, false, Qt::LeftButton | Qt::RightButton, Qt::NoModifier, {70, 50}, true, false},
        StartCase{"no button", {50, 50}, false, Qt::NoButton, Qt::NoModifier, {70, 50}, true, false},
        StartCase{"shift", {50, 50}, false, Qt::LeftButton, Qt::ShiftModifier, {70, 50}, true, false},
        StartCase{"ctrl", {50, 50}, false, Qt::LeftButton, Qt::ControlModifier, {70, 50}, true, false},
        StartCase{"alt", {50, 50}, false, Qt::LeftButton, Qt::AltModifier, {70, 50}, true, false},
        StartCase{"keypad ok", {50, 50}, false, Qt::LeftButton, Qt::KeypadModifier, {70, 50}, true, true},
        StartCase{"no press yet", {-1, -1}, false, Qt::LeftButton, Qt::NoModifier, {70, 50}, true, false},
        StartCase{"already dragging", {50, 50}, true, Qt::LeftButton, Qt::NoModifier, {70, 50}, true, false},
        StartCase{"nothing selected", {50, 50}, false, Qt::LeftButton, Qt::NoModifier, {70, 50}, false, false}));

TEST(DropRules, EffectsScrollZonesCursorsAndTexts)
{
    EXPECT_EQ(ChooseTreeDropAction(Qt::CopyAction | Qt::MoveAction), Qt::CopyAction);
    EXPECT_EQ(ChooseTreeDropAction(Qt::MoveAction | Qt::LinkAction), Qt::MoveAction);
    EXPECT_EQ(ChooseTreeDropAction(Qt::LinkAction), Qt::LinkAction);
    EXPECT_EQ(ChooseTreeDropAction(Qt::IgnoreAction), Qt::IgnoreAction);
    EXPECT_EQ(ChooseCopyOnlyDropAction(Qt::CopyAction | Qt::MoveAction), Qt::CopyAction);
    EXPECT_EQ(ChooseCopyOnlyDropAction(Qt::MoveAction), Qt::IgnoreAction);

    EXPECT_TRUE(InDropScrollZone(14, 200));
    EXPECT_FALSE(InDropScrollZone(15, 200));
    EXPECT_FALSE(InDropScrollZone(185, 200));
    EXPECT_TRUE(InDropScrollZone(186, 200));

    const std::pair<Qt::DropAction, bool> inputs[] = {{Qt::CopyAction, false}, {Qt::MoveAction, false},
                                                      {Qt::LinkAction, false}, {Qt::CopyAction, true},
                                                      {Qt::MoveAction, true},  {Qt::LinkAction, true}};
    const char *names[] = {"COPY", "MOVE", "LINK", "COPYSC", "MOVESC", "LINKSC"};
    for (int i = 0; i < 6; ++i) {
        const DragCursor c = DragCursorFor(inputs[i].first, inputs[i].second);
        EXPECT_EQ(DragCursorName(c), QString::fromLatin1(names[i]));
        EXPECT_EQ(DragCursorSlot(c), 101 + i);
    }
    EXPECT_EQ(DragCursorFor(Qt::IgnoreAction, true), DragCursor::Default);

    EXPECT_EQ(DropOutcomeText(Qt::CopyAction), QStringLiteral("Copied successfully"));
    EXPECT_EQ(DropOutcomeText(Qt::MoveAction), QStringLiteral("Moved successfully"));
    EXPECT_EQ(DropOutcomeText(Qt::LinkAction), QStringLiteral("Linked successfully"));
    EXPECT_EQ(DropOutcomeText(Qt::IgnoreAction), QStringLiteral("Drop was cancelled"));
    EXPECT_EQ(DropOutcomeText(Qt::TargetMoveAction), QStringLiteral("Drop cancelled - unknown reason"));
}

} // namespace
