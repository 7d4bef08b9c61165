#include "core/settings/ProfileFile.h"
#include "core/platform/CodePage.h"
#include "tests/support/TestSupport.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace vireo;
using vireo::test::readFile;
using vireo::test::writeFile;

namespace {

struct ReadCase {
    const char *what;
    QByteArray file;
    const char16_t *section;
    const char16_t *key;
    std::optional<QString> expected;
};

class ProfileRead : public ::testing::TestWithParam<ReadCase> {};

} // namespace

TEST_P(ProfileRead, FindsTheValue)
{
    const ReadCase &c = GetParam();
    QBuffer device(const_cast<QByteArray *>(&c.file));
    ASSERT_TRUE(device.open(QIODevice::ReadOnly));
    const ProfileDocument doc = ProfileDocument::read(device);
    EXPECT_EQ(doc.value(c.section, c.key), c.expected) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ProfileRead,
    ::testing::Values(
        ReadCase{"plain", "[A]\nk=v\n", u"A", u"k", QStringLiteral("v")},
        ReadCase{"case-blind names", "[MusicList]\nLVM_TittleWidth=7\n", u"musiclist", u"lvm_tittlewidth", QStringLiteral("7")},
        ReadCase{"present but empty", "[MP3Param]\nMP3Dir=\n", u"MP3Param", u"MP3Dir", QString()},
        ReadCase{"missing key", "[A]\nk=v\n", u"A", u"other", std::nullopt},
        ReadCase{"missing section", "[A]\nk=v\n", u"B", u"k", std::nullopt},
        ReadCase{"key of another section", "[A]\nx=1\n[B]\nk=2\n", u"A", u"k", std::nullopt},
        ReadCase{"spaces around", "  [ A ]  \n  k  =   v w  \n", u"A", u"k", QStringLiteral("v w")},
        ReadCase{"double quotes", "[A]\nk=  \" v \"  \n", u"A", u"k", QStringLiteral(" v ")},
        ReadCase{"single quotes", "[A]\nk='x'\n", u"A", u"k", QStringLiteral("x")},
        ReadCase{"only one pair", "[A]\nk=\"\"x\"\"\n", u"A", u"k", QStringLiteral("\"x\"")},
        ReadCase{"unmatched quotes stay", "[A]\nk=\"x'\n", u"A", u"k", QStringLiteral("\"x'")},
        ReadCase{"lone quote stays", "[A]\nk=\"\n", u"A", u"k", QStringLiteral("\"")},
        ReadCase{"first key wins", "[A]\nk=1\nK=2\n", u"A", u"k", QStringLiteral("1")},
        ReadCase{"first section wins", "[A]\nk=1\n[a]\nk=2\n", u"A", u"k", QStringLiteral("1")},
        ReadCase{"CR LF lines", "[A]\r\nk=v\r\nj=w\r\n", u"A", u"j", QStringLiteral("w")},
        ReadCase{"no final line end", "[A]\nk=v", u"A", u"k", QStringLiteral("v")},
        ReadCase{"equals in value", "[A]\nk=a=b\n", u"A", u"k", QStringLiteral("a=b")},
        ReadCase{"UTF-8 text", "[A]\nk=ＭＳ Ｐゴシック\n", u"A", u"k", QStringLiteral("ＭＳ Ｐゴシック")},
        ReadCase{"Shift-JIS file", "[A]\nk=\x83\x65\x83\x58\x83\x67\n", u"A", u"k", QStringLiteral("テスト")},
        ReadCase{"byte-order mark", "\xEF\xBB\xBF[A]\nk=v\n", u"A", u"k", QStringLiteral("v")},
        ReadCase{"line without equals is no key", "[A]\nk\n", u"A", u"k", std::nullopt}));

TEST(ProfileDocument, LongValuesAreCutAt2047Characters)
{
    const QString longValue(3000, u'x');
    const ProfileDocument doc = ProfileDocument::parse("[A]\nk=" + longValue.toUtf8() + "\n");
    EXPECT_EQ(doc.value(u"A", u"k"), QString(2047, u'x'));
    // The file keeps all of it: rewriting another key does not cut it.
    ProfileDocument copy = doc;
    copy.setValue(u"A", u"j", u"1");
    EXPECT_TRUE(copy.render().contains(longValue.toUtf8()));
}

namespace {
struct WriteCase {
    const char *what;
    QByteArray before;
    const char16_t *section;
    const char16_t *key;
    const char16_t *value; // null: delete the key
    QByteArray after;
};
class ProfileWrite : public ::testing::TestWithParam<WriteCase> {};
} // namespace

TEST_P(ProfileWrite, ChangesOnlyWhatItMust)
{
    const WriteCase &c = GetParam();
    ProfileDocument doc = ProfileDocument::parse(c.before);
    if (c.value)
        doc.setValue(c.section, c.key, c.value);
    else
        doc.removeKey(c.section, c.key);
    EXPECT_EQ(doc.render(), c.after) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ProfileWrite,
    ::testing::Values(
        WriteCase{"first write", "", u"A", u"k", u"v", "[A]\nk=v\n"},
        WriteCase{"replaced where it stands", "[A]\nk=1\nj=2\n", u"a", u"K", u"9", "[A]\nk=9\nj=2\n"},
        WriteCase{"new key at the end of its section", "[A]\nk=1\n[B]\nx=1\n", u"A", u"j", u"2",
                  "[A]\nk=1\nj=2\n[B]\nx=1\n"},
        WriteCase{"before the blank lines", "[A]\nk=1\n\n[B]\n", u"A", u"j", u"2", "[A]\nk=1\nj=2\n\n[B]\n"},
        WriteCase{"new section at the end", "[A]\nk=1\n", u"B", u"k", u"2", "[A]\nk=1\n[B]\nk=2\n"},
        WriteCase{"comments stay", "; mine\n[A]\n;note\nk=1\n", u"A", u"k", u"2", "; mine\n[A]\n;note\nk=2\n"},
        WriteCase{"CR LF kept", "[A]\r\nk=1\r\n", u"A", u"j", u"2", "[A]\r\nk=1\r\nj=2\r\n"},
        WriteCase{"byte-order mark kept", "\xEF\xBB\xBF[A]\n", u"A", u"k", u"v", "\xEF\xBB\xBF[A]\nk=v\n"},
        WriteCase{"final line end added", "[A]\nk=1", u"A", u"j", u"2", "[A]\nk=1\nj=2\n"},
        WriteCase{"empty value", "", u"A", u"k", u"", "[A]\nk=\n"},
        WriteCase{"delete removes the line", "[A]\nk=1\nj=2\n", u"A", u"K", nullptr, "[A]\nj=2\n"},
        WriteCase{"delete removes repeats", "[A]\nk=1\nk=2\n", u"A", u"k", nullptr, "[A]\n"},
        WriteCase{"delete of nothing", "[A]\nj=2\n", u"A", u"k", nullptr, "[A]\nj=2\n"},
        WriteCase{"surrounding spaces kept by quotes", "", u"A", u"k", u" a ", "[A]\nk=\" a \"\n"},
        WriteCase{"enclosing quotes kept by quotes", "", u"A", u"k", u"\"Hip Hop\"", "[A]\nk=\"\"Hip Hop\"\"\n"},
        WriteCase{"inner quotes need nothing", "", u"A", u"k", u"\"Hip Hop\",Rock", "[A]\nk=\"Hip Hop\",Rock\n"},
        WriteCase{"line breaks cannot end the line", "", u"A", u"k", u"a\nb=c", "[A]\nk=a b=c\n"}));

TEST(ProfileDocument, EveryWrittenValueReadsBackUnchanged)
{
    const QString values[] = {
        QStringLiteral("plain"), QStringLiteral(" lead"), QStringLiteral("trail\t"),
        QStringLiteral("\"q\""), QStringLiteral("'s'"), QStringLiteral("\"\""), QStringLiteral("\""),
        QStringLiteral("\"Hip Hop\",\"Acid Jazz\""), QStringLiteral("a=b"), QStringLiteral("[x]"),
        QStringLiteral("音楽/ＭＳ Ｐゴシック"), QString(),
    };
    for (const QString &v : values) {
        ProfileDocument doc;
        doc.setValue(u"S", u"k", v);
        const ProfileDocument again = ProfileDocument::parse(doc.render());
        EXPECT_EQ(again.value(u"S", u"k"), v) << qPrintable(v);
    }
}

// ---- the file calls ----

TEST(ProfileFile, MissingFileReadsDefaultsAndTheFirstWriteCreatesIt)
{
    vireo::test::TempProgramFolder dir;
    const QString ini = dir.file(QStringLiteral("vireo.ini"));
    EXPECT_EQ(readProfileString(ini, u"A", u"k", QStringLiteral("def")), QStringLiteral("def"));
    ASSERT_TRUE(writeProfileString(ini, u"A", u"k", u"v").ok());
    EXPECT_EQ(readFile(ini), QByteArray("[A]\nk=v\n"));
    EXPECT_EQ(readProfileString(ini, u"a", u"K", QStringLiteral("def")), QStringLiteral("v"));
    EXPECT_FALSE(QFile::exists(ini + QStringLiteral(".tmp~")));
    EXPECT_EQ(readProfileString(ini, u"", u"k", QStringLiteral("def")), QStringLiteral("def"));
}

TEST(ProfileFile, EveryReadSeesTheFileAsItIsNow)
{
    vireo::test::TempProgramFolder dir;
    const QString ini = dir.file(QStringLiteral("vireo.ini"));
    writeFile(ini, "[A]\nk=1\n");
    EXPECT_EQ(readProfileString(ini, u"A", u"k", {}), QStringLiteral("1"));
    writeFile(ini, "[A]\nk=2\n"); // another program changes it
    EXPECT_EQ(readProfileString(ini, u"A", u"k", {}), QStringLiteral("2"));
}

TEST(ProfileFile, AWriteReplacesTheFileAsAWhole)
{
    vireo::test::TempProgramFolder dir;
    const QString ini = dir.file(QStringLiteral("vireo.ini"));
    writeFile(ini, "[A]\nk=1\n");
    struct stat before, after;
    ASSERT_EQ(::stat(QFile::encodeName(ini).constData(), &before), 0);
    ASSERT_TRUE(writeProfileString(ini, u"A", u"k", u"2").ok());
    ASSERT_EQ(::stat(QFile::encodeName(ini).constData(), &after), 0);
    EXPECT_NE(before.st_ino, after.st_ino); // a new file was renamed over the old one
    EXPECT_EQ(readFile(ini), QByteArray("[A]\nk=2\n"));

    // Writing the value it already has changes nothing on disk.
    ASSERT_TRUE(writeProfileString(ini, u"A", u"k", u"2").ok());
    struct stat same;
    ASSERT_EQ(::stat(QFile::encodeName(ini).constData(), &same), 0);
    EXPECT_EQ(after.st_ino, same.st_ino);
}

TEST(ProfileFile, AnUnreadableFileIsNeverReplaced)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root reads every file";
    vireo::test::TempProgramFolder dir;
    const QString ini = dir.file(QStringLiteral("vireo.ini"));
    writeFile(ini, "[A]\nk=1\nmany=keys\n");
    ::chmod(QFile::encodeName(ini).constData(), 0200);
    const Result r = writeProfileString(ini, u"A", u"k", u"2");
    EXPECT_FALSE(r.ok());
    EXPECT_EQ(r.message(), ini + QStringLiteral(" に書き込めません"));
    ::chmod(QFile::encodeName(ini).constData(), 0600);
    EXPECT_EQ(readFile(ini), QByteArray("[A]\nk=1\nmany=keys\n"));
}

// A settings file that is not text (a picture copied over it, a UTF-16
// file from another editor) reads as defaults, is reported once with its
// cause, and is never replaced by a file holding only the keys written.
struct NotTextCase {
    const char *name;
    QByteArray bytes;
    const char *cause;
};
void PrintTo(const NotTextCase &c, std::ostream *os) { *os << c.name; }
class ProfileNotText : public ::testing::TestWithParam<NotTextCase> {};

TEST_P(ProfileNotText, ReadsDefaultsAndIsNeverWrittenOver)
{
    vireo::test::TempProgramFolder dir;
    const QString ini = dir.file(QStringLiteral("vireo.ini"));
    writeFile(ini, GetParam().bytes);
    EXPECT_EQ(readProfileString(ini, u"MP3Param", u"MP3Dir", QStringLiteral("def")), QStringLiteral("def"));
    const Result check = checkProfileFile(ini);
    ASSERT_FALSE(check.ok());
    EXPECT_TRUE(check.message().startsWith(ini + QStringLiteral(": "))) << qPrintable(check.message());
    EXPECT_TRUE(check.message().contains(QString::fromUtf8(GetParam().cause))) << qPrintable(check.message());
    const Result w = writeProfileString(ini, u"MP3Param", u"MP3Dir", u"/music/");
    EXPECT_FALSE(w.ok());
    EXPECT_TRUE(w.message().contains(QString::fromUtf8(GetParam().cause))) << qPrintable(w.message());
    EXPECT_EQ(readFile(ini), GetParam().bytes);
}

INSTANTIATE_TEST_SUITE_P(Files, ProfileNotText, ::testing::Values(
    NotTextCase{"png", QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0\0\x10\0\0\0\x10\x08\x06\0\0\0", 29) + QByteArray(200, '\x7f'), "NUL"},
    NotTextCase{"utf16", QByteArray("\xFF\xFE[\0A\0]\0\n\0k\0=\0v\0", 16), "UTF-16"},
    NotTextCase{"controls", QByteArray(40, '\x01') + "[MP3Param]\nMP3Dir=/x/\n", "制御文字"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(ProfileFile, TextWithTrailingNulsOrAStrayControlIsStillText)
{
    vireo::test::TempProgramFolder dir;
    const QString ini = dir.file(QStringLiteral("vireo.ini"));
    writeFile(ini, QByteArray("[MP3Param]\nMP3Dir=/m/\x1b\nOther=1\n") + QByteArray(20, '\0'));
    EXPECT_TRUE(checkProfileFile(ini).ok());
    EXPECT_EQ(readProfileString(ini, u"MP3Param", u"Other", QString()), QStringLiteral("1"));
    EXPECT_TRUE(checkProfileFile(dir.file(QStringLiteral("missing.ini"))).ok());
}

TEST(ProfileFile, SomethingElseThanAFileIsNeitherReadNorReplaced)
{
    vireo::test::TempProgramFolder dir;
    const QString ini = dir.file(QStringLiteral("vireo.ini"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(ini).constData(), 0600), 0);
    EXPECT_EQ(readProfileString(ini, u"A", u"k", QStringLiteral("def")), QStringLiteral("def"));
    EXPECT_FALSE(writeProfileString(ini, u"A", u"k", u"v").ok());
    struct stat st;
    ASSERT_EQ(::stat(QFile::encodeName(ini).constData(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));
}

TEST(ProfileFile, AFolderThatCannotBeWrittenIsReportedAndLeavesNothing)
{
    vireo::test::TempProgramFolder dir;
    const QString ini = dir.file(QStringLiteral("vireo.ini"));
    QDir().mkpath(ini); // a folder where the file should be
    const Result r = writeProfileString(ini, u"A", u"k", u"v");
    EXPECT_FALSE(r.ok());
    EXPECT_TRUE(QFileInfo(ini).isDir());
    EXPECT_FALSE(QFile::exists(ini + QStringLiteral(".tmp~")));

    const QString missing = dir.file(QStringLiteral("no/such/vireo.ini"));
    EXPECT_EQ(writeProfileString(missing, u"A", u"k", u"v").message(), missing + QStringLiteral(" に書き込めません"));
}

TEST(ProfileFile, ALinkedSettingsFileStaysALink)
{
    vireo::test::TempProgramFolder dir;
    const QString real = dir.file(QStringLiteral("real.ini"));
    const QString link = dir.file(QStringLiteral("vireo.ini"));
    writeFile(real, "[A]\nk=1\n");
    ASSERT_TRUE(QFile::link(real, link));
    ASSERT_TRUE(writeProfileString(link, u"A", u"k", u"2").ok());
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(readFile(real), QByteArray("[A]\nk=2\n"));
}

TEST(ProfileFile, BadNamesAreRefused)
{
    vireo::test::TempProgramFolder dir;
    const QString ini = dir.file(QStringLiteral("vireo.ini"));
    EXPECT_FALSE(writeProfileString(ini, u"A]", u"k", u"v").ok());
    EXPECT_FALSE(writeProfileString(ini, u"A", u"k=j", u"v").ok());
    EXPECT_FALSE(writeProfileString(ini, u"A", u"k\nj", u"v").ok());
    EXPECT_FALSE(QFile::exists(ini));
}

TEST(ProfileFile, DeletingFromNoFileCreatesNone)
{
    vireo::test::TempProgramFolder dir;
    const QString ini = dir.file(QStringLiteral("vireo.ini"));
    EXPECT_TRUE(deleteProfileKey(ini, u"A", u"k").ok());
    EXPECT_FALSE(QFile::exists(ini));
}

// Damaged and odd files: whatever the bytes, parsing never fails, a rewrite
// keeps every other value, and a written value reads back.
TEST(ProfileDocument, RandomFilesStayConsistent)
{
    const char alphabet[] = "[]=\"' \t\r\nabAB;\x83\xE9";
    uint32_t seed = 12345;
    auto next = [&] { return seed = seed * 1103515245u + 12345u; };
    for (int round = 0; round < 2000; ++round) {
        QByteArray bytes;
        const int n = int(next() % 80);
        for (int i = 0; i < n; ++i)
            bytes += alphabet[next() % (sizeof(alphabet) - 1)];
        const ProfileDocument doc = ProfileDocument::parse(bytes);
        const ProfileDocument again = ProfileDocument::parse(doc.render());
        ASSERT_EQ(again.sections(), doc.sections()) << bytes.toHex().constData();

        ProfileDocument changed = doc;
        changed.setValue(u"a", u"b", u" x\"y ");
        const ProfileDocument reread = ProfileDocument::parse(changed.render());
        ASSERT_EQ(reread.value(u"a", u"b"), QStringLiteral(" x\"y ")) << bytes.toHex().constData();
        for (const QString &section : doc.sections()) {
            for (const QString &key : doc.keys(section)) {
                if (section.compare(u"a", Qt::CaseInsensitive) != 0 || key.compare(u"b", Qt::CaseInsensitive) != 0) {
                    ASSERT_EQ(reread.value(section, key), doc.value(section, key)) << bytes.toHex().constData();
                }
            }
        }
    }
}
