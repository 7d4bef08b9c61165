#include "core/playback/PlayerCommand.h"
#include "core/playback/TcmxMP3.h"
#include "core/playback/TempPlaylist.h"

#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

using namespace vireo;

namespace {

const QString kList = QStringLiteral("/opt/ヴィレオ/$$vire$$.m3u");
const QString kFolder = QStringLiteral("/opt/ヴィレオ/");

struct CommandCase {
    const char *name;
    PlayerChoice choice;
    PlayerCommand::Kind kind;
    QString file;
    QString parameters;
    QString program;
    QStringList arguments;
};

class BuildPlayerCommand : public ::testing::TestWithParam<CommandCase> {};

TEST_P(BuildPlayerCommand, GivesTheExactCommand)
{
    const CommandCase &c = GetParam();
    const PlayerCommand cmd = buildPlayerCommand(c.choice, kList, kFolder);
    EXPECT_EQ(cmd.kind, c.kind);
    EXPECT_EQ(cmd.file, c.file);
    EXPECT_EQ(cmd.parameters, c.parameters);
    EXPECT_EQ(cmd.program, c.program);
    EXPECT_EQ(cmd.arguments, c.arguments);
    if (c.kind != PlayerCommand::BuiltIn) {
        EXPECT_EQ(cmd.workingFolder, QStringLiteral("/opt/ヴィレオ"));
    }
}

const QString kQuoted = u'"' + kList + u'"';

INSTANTIATE_TEST_SUITE_P(
    Choices, BuildPlayerCommand,
    ::testing::Values(
        CommandCase{"DefaultEmptyOptionGivesTwoQuotes", {0, {}, {}, {}}, PlayerCommand::OpenWithDefault,
                    kQuoted, QStringLiteral("\"\""), QStringLiteral("xdg-open"), {kList}},
        CommandCase{"DefaultOptionQuoted", {0, QStringLiteral("/enqueue"), {}, {}},
                    PlayerCommand::OpenWithDefault, kQuoted, QStringLiteral("\"/enqueue\""),
                    QStringLiteral("xdg-open"), {kList}},
        CommandCase{"NamedPlayer", {1, {}, QStringLiteral("/usr/bin/player"), QStringLiteral("/add")},
                    PlayerCommand::StartProgram, QStringLiteral("/usr/bin/player"),
                    QStringLiteral("/add ") + kQuoted, QStringLiteral("/usr/bin/player"),
                    {QStringLiteral("/add"), kList}},
        CommandCase{"NamedPlayerOptionsSplit",
                    {1, {}, QStringLiteral("/usr/bin/mpv"), QStringLiteral("--shuffle --title=\"a b\"")},
                    PlayerCommand::StartProgram, QStringLiteral("/usr/bin/mpv"),
                    QStringLiteral("--shuffle --title=\"a b\" ") + kQuoted, QStringLiteral("/usr/bin/mpv"),
                    {QStringLiteral("--shuffle"), QStringLiteral("--title=a b"), kList}},
        CommandCase{"NamedPlayerNoOption", {1, {}, QStringLiteral("/usr/bin/vlc"), {}},
                    PlayerCommand::StartProgram, QStringLiteral("/usr/bin/vlc"), QStringLiteral(" ") + kQuoted,
                    QStringLiteral("/usr/bin/vlc"), {kList}},
        CommandCase{"BuiltIn", {2, {}, {}, {}}, PlayerCommand::BuiltIn, {}, {}, {}, {}},
        CommandCase{"OtherValueOpensWithoutOption", {7, QStringLiteral("x"), {}, {}},
                    PlayerCommand::OpenWithDefault, kQuoted, QString(), QStringLiteral("xdg-open"), {kList}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(SelectedRowPaths, WalksFromTheFirstSelectedRowInListOrder)
{
    const QStringList rows{"1", "2", "3", "4", "5", "6"};
    EXPECT_EQ(selectedRowPaths(rows, {false, true, false, false, true, false}), (QStringList{"2", "5"}));
    EXPECT_EQ(selectedRowPaths(rows, std::vector<bool>(6, false)), QStringList());
    EXPECT_EQ(selectedRowPaths(rows, {true, false, false, false, false, true}), (QStringList{"1", "6"}));
}

TEST(ShuffleLines, SeededShuffleKeepsTheLinesAndRepeats)
{
    QStringList one{QStringLiteral("a")};
    std::mt19937 g1(42);
    shuffleLines(one, g1);
    EXPECT_EQ(one, QStringList{QStringLiteral("a")});

    QStringList lines;
    for (int i = 0; i < 20; ++i)
        lines << QString::number(i);
    QStringList a = lines, b = lines;
    std::mt19937 ga(7), gb(7);
    shuffleLines(a, ga);
    shuffleLines(b, gb);
    EXPECT_EQ(a, b);          // the same seed gives the same order
    EXPECT_NE(a, lines);      // 200 exchanges move something
    QStringList sorted = a;
    std::sort(sorted.begin(), sorted.end(), [](const QString &x, const QString &y) { return x.toInt() < y.toInt(); });
    EXPECT_EQ(sorted, lines); // nothing lost, nothing doubled
}

TEST(ShuffleLines, TwoLinesUseTwentyExchangesAndEndInEitherOrder)
{
    bool sawSwapped = false, sawKept = false;
    for (unsigned seed = 0; seed < 64; ++seed) {
        QStringList two{QStringLiteral("a"), QStringLiteral("b")};
        std::mt19937 g(seed);
        std::mt19937 counter(seed);
        shuffleLines(two, g);
        counter.discard(40); // 20 exchanges draw 40 numbers
        EXPECT_EQ(g(), counter()) << seed;
        (two.first() == QLatin1String("a") ? sawKept : sawSwapped) = true;
    }
    EXPECT_TRUE(sawKept);
    EXPECT_TRUE(sawSwapped);
}

TEST(TemporaryPlaylist, JapanesePathsAreWrittenAsUtf8)
{
    test::TempProgramFolder folder;
    const QString path = temporaryPlaylistPath();
    EXPECT_EQ(path, folder.file(QStringLiteral("$$vire$$.m3u")));
    std::mt19937 g(1);
    const QString ja = QStringLiteral("/音楽/アーティスト/01 曲.mp3");
    ASSERT_TRUE(writeTemporaryPlaylist(path, {ja, QStringLiteral("/b.mp3")}, false, g).ok());
    EXPECT_EQ(test::readFile(path), ja.toUtf8() + "\r\n/b.mp3\r\n");
    ASSERT_TRUE(writeTemporaryPlaylist(path, {}, false, g).ok());
    EXPECT_EQ(test::readFile(path), QByteArray());
    removeTemporaryPlaylist(path);
    EXPECT_FALSE(QFile::exists(path));
}

TEST(PlayerTexts, SecondsCaptionsAndErrors)
{
    EXPECT_EQ(secondsFromMs(205900), 205);
    EXPECT_EQ(secondsFromMs(0), 0);
    EXPECT_EQ(secondsFromMs(3600999), 3600);
    EXPECT_EQ(progressCaption(65), QStringLiteral("01:05"));
    EXPECT_EQ(progressCaption(205), QStringLiteral("03:25"));
    EXPECT_EQ(progressCaption(0), QStringLiteral("00:00"));
    EXPECT_EQ(playerErrorText(275, QStringLiteral("ファイルが見つかりません")),
              QStringLiteral("275 - ファイルが見つかりません"));
    EXPECT_EQ(playerErrorText(3, QString()), QStringLiteral("原因不明のエラー"));
}

} // namespace
