#include "core/settings/OptionsModel.h"
#include "core/settings/ProfileFile.h"
#include "core/settings/SettingsCatalogue.h"

#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

using namespace vireo;

namespace {

OptionsState filled(const MainWindowSettings &s)
{
    return optionsFromSettings(s, true, {QStringLiteral("Rock"), QStringLiteral("blues"), QStringLiteral("Acid")},
                               {QStringLiteral("Best Of")}, 0, {});
}

class FolderTest : public ::testing::TestWithParam<std::pair<const char *, const char *>> {};

TEST_P(FolderTest, GetsItsSeparator)
{
    EXPECT_EQ(folderWithSeparator(QString::fromUtf8(GetParam().first)), QString::fromUtf8(GetParam().second));
}

INSTANTIATE_TEST_SUITE_P(Cases, FolderTest,
                         ::testing::Values(std::pair{"/home/u/Music", "/home/u/Music/"},
                                           std::pair{"/home/u/Music/", "/home/u/Music/"}, std::pair{"", "/"},
                                           std::pair{"/音楽\\", "/音楽\\/"}));

TEST(OptionsFill, ShowsTheSettingsAndTheStore)
{
    MainWindowSettings s;
    s.hiddenGenres = {QStringLiteral("Rock"), QStringLiteral("NoSuchGenre")};
    s.toolParams = {0, 5, 1};
    s.proxyUse = 7;
    s.playDefault = 9;
    const OptionsState o = filled(s);
    EXPECT_TRUE(o.cacheLoaded);
    EXPECT_EQ(o.genres, QStringList({QStringLiteral("Acid"), QStringLiteral("blues"), QStringLiteral("Rock")}));
    EXPECT_EQ(o.hiddenGenres, QStringList{QStringLiteral("Rock")});
    EXPECT_EQ(o.toolParams, (std::array<int, 3>{0, 1, 1}));
    EXPECT_EQ(o.proxyUse, 0);
    EXPECT_EQ(o.playDefault, 0);
    EXPECT_EQ(o.compilations, QStringList{QStringLiteral("Best Of")});
}

TEST(OptionsOk, TakesEveryFieldBack)
{
    MainWindowSettings s;
    OptionsState o = filled(s);
    o.musicFolder = QStringLiteral("/music");
    o.playlistFolder = QString();
    o.tools = {QStringLiteral("/bin/a"), QString(), QStringLiteral("/bin/c")};
    o.toolParams = {1, 0, 1};
    o.cacheOnly = true;
    o.preferV2 = false;
    o.playDefault = 2;
    o.proxyUse = 2;
    o.proxyAddress = QStringLiteral("127.0.0.1");
    o.proxyPort = QStringLiteral("3128");
    o.hideMissingTracks = false;
    o.genreCodeInText = false;
    o.hiddenGenres = {QStringLiteral("Rock"), QStringLiteral("Acid")};
    const OptionsOutcome out = applyOptions(o, true, {QStringLiteral("Best Of")}, s);
    EXPECT_EQ(s.musicFolder, QStringLiteral("/music/"));
    EXPECT_EQ(s.playlistFolder, QStringLiteral("/"));
    EXPECT_EQ(s.tools[2], QStringLiteral("/bin/c"));
    EXPECT_EQ(s.toolParams, (std::array<int, 3>{1, 0, 1}));
    EXPECT_TRUE(s.cacheOnly);
    EXPECT_FALSE(s.preferV2);
    EXPECT_EQ(s.playDefault, 2);
    EXPECT_EQ(s.proxyUse, 2);
    EXPECT_EQ(s.proxyPort, QStringLiteral("3128"));
    EXPECT_FALSE(s.hideMissingTracks);
    EXPECT_FALSE(s.genreCodeInText); // the check box is stored
    // The hidden genres follow the list's order, not the order of the clicks.
    EXPECT_EQ(s.hiddenGenres, QStringList({QStringLiteral("Acid"), QStringLiteral("Rock")}));
    EXPECT_TRUE(out.rebuildTrees);
    EXPECT_TRUE(out.toolsChanged);
    EXPECT_TRUE(out.preferenceChanged);
    EXPECT_FALSE(out.compilationsChanged);
}

TEST(OptionsOk, UntouchedGenresDoNotRebuild)
{
    MainWindowSettings s;
    const MainWindowSettings before = s;
    OptionsState o = filled(s);
    o.musicFolder = s.musicFolder;
    const OptionsOutcome out = applyOptions(o, false, {QStringLiteral("Best Of")}, s);
    EXPECT_FALSE(out.rebuildTrees);
    EXPECT_FALSE(out.toolsChanged);
    EXPECT_FALSE(out.preferenceChanged);
}

TEST(OptionsOk, RemovedCompilationIsReported)
{
    MainWindowSettings s;
    OptionsState o = filled(s);
    o.compilations.clear();
    EXPECT_TRUE(applyOptions(o, false, {QStringLiteral("Best Of")}, s).compilationsChanged);
}

TEST(OptionsOk, ImmediateKeysReachTheFileAtOnce)
{
    test::TempProgramFolder home;
    auto store = makeSettingsStore();
    MainWindowSettings s;
    OptionsState o = filled(s);
    o.v2DefaultCharCode = 2;
    o.coverSearch.sources = {coverart::CoverSource::Deezer};
    ASSERT_TRUE(writeImmediateOptions(*store, o).ok());
    EXPECT_EQ(readProfileString(store->IniFileName, u"MP3Param", u"V2DefaultCharCode", {}), QStringLiteral("2"));
    EXPECT_EQ(readProfileString(store->IniFileName, u"MP3Param", u"CoverSearchSources", {}), QStringLiteral("deezer"));
    // Nothing else is written before the settings save.
    EXPECT_TRUE(readProfileString(store->IniFileName, u"MP3Param", u"MP3Dir", QStringLiteral("none")) == u"none");
}

TEST(UiPage, PresetThenApplyToTheTrackListOnly)
{
    MainWindowSettings s;
    const MainWindowSettings before = s;
    const UiSample current{s.trackListFont, s.trackListColor};
    const UiSample white = applyPreset(UiPreset::WhiteOnBlack, current, {});
    EXPECT_EQ(white.font.color, colors::White);
    EXPECT_EQ(white.background, colors::Black);
    EXPECT_EQ(white.font.name, current.font.name);
    applyUiSamples(s, white, 0x123456, 0x654321, true, false);
    EXPECT_EQ(s.trackListFont.color, colors::White);
    EXPECT_EQ(s.trackListColor, colors::Black);
    EXPECT_EQ(s.treeFont, before.treeFont);
    EXPECT_EQ(s.treeColor, before.treeColor);
    EXPECT_EQ(s.rowColor1, before.rowColor1);
    EXPECT_EQ(s.rowColor2, before.rowColor2);
}

TEST(UiPage, TreesTakeTheRowColoursToo)
{
    MainWindowSettings s;
    const UiSample green = applyPreset(UiPreset::GreenOnBlack, {s.trackListFont, s.trackListColor}, {});
    EXPECT_EQ(green.font.color, 0x00FF00u);
    applyUiSamples(s, green, 0x123456, 0x654321, false, true);
    EXPECT_EQ(s.treeColor, colors::Black);
    EXPECT_EQ(s.rowColor1, 0x123456u);
    EXPECT_EQ(s.rowColor2, 0x654321u);
    EXPECT_EQ(s.trackListColor, MainWindowSettings().trackListColor);

    const FontValue title{QStringLiteral("Sans"), 10, colors::Black, 0, 1};
    const UiSample def = applyPreset(UiPreset::Default, green, title);
    EXPECT_EQ(def.font, title);
    EXPECT_EQ(def.background, colors::Window);
    EXPECT_EQ(applyPreset(UiPreset::BlackOnWhite, green, title).background, colors::White);
}

} // namespace
