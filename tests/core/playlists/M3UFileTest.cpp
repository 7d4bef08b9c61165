#include "core/playlists/M3UFile.h"

#include "tests/support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace vireo;

namespace {

QByteArray utf16le(const QString &s)
{
    QByteArray out;
    for (QChar c : s) {
        out.append(char(c.unicode() & 0xFF));
        out.append(char(c.unicode() >> 8));
    }
    return out;
}

QByteArray utf16be(const QString &s)
{
    QByteArray out;
    for (QChar c : s) {
        out.append(char(c.unicode() >> 8));
        out.append(char(c.unicode() & 0xFF));
    }
    return out;
}

struct ParseCase {
    const char *name;
    QByteArray bytes;
    QStringList entries;
};

class M3UParse : public ::testing::TestWithParam<ParseCase> {};

TEST_P(M3UParse, GivesTheEntries)
{
    EXPECT_EQ(parseM3U(GetParam().bytes), GetParam().entries);
}

const QString kJa = QStringLiteral("/音楽/曲.mp3");

INSTANTIATE_TEST_SUITE_P(
    Bytes, M3UParse,
    ::testing::Values(
        ParseCase{"ExtendedLinesDropped", "#EXTM3U\r\n#EXTINF:215,Artist - Title\r\nC:\\Music\\a.mp3\r\n",
                  {QStringLiteral("C:\\Music\\a.mp3")}},
        ParseCase{"LfOnly", "a.mp3\nb.mp3\n", {QStringLiteral("a.mp3"), QStringLiteral("b.mp3")}},
        ParseCase{"CrOnlyAndNoFinalBreak", "a\rb", {QStringLiteral("a"), QStringLiteral("b")}},
        ParseCase{"EmptyLineKept", "a\r\n\r\nb\r\n", {QStringLiteral("a"), QString(), QStringLiteral("b")}},
        ParseCase{"LfCrIsTwoBreaks", "a\n\rb", {QStringLiteral("a"), QString(), QStringLiteral("b")}},
        ParseCase{"HashInsideIsEntry", "a#b.mp3\r\n #c\r\n", {QStringLiteral("a#b.mp3"), QStringLiteral(" #c")}},
        ParseCase{"ZeroEndsText", QByteArray("a\r\nb\0c\r\nd", 10), {QStringLiteral("a"), QStringLiteral("b")}},
        ParseCase{"Utf8WithMark", QByteArray("\xEF\xBB\xBF") + kJa.toUtf8() + "\r\n", {kJa}},
        ParseCase{"Utf8WithoutMark", kJa.toUtf8() + "\n", {kJa}},
        ParseCase{"ShiftJisWithoutMark", QByteArray("\x89\xb9\x8a\x79.mp3\r\n"), {QStringLiteral("音楽.mp3")}},
        ParseCase{"Utf16LE", QByteArray("\xFF\xFE", 2) + utf16le(kJa + QStringLiteral("\r\nb\r\n")),
                  {kJa, QStringLiteral("b")}},
        ParseCase{"Utf16BE", QByteArray("\xFE\xFF", 2) + utf16be(kJa + QStringLiteral("\r\nb")),
                  {kJa, QStringLiteral("b")}},
        ParseCase{"Utf16OddTrailingByte", QByteArray("\xFF\xFE", 2) + utf16le(QStringLiteral("ab")) + "x",
                  {QStringLiteral("ab")}},
        ParseCase{"LineSeparator", QByteArray("\xFF\xFE", 2) + utf16le(QStringLiteral("a\u2028b\r\n\u2028c")),
                  {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")}},
        ParseCase{"Empty", QByteArray(), {}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(M3URender, UnicodeFormOfTwoEntriesIsSixteenBytes)
{
    const QByteArray bytes = renderM3UUnicode({QStringLiteral("a"), QStringLiteral("bc")});
    EXPECT_EQ(bytes, QByteArray("\xFF\xFE" "a\0\r\0\n\0b\0c\0\r\0\n\0", 16));
    EXPECT_EQ(renderM3UUnicode({}), QByteArray("\xFF\xFE", 2));
}

TEST(M3URender, PlainFormIsUtf8WithCrLf)
{
    EXPECT_EQ(renderM3UPlain({kJa, QStringLiteral("/b.mp3")}), kJa.toUtf8() + "\r\n/b.mp3\r\n");
    EXPECT_EQ(renderM3UPlain({}), QByteArray());
}

TEST(TM3UFile, SaveDropsExtendedInformationAndReadsBack)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("リスト.m3u"));
    test::writeFile(path, "#EXTM3U\n#EXTINF:215,Artist - Title\n" + kJa.toUtf8() + "\n");
    auto m3u = TM3UFile::Create(path);
    ASSERT_TRUE(m3u.ok()) << qPrintable(m3u.message());
    EXPECT_EQ(m3u->Entries(), QStringList{kJa});
    ASSERT_TRUE(m3u->Save().ok());
    EXPECT_EQ(test::readFile(path), QByteArray("\xFF\xFE", 2) + utf16le(kJa + QStringLiteral("\r\n")));
    ASSERT_TRUE(m3u->Load().ok());
    EXPECT_EQ(m3u->Entries(), QStringList{kJa});
}

TEST(TM3UFile, MissingFileFailsNamingIt)
{
    auto m3u = TM3UFile::Create(QStringLiteral("/nonexistent/x.m3u"));
    ASSERT_FALSE(m3u.ok());
    EXPECT_EQ(m3u.code(), ErrorCode::NotFound);
    EXPECT_TRUE(m3u.message().contains(QStringLiteral("/nonexistent/x.m3u")));
}

TEST(TM3UFile, FailedSaveKeepsFileAndEntries)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root writes into read-only folders";
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.m3u"));
    test::writeFile(path, "old\r\n");
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
    TM3UFile m3u(path, {QStringLiteral("new")});
    EXPECT_FALSE(m3u.Save().ok());
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(test::readFile(path), QByteArray("old\r\n"));
    EXPECT_EQ(m3u.Entries(), QStringList{QStringLiteral("new")});
}

TEST(TM3UFile, PlainWriterIntoMissingFolderFails)
{
    Result r = writePlainPlaylist(QStringLiteral("/nonexistent/dir/x.m3u"), {QStringLiteral("a")});
    EXPECT_FALSE(r.ok());
    EXPECT_FALSE(r.message().isEmpty());
}

TEST(M3UResolve, RelativeEntriesJoinThePlaylistFolder)
{
    const QString list = QStringLiteral("/music/lists/a.m3u");
    EXPECT_EQ(resolveM3UEntry(list, QStringLiteral("/abs/x.mp3")), QStringLiteral("/abs/x.mp3"));
    EXPECT_EQ(resolveM3UEntry(list, QStringLiteral("x.mp3")), QStringLiteral("/music/lists/x.mp3"));
    EXPECT_EQ(resolveM3UEntry(list, QStringLiteral("..\\曲\\x.mp3")), QStringLiteral("/music/曲/x.mp3"));
    EXPECT_EQ(resolveM3UEntry(list, QStringLiteral("C:\\x.mp3")), QStringLiteral("C:\\x.mp3"));
    EXPECT_EQ(resolveM3UEntry(list, QString()), QString());
}

} // namespace
