#include "tests/core/settings/SettingsFixture.h"
#include "core/settings/CommaText.h"
#include "core/settings/MainWindowSettings.h"
#include "core/settings/ProfileFile.h"

#include <QDir>
#include <QFile>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

using namespace vireo;
using vireo::test::SettingsFixture;

namespace {

// A state unlike the defaults in every kind of value.
MainWindowSettings changedState()
{
    MainWindowSettings s;
    s.maximized = true;
    s.top = 10;
    s.left = 20;
    s.height = 700;
    s.width = 1000;
    s.trackListFont = {QStringLiteral("Noto Sans CJK JP"), 10, 0x000080, FontValue::Bold, 128};
    s.treeColor = 0x00123456;
    s.musicFolder = QStringLiteral("/home/user/音楽/");
    s.playerOption = QStringLiteral("\"%s\"");
    s.playlistFolder = QStringLiteral("/home/user/playlists/");
    s.tools[0] = QStringLiteral("/usr/bin/mp3gain");
    s.toolParams[0] = 1;
    s.columnWidths[trackcolumn::Folder] = 100;
    s.columnWidths[trackcolumn::Comment] = 0;
    s.hiddenGenres = {QStringLiteral("Hip Hop"), QStringLiteral("Rock")};
    s.keepHiddenGenres = false;
    s.rowColor1 = colors::White;
    s.skin = QStringLiteral("Fusion");
    s.coverListSize = 2;
    return s;
}

// Fills every member with something no load would give, except the fonts:
// a font is read over the font it has, key by key.
MainWindowSettings garbage()
{
    MainWindowSettings s;
    s.top = s.left = s.height = s.width = -99;
    s.trackListColor = s.treeColor = s.rowColor1 = s.rowColor2 = 7;
    s.musicFolder = s.playerPath = s.playerOption = s.playDefaultOption = s.playlistFolder = QStringLiteral("x");
    s.externalTagEditor = s.proxyAddress = s.proxyPort = s.skin = QStringLiteral("x");
    s.tools = {QStringLiteral("x"), QStringLiteral("x"), QStringLiteral("x")};
    s.toolParams = {9, 9, 9};
    s.columnWidths.fill(9);
    s.restoreWidths.fill(9);
    s.playDefault = s.lastSortColumn = s.treePanelWidth = s.coverListSize = s.proxyUse = 9;
    s.hiddenGenres = {QStringLiteral("x")};
    s.externalTagEditorOn = s.artistNameChangeDlg = s.albumNameChangeDlg = s.infoAreaVisible = true;
    s.allAlbumTabs = s.showTitleNums = s.showAlbumArtist = s.cacheOnly = true;
    s.coverListAlbumNames = s.artworkVisible = s.useSkin = true;
    s.treePanelVisible = s.keepHiddenGenres = s.hideMissingTracks = s.preferV2 = false;
    s.genreCodeInText = s.coverListVisible = false;
    return s;
}

} // namespace

TEST_F(SettingsFixture, WithoutAFileTheLoadGivesEveryDefault)
{
    MainWindowSettings s = garbage();
    int cachesLoaded = 0;
    EXPECT_TRUE(loadSettings(*store, s, [&] {
        ++cachesLoaded;
        WriteLog(u"caches");
    }).ok()); // no file is not a damaged file
    EXPECT_TRUE(s == MainWindowSettings());
    EXPECT_EQ(s.top, 93);
    EXPECT_EQ(s.columnWidths[trackcolumn::FileName], 0);
    EXPECT_EQ(s.columnWidths[trackcolumn::Folder], 0);
    EXPECT_EQ(s.playlistFolder, defaultPlaylistFolder());
    EXPECT_TRUE(s.playlistFolder.endsWith(u'/'));
    EXPECT_EQ(cachesLoaded, 1);
    EXPECT_EQ(logLines(), (QStringList{QStringLiteral("パラメタの読み込み開始"), QStringLiteral("caches"),
                                       QStringLiteral("パラメタの読み込み終了")}));
    EXPECT_EQ(store->IniFileName, ini());
    EXPECT_FALSE(QFile::exists(ini())); // reading creates nothing
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(SettingsFixture, ABinarySettingsFileGivesTheDefaultsAndIsReturnedAsTheProblem)
{
    vireo::test::writeFile(ini(), QByteArray("\x00\x01\x02[MP3Param]\x00MP3Dir=/x\x00", 24));
    MainWindowSettings s = garbage();
    const Result r = loadSettings(*store, s);
    EXPECT_FALSE(r.ok());
    EXPECT_TRUE(logLines().contains(r.message()));
    EXPECT_TRUE(s.musicFolder.isEmpty());
}

TEST_F(SettingsFixture, ASaveFromNothingWritesTheExpectedFile)
{
    EXPECT_TRUE(loadSettings(*store, *std::make_unique<MainWindowSettings>()).ok());
    ASSERT_TRUE(saveSettings(*store, changedState()).ok());
    const QByteArray expected = vireo::test::readFile(QStringLiteral(VIREO_TEST_DATA "/settings/saved-from-nothing.ini"));
    ASSERT_FALSE(expected.isEmpty());
    EXPECT_EQ(QString::fromUtf8(iniBytes()), QString::fromUtf8(expected));
    EXPECT_EQ(ProfileDocument::parse(iniBytes()).sections(),
              (QStringList{QStringLiteral("MainForm"), QStringLiteral("MusicList"), QStringLiteral("ArticetList"),
                           QStringLiteral("MP3Param"), QStringLiteral("AlbumList")}));
    const QStringList log = logLines();
    EXPECT_EQ(log.mid(log.size() - 2),
              (QStringList{QStringLiteral("パラメタ保存開始"), QStringLiteral("パラメタ保存終了")}));
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(SettingsFixture, WhatASaveWritesTheNextLoadReads)
{
    MainWindowSettings saved = changedState();
    saved.keepHiddenGenres = true;
    saved.hiddenGenres = {QStringLiteral("Hip Hop")}; // one quoted item: the whole value is in quotes
    saved.artworkVisible = true;
    saved.tools[2] = QStringLiteral("  /opt/tool with spaces  ");
    ASSERT_TRUE(saveSettings(*store, saved).ok());

    MainWindowSettings loaded = garbage();
    EXPECT_TRUE(loadSettings(*store, loaded).ok());
    MainWindowSettings expected = saved;
    expected.maximized = false; // written, never read
    EXPECT_TRUE(loaded == expected);
    EXPECT_EQ(loaded.hiddenGenres, expected.hiddenGenres);
    EXPECT_EQ(loaded.tools, expected.tools);
    EXPECT_EQ(loaded.toolParams, expected.toolParams);
    EXPECT_EQ(loaded.columnWidths, expected.columnWidths);
    EXPECT_EQ(loaded.playerOption, expected.playerOption);
    EXPECT_EQ(loaded.treeFont, expected.treeFont);
    EXPECT_EQ(loaded.hiddenGenres, QStringList{QStringLiteral("Hip Hop")});
    EXPECT_EQ(loaded.tools[2], saved.tools[2]);
    EXPECT_EQ(loaded.trackListFont, saved.trackListFont);
}

TEST_F(SettingsFixture, HiddenGenresAreSavedAlwaysButLoadedOnlyWhenKept)
{
    MainWindowSettings s;
    s.keepHiddenGenres = false;
    s.hiddenGenres = {QStringLiteral("Hip Hop"), QStringLiteral("Acid Jazz")};
    ASSERT_TRUE(saveSettings(*store, s).ok());
    EXPECT_EQ(readProfileString(ini(), u"ArticetList", u"OutViewGenre", {}), QStringLiteral("\"Hip Hop\",\"Acid Jazz\""));
    MainWindowSettings loaded;
    EXPECT_TRUE(loadSettings(*store, loaded).ok());
    EXPECT_TRUE(loaded.hiddenGenres.isEmpty());

    ASSERT_TRUE(writeProfileString(ini(), u"ArticetList", u"ViewGenreFlg", u"1").ok());
    EXPECT_TRUE(loadSettings(*store, loaded).ok());
    EXPECT_EQ(loaded.hiddenGenres, s.hiddenGenres);
}

TEST_F(SettingsFixture, AFileFromAnotherRunKeepsItsOwnLinesAndOrder)
{
    writeIni("; settings\n[MP3Param]\nTagCodePage=CP1252\nSkin=Old\n\n[Mine]\nx=1\n");
    ASSERT_TRUE(saveSettings(*store, MainWindowSettings()).ok());
    const ProfileDocument doc = ProfileDocument::parse(iniBytes());
    EXPECT_TRUE(iniBytes().startsWith("; settings\n[MP3Param]\nTagCodePage=CP1252\nSkin=Nexos4\n"));
    EXPECT_EQ(doc.value(u"Mine", u"x"), QStringLiteral("1"));
    EXPECT_EQ(doc.sections(), (QStringList{QStringLiteral("MP3Param"), QStringLiteral("Mine"), QStringLiteral("MainForm"),
                                           QStringLiteral("MusicList"), QStringLiteral("ArticetList"),
                                           QStringLiteral("AlbumList")}));
}

TEST_F(SettingsFixture, ABadColourDoesNotStopTheLoad)
{
    writeIni("[MusicList]\nColor=lightblue\nLVM_ListColor2=clRed\n[MP3Param]\nSkin=Later\n");
    MainWindowSettings s;
    EXPECT_TRUE(loadSettings(*store, s).ok());
    EXPECT_EQ(s.trackListColor, colors::Window);
    EXPECT_EQ(s.rowColor2, 0x0000FFu);
    EXPECT_EQ(s.skin, QStringLiteral("Later"));
    EXPECT_TRUE(logLines().contains(QStringLiteral("ListView_MAIN_Color: 'lightblue' is not a valid integer value")));
    EXPECT_EQ(logLines().last(), QStringLiteral("パラメタの読み込み終了"));
}

namespace {
// A filer whose writes of one key fail, as a full disk or a lost mount would.
class FailingFiler : public TRegFiler {
public:
    FailingFiler(TRegManager &store, QString failIdent) : TRegFiler(store), m_fail(std::move(failIdent)) {}
    Result WriteString(const QString &section, const QString &ident, const QString &value) override
    {
        if (ident == m_fail)
            return Result::failure(QStringLiteral("disk full に書き込めません"));
        return TRegFiler::WriteString(section, ident, value);
    }
private:
    QString m_fail;
};
class FailingStore : public TRegManager {
protected:
    std::unique_ptr<TRegFiler> CreateFiler() override { return std::make_unique<FailingFiler>(*this, QStringLiteral("Palyer")); }
};
} // namespace

TEST_F(SettingsFixture, AFailedKeyIsReportedOnceAndTheSaveGoesOn)
{
    FailingStore failing;
    fillSettingsCatalogue(failing.RegItems);
    failing.IniFileName = ini();
    const Result r = saveSettings(failing, changedState());
    EXPECT_FALSE(r.ok());
    EXPECT_EQ(r.message(), QStringLiteral("disk full に書き込めません"));
    const ProfileDocument doc = ProfileDocument::parse(iniBytes());
    EXPECT_FALSE(doc.value(u"MP3Param", u"Palyer").has_value());
    EXPECT_EQ(doc.value(u"MP3Param", u"Skin"), QStringLiteral("Fusion")); // written after the failure
    EXPECT_EQ(doc.value(u"AlbumList", u"ShowAlbumArtist"), QStringLiteral("0"));
    EXPECT_EQ(logLines().filter(QStringLiteral("に書き込めません")),
              QStringList{QStringLiteral("MP3Player: disk full に書き込めません")});
}

TEST_F(SettingsFixture, ASaveThatCannotWriteAtAllEndsAndLeavesTheFileAlone)
{
    writeIni("[MP3Param]\nSkin=Mine\n");
    // An immutable file cannot be replaced, not even by root: every replacement fails.
    const int fd = ::open(QFile::encodeName(ini()).constData(), O_RDONLY | O_CLOEXEC);
    int flags = 0;
    if (fd < 0 || ::ioctl(fd, FS_IOC_GETFLAGS, &flags) != 0
        || (flags |= FS_IMMUTABLE_FL, ::ioctl(fd, FS_IOC_SETFLAGS, &flags)) != 0) {
        if (fd >= 0)
            ::close(fd);
        GTEST_SKIP() << "the file system cannot make a file immutable here";
    }
    const Result r = saveSettings(*store, changedState());
    flags &= ~FS_IMMUTABLE_FL;
    ::ioctl(fd, FS_IOC_SETFLAGS, &flags);
    ::close(fd);
    EXPECT_FALSE(r.ok());
    EXPECT_EQ(r.message(), ini() + QStringLiteral(" に書き込めません"));
    EXPECT_EQ(iniBytes(), QByteArray("[MP3Param]\nSkin=Mine\n"));
    const QStringList log = logLines();
    EXPECT_EQ(log.last(), QStringLiteral("パラメタ保存終了"));
    // Each entry is reported once (a font's five keys as one).
    EXPECT_EQ(log.filter(QStringLiteral("MainForm_Top:")).size(), 1);
    EXPECT_EQ(log.filter(QStringLiteral("ListView_MAIN_FONT:")).size(), 1);
}

TEST_F(SettingsFixture, HiddenColumnsStayHidden)
{
    writeIni("[MusicList]\nLVM_TittleWidth=0\nLVM_FolderWidth=120\n");
    MainWindowSettings s;
    EXPECT_TRUE(loadSettings(*store, s).ok());
    EXPECT_EQ(s.columnWidths[trackcolumn::Title], 0);
    EXPECT_EQ(s.columnWidths[trackcolumn::Folder], 120);
    EXPECT_EQ(s.restoreWidths[trackcolumn::Title], 200);
    EXPECT_EQ(columnWidthEntry(trackcolumn::Title), u"LVM_TittleWidth");
    EXPECT_TRUE(columnWidthEntry(0).isEmpty());
}
