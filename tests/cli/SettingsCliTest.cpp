#include "tests/support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

#include <unistd.h>

using namespace vireo::test;

namespace {

class SettingsCli : public ::testing::Test {
protected:
    RunResult cli(const QStringList &args) { return runCli(QStringList{QStringLiteral("settings")} + args, env()); }
    QStringList env() const { return {QStringLiteral("VIREO_HOME=") + home.path()}; }
    QString ini() const { return home.file(QStringLiteral("vireo.ini")); }
    QStringList dumpLines()
    {
        const RunResult r = cli({QStringLiteral("dump")});
        EXPECT_EQ(r.exitCode, 0) << r.err.constData();
        return QString::fromUtf8(r.out).split(u'\n', Qt::SkipEmptyParts);
    }
    TempProgramFolder home;
};

struct SetCase {
    const char *name;  // as typed
    const char *value; // as typed
    const char *stored; // the line in the file
    const char *got;   // what get prints
};
class SettingsCliSet : public SettingsCli, public ::testing::WithParamInterface<SetCase> {};

} // namespace

TEST_F(SettingsCli, DumpListsEveryEntryInCatalogueOrderWithDefaults)
{
    const QStringList lines = dumpLines();
    ASSERT_EQ(lines.size(), 66);
    EXPECT_EQ(lines.first(), QStringLiteral("MainForm_Top=93"));
    EXPECT_EQ(lines[5], QStringLiteral("ListView_MAIN_FONT=Tahoma,8,clBlack,0,0"));
    EXPECT_EQ(lines[15], QStringLiteral("LVM_ListColor1=$00FFE8E8"));
    EXPECT_EQ(lines[18], QStringLiteral("ArtistList_FONT=ＭＳ Ｐゴシック,9,clBlack,0,128"));
    EXPECT_TRUE(lines.contains(QStringLiteral("ShowTitleNums=0")));
    EXPECT_TRUE(lines.contains(QStringLiteral("SaveGenreCode=1")));
    EXPECT_TRUE(lines.contains(QStringLiteral("Skin=Nexos4")));
    const QString fav = lines.filter(QStringLiteral("MP3FavDir=")).value(0);
    EXPECT_TRUE(fav.endsWith(u'/')) << qPrintable(fav);
    EXPECT_FALSE(fav.contains(u'\\'));
    EXPECT_EQ(lines.last(), QStringLiteral("DeleteNoExistMP3Data=0"));
    EXPECT_FALSE(QFile::exists(ini())); // reading creates no file
}

TEST_F(SettingsCli, DumpReadsTheStoredValuesAsTheLoadDoes)
{
    writeFile(ini(), "[MainForm]\nTop=abc\n[MusicList]\nColor=nonsense\nLVM_ListColor2=16777215\n"
                     "[MP3Param]\nJKListVisible=TRUE\nJacketShow=2\n");
    const QStringList lines = dumpLines();
    EXPECT_TRUE(lines.contains(QStringLiteral("MainForm_Top=0")));
    EXPECT_TRUE(lines.contains(QStringLiteral("ListView_MAIN_Color=clWindow")));
    EXPECT_TRUE(lines.contains(QStringLiteral("LVM_ListColor2=clWhite")));
    EXPECT_TRUE(lines.contains(QStringLiteral("JKListVisible=0")));
    EXPECT_TRUE(lines.contains(QStringLiteral("JacketShow=1")));
}

TEST_P(SettingsCliSet, WritesOneKeyInTheEntrysForm)
{
    const SetCase &c = GetParam();
    const RunResult set = cli({QStringLiteral("set"), QString::fromUtf8(c.name), QString::fromUtf8(c.value)});
    ASSERT_EQ(set.exitCode, 0) << set.err.constData();
    EXPECT_TRUE(readFile(ini()).contains(QByteArray("\n") + c.stored + "\n")) << readFile(ini()).constData();
    const RunResult get = cli({QStringLiteral("get"), QString::fromUtf8(c.name)});
    EXPECT_EQ(get.exitCode, 0);
    EXPECT_EQ(get.out, QByteArray(c.got) + "\n");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SettingsCliSet,
    ::testing::Values(
        SetCase{"MP3Dir", "/home/user/音楽/", "MP3Dir=/home/user/音楽/", "/home/user/音楽/"},
        SetCase{"tool1", "/usr/bin/mp3gain", "Tool1=/usr/bin/mp3gain", "/usr/bin/mp3gain"},
        SetCase{"MP3PlayerOption", "\"%s\"", "MP3PlayerOption=\"\"%s\"\"", "\"%s\""},
        SetCase{"MainForm_Width", "1024", "Width=1024", "1024"},
        SetCase{"JacketShow", "true", "JacketShow=1", "1"},
        SetCase{"ShowNoExistMP3Data", "0", "ShowNoExistMP3Data=0", "0"},
        SetCase{"LVM_ListColor1", "$00FFFFFF", "LVM_ListColor1=clWhite", "clWhite"},
        SetCase{"ArtistList_Color", "CLBTNFACE", "Color=clBtnFace", "clBtnFace"},
        SetCase{"ListView_MAIN_Color", "1193046", "Color=$00123456", "$00123456"},
        SetCase{"ViewGenre", "\"Hip Hop\",Rock", "OutViewGenre=\"Hip Hop\",Rock", "\"Hip Hop\",Rock"},
        SetCase{"ListView_MAIN_FONT", "Noto Sans CJK JP,11,clNavy,3,128", "FONT_FontStyle=3",
                "Noto Sans CJK JP,11,clNavy,3,128"}));

TEST_F(SettingsCli, BadInputIsRefusedAndWritesNothing)
{
    writeFile(ini(), "[MainForm]\nWidth=800\n");
    const QStringList bad[] = {
        {QStringLiteral("set"), QStringLiteral("MainForm_Width"), QStringLiteral("wide")},
        {QStringLiteral("set"), QStringLiteral("LVM_ListColor1"), QStringLiteral("pinkish")},
        {QStringLiteral("set"), QStringLiteral("JacketShow"), QStringLiteral("maybe")},
        {QStringLiteral("set"), QStringLiteral("ListView_MAIN_FONT"), QStringLiteral("Tahoma,big,clBlack,0,0")},
        {QStringLiteral("set"), QStringLiteral("NoSuchEntry"), QStringLiteral("1")},
        {QStringLiteral("get"), QStringLiteral("NoSuchEntry")},
    };
    for (const QStringList &args : bad) {
        const RunResult r = cli(args);
        EXPECT_EQ(r.exitCode, 1) << qPrintable(args.join(u' '));
        EXPECT_FALSE(r.err.isEmpty());
    }
    EXPECT_TRUE(cli({QStringLiteral("get"), QStringLiteral("NoSuchEntry")}).err.contains("[' NoSuchEntry '] is invalid."));
    EXPECT_EQ(cli({QStringLiteral("frobnicate")}).exitCode, 2);
    EXPECT_EQ(cli({}).exitCode, 2);
    EXPECT_EQ(readFile(ini()), QByteArray("[MainForm]\nWidth=800\n"));
}

TEST_F(SettingsCli, AnUnwritableFileFailsWithTheStoresMessage)
{
    writeFile(ini(), "[MainForm]\nWidth=800\n");
    // A folder the program may read but not write (root writes anywhere, so
    // the command then runs as a user who owns nothing here).
    const QString folder = QFileInfo(ini()).path();
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther);
    QFile::setPermissions(ini(), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther);
    const QStringList args{QStringLiteral("settings"), QStringLiteral("set"), QStringLiteral("MainForm_Width"),
                           QStringLiteral("900")};
    const RunResult r = ::geteuid() == 0
        ? run(QStringLiteral("/usr/bin/setpriv"),
              QStringList{QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"), QStringLiteral("--clear-groups"),
                          QStringLiteral(VIREO_CLI)} + args, env())
        : runCli(args, env());
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(QString::fromUtf8(r.err).contains(QStringLiteral("に書き込めません")));
    EXPECT_EQ(readFile(ini()), QByteArray("[MainForm]\nWidth=800\n"));
}
