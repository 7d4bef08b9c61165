#include "tests/core/settings/SettingsFixture.h"
#include "core/settings/ProfileFile.h"

#include <QBuffer>
#include <QFile>

using namespace vireo;
using vireo::test::SettingsFixture;

namespace {

// One stored file, one entry, the text a read in the entry's form gives.
struct StoredCase {
    const char *what;
    QByteArray file; // empty: no settings file
    const char16_t *entry;
    QString expected;
};

class StoredValue : public SettingsFixture, public ::testing::WithParamInterface<StoredCase> {};

} // namespace

TEST_P(StoredValue, ReadsInItsForm)
{
    const StoredCase &c = GetParam();
    if (!c.file.isEmpty())
        writeIni(c.file);
    const CatalogueRow *row = findCatalogueRow(c.entry);
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(readSettingText(*store, *row), c.expected) << c.what;
    EXPECT_TRUE(messages.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StoredValue,
    ::testing::Values(
        // No file: the catalogue defaults, booleans through the default-word rule.
        StoredCase{"no file: integer", "", u"MainForm_Top", QString::fromUtf16(u"93")},
        StoredCase{"no file: True", "", u"SaveGenreCode", QString::fromUtf16(u"1")},
        StoredCase{"no file: False", "", u"ShowTitleNums", QString::fromUtf16(u"0")},
        StoredCase{"no file: empty bool default", "", u"ID3TAGEditorFlg", QString::fromUtf16(u"0")},
        StoredCase{"no file: colour", "", u"LVM_ListColor1", QString::fromUtf16(u"$00FFE8E8")},
        StoredCase{"no file: font", "", u"ArtistList_FONT", QString::fromUtf16(u"ＭＳ Ｐゴシック,9,clBlack,0,128")},
        StoredCase{"no file: text", "", u"Skin", QString::fromUtf16(u"Nexos4")},
        // Present but empty is empty, not the default.
        StoredCase{"empty text", "[MP3Param]\nSkin=\n", u"Skin", QString::fromUtf16(u"")},
        StoredCase{"empty integer", "[MainForm]\nTop=\n", u"MainForm_Top", QString::fromUtf16(u"0")},
        StoredCase{"empty bool", "[MP3Param]\nSaveGenreCode=\n", u"SaveGenreCode", QString::fromUtf16(u"0")},
        // Stored booleans: only the default goes through the word test; the low byte decides.
        StoredCase{"stored TRUE", "[MP3Param]\nSaveGenreCode=TRUE\n", u"SaveGenreCode", QString::fromUtf16(u"0")},
        StoredCase{"stored YES", "[MP3Param]\nJKListVisible=YES\n", u"JKListVisible", QString::fromUtf16(u"0")},
        StoredCase{"stored 2", "[MP3Param]\nJacketShow=2\n", u"JacketShow", QString::fromUtf16(u"1")},
        StoredCase{"stored 256", "[MP3Param]\nJKListVisible=256\n", u"JKListVisible", QString::fromUtf16(u"0")},
        StoredCase{"stored 257", "[MP3Param]\nJacketShow=257\n", u"JacketShow", QString::fromUtf16(u"1")},
        StoredCase{"stored -1", "[MP3Param]\nJacketShow=-1\n", u"JacketShow", QString::fromUtf16(u"1")},
        // Integers.
        StoredCase{"letters", "[MainForm]\nHeight=abc\n", u"MainForm_Height", QString::fromUtf16(u"0")},
        StoredCase{"trailing letters", "[MainForm]\nHeight=12px\n", u"MainForm_Height", QString::fromUtf16(u"0")},
        StoredCase{"hexadecimal", "[MainForm]\nHeight=$20\n", u"MainForm_Height", QString::fromUtf16(u"32")},
        StoredCase{"negative", "[MainForm]\nTop=-12\n", u"MainForm_Top", QString::fromUtf16(u"-12")},
        StoredCase{"too big", "[MainForm]\nTop=2147483648\n", u"MainForm_Top", QString::fromUtf16(u"0")},
        StoredCase{"spaces around", "[MainForm]\nTop =  7  \n", u"MainForm_Top", QString::fromUtf16(u"7")},
        StoredCase{"quoted", "[MainForm]\nTop=\"7\"\n", u"MainForm_Top", QString::fromUtf16(u"7")},
        // Colours.
        StoredCase{"name in mixed case", "[MusicList]\nColor=CLwHITE\n", u"ListView_MAIN_Color", QString::fromUtf16(u"clWhite")},
        StoredCase{"system colour by name", "[MusicList]\nColor=clbtnface\n", u"ListView_MAIN_Color", QString::fromUtf16(u"clBtnFace")},
        StoredCase{"hexadecimal colour", "[MusicList]\nColor=$00FFE8E8\n", u"ListView_MAIN_Color", QString::fromUtf16(u"$00FFE8E8")},
        StoredCase{"hexadecimal with a name", "[MusicList]\nColor=$000000FF\n", u"ListView_MAIN_Color", QString::fromUtf16(u"clRed")},
        StoredCase{"decimal colour", "[MusicList]\nColor=16777215\n", u"ListView_MAIN_Color", QString::fromUtf16(u"clWhite")},
        StoredCase{"decimal system colour", "[MusicList]\nColor=-2147483643\n", u"ListView_MAIN_Color", QString::fromUtf16(u"clWindow")},
        // Fonts: each key on its own.
        StoredCase{"font stored", "[MusicList]\nFONT_FontName=Noto Sans\nFONT_FontSize=11\nFONT_FontColor=clNavy\n"
                                  "FONT_FontStyle=5\nFONT_FontCharset=128\n",
                   u"ListView_MAIN_FONT", QString::fromUtf16(u"Noto Sans,11,clNavy,5,128")},
        StoredCase{"font with a bad size and style", "[MusicList]\nFONT_FontSize=big\nFONT_FontStyle=bold\n",
                   u"ListView_MAIN_FONT", QString::fromUtf16(u"Tahoma,8,clBlack,0,0")},
        StoredCase{"font with a zero size", "[MusicList]\nFONT_FontSize=0\nFONT_FontCharset=x\n",
                   u"ListView_MAIN_FONT", QString::fromUtf16(u"Tahoma,8,clBlack,0,0")},
        StoredCase{"font name only", "[ArticetList]\nFONT_FontName=IPAGothic\n", u"ArtistList_FONT",
                   QString::fromUtf16(u"IPAGothic,9,clBlack,0,128")},
        // Long values are cut.
        StoredCase{"3000 characters", "[MP3Param]\nTool1=" + QByteArray(3000, 'a') + "\n", u"Tool1",
                   QString(2047, u'a')}));

TEST_F(SettingsFixture, ColourTextThatIsNoColourFallsBackToTheDefaultWithALogLine)
{
    writeIni("[MusicList]\nColor=bluish\nLVM_ListColor1=#ff0000\nFONT_FontColor=reddish\n");
    EXPECT_EQ(store->Filer(u"ListView_MAIN_Color").ReadColor(), colors::Window);
    EXPECT_EQ(store->Filer(u"LVM_ListColor1").ReadColor(), 0x00FFE8E8u);
    FontValue font{QStringLiteral("Tahoma"), 8, ColorValue(0x000080), 0, 0};
    store->Filer(u"ListView_MAIN_FONT").ReadFont(font);
    EXPECT_EQ(font.color, ColorValue(0x000080));
    const QStringList log = logLines();
    ASSERT_EQ(log.size(), 3);
    EXPECT_EQ(log[0], QStringLiteral("ListView_MAIN_Color: 'bluish' is not a valid integer value"));
    EXPECT_EQ(log[1], QStringLiteral("LVM_ListColor1: '#ff0000' is not a valid integer value"));
    EXPECT_EQ(log[2], QStringLiteral("ListView_MAIN_FONT: 'reddish' is not a valid integer value"));
}

TEST_F(SettingsFixture, ColoursAreWrittenByNameWhereTheyHaveOne)
{
    const std::pair<ColorValue, const char *> cases[] = {
        {colors::Window, "clWindow"}, {0xFFFFFF, "clWhite"}, {0x00FFE8E8, "$00FFE8E8"},
        {0x8000000F, "clBtnFace"}, {0x80000008, "$80000008"}, {0x1FFFFFFF, "clNone"}, {0x00123456, "$00123456"},
    };
    for (const auto &[value, text] : cases) {
        ASSERT_TRUE(store->Filer(u"LVM_ListColor2").WriteColor(value).ok());
        EXPECT_EQ(readProfileString(ini(), u"MusicList", u"LVM_ListColor2", {}), QLatin1String(text));
        EXPECT_EQ(store->Filer(u"LVM_ListColor2").ReadColor(), value);
    }
}

TEST_F(SettingsFixture, CatalogueNamesAreFoundInAnyCase)
{
    writeIni("[MP3Param]\nTool1=/usr/bin/mp3gain\n");
    EXPECT_EQ(store->Filer(u"TooL1").ReadText(), QStringLiteral("/usr/bin/mp3gain"));
    EXPECT_EQ(store->Filer(u"tool1").current()->Name, QStringLiteral("Tool1"));
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(SettingsFixture, AnUnknownNameIsReportedAndMakesTheFilerHarmless)
{
    writeIni("[MP3Param]\nTool1=x\n");
    TRegFiler &f = store->Filer(u"NoSuchEntry");
    ASSERT_EQ(messages, QStringList{QStringLiteral("[' NoSuchEntry '] is invalid.")});
    EXPECT_FALSE(f.ReadBool());
    EXPECT_EQ(f.ReadInteger(), 0);
    EXPECT_EQ(f.ReadText(), QString());
    FontValue font{QStringLiteral("Keep"), 12, 0, 1, 0};
    f.ReadFont(font);
    EXPECT_EQ(font.name, QStringLiteral("Keep"));
    EXPECT_TRUE(f.WriteText(QStringLiteral("y")).ok());
    EXPECT_TRUE(f.WriteFont(font).ok());
    EXPECT_EQ(iniBytes(), QByteArray("[MP3Param]\nTool1=x\n"));
}

TEST_F(SettingsFixture, AStoreWithoutAFileNameSaysSo)
{
    store->IniFileName.clear();
    EXPECT_EQ(store->Filer(u"MainForm_Top").ReadInteger(), 93);
    EXPECT_TRUE(store->Filer(u"MainForm_Top").WriteInteger(5).ok());
    EXPECT_EQ(messages, QStringList(2, QStringLiteral("can not create Inifile object.")));
    store->RegType = TRegType::rtReg;
    EXPECT_EQ(store->Filer(u"Skin").ReadText(), QStringLiteral("Nexos4"));
    EXPECT_EQ(messages.last(), QStringLiteral("can not create Registry object."));
}

TEST_F(SettingsFixture, BooleansAndIntegersAreWrittenAsDigits)
{
    ASSERT_TRUE(store->Filer(u"JacketShow").WriteBool(true).ok());
    ASSERT_TRUE(store->Filer(u"JKListVisible").WriteBool(false).ok());
    ASSERT_TRUE(store->Filer(u"JKListSize").WriteInteger(-3).ok());
    EXPECT_EQ(iniBytes(), QByteArray("[MP3Param]\nJacketShow=1\nJKListVisible=0\nJKListSize=-3\n"));
}

TEST_F(SettingsFixture, StringListsShrinkAndVanish)
{
    TRegItem item{QStringLiteral("List"), QStringLiteral("L"), QStringLiteral("Names"), QString()};
    store->RegItems.Add(item);
    const QStringList five = {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral(" c "),
                              QStringLiteral("\"d\""), QStringLiteral("e")};
    ASSERT_TRUE(store->Filer(u"List").WriteStrings(five).ok());
    QStringList back;
    store->Filer(u"List").ReadStrings(back);
    EXPECT_EQ(back, five);

    ASSERT_TRUE(store->Filer(u"List").WriteStrings({QStringLiteral("x"), QStringLiteral("y")}).ok());
    EXPECT_EQ(iniBytes(), QByteArray("[L]\nNames_ItemCount=2\nNames_Item0=x\nNames_Item1=y\n"));

    ASSERT_TRUE(store->Filer(u"List").WriteStrings({}).ok());
    EXPECT_EQ(iniBytes(), QByteArray("[L]\n"));
    store->Filer(u"List").ReadStrings(back);
    EXPECT_TRUE(back.isEmpty());
}

TEST_F(SettingsFixture, BinaryBlocksGoInLinesOf32Bytes)
{
    store->RegItems.Add({QStringLiteral("Blob"), QStringLiteral("B"), QStringLiteral("Data"), QString()});
    QByteArray bytes;
    for (int i = 0; i < 40; ++i)
        bytes += char(i * 7);
    QBuffer in(&bytes);
    ASSERT_TRUE(in.open(QIODevice::ReadOnly));
    ASSERT_TRUE(store->Filer(u"Blob").WriteStream(in).ok());
    EXPECT_EQ(readProfileString(ini(), u"B", u"Data_c", {}), QStringLiteral("2"));
    EXPECT_EQ(readProfileString(ini(), u"B", u"Data_d0", {}).size(), 64);
    EXPECT_EQ(readProfileString(ini(), u"B", u"Data_d1", {}), QStringLiteral("E0E7EEF5FC030A11"));

    QByteArray out;
    QBuffer sink(&out);
    ASSERT_TRUE(sink.open(QIODevice::WriteOnly));
    store->Filer(u"Blob").ReadStream(sink);
    EXPECT_EQ(out, bytes);

    // A pair that is not hexadecimal gives the byte 0.
    ASSERT_TRUE(writeProfileString(ini(), u"B", u"Data_c", u"1").ok());
    ASSERT_TRUE(writeProfileString(ini(), u"B", u"Data_d0", u"41zz42").ok());
    out.clear();
    sink.seek(0);
    store->Filer(u"Blob").ReadStream(sink);
    EXPECT_EQ(out, QByteArray("A\0B", 3));
}
