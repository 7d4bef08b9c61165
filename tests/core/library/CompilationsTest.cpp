#include "tests/core/library/LibraryTestUtil.h"

#include "core/library/Compilations.h"
#include "core/library/LibraryStore.h"
#include "core/platform/Paths.h"

#include <gtest/gtest.h>

using namespace vireo;
using namespace vireo::test;

namespace {

struct DecodeCase {
    const char *name;
    QByteArray bytes;
    QStringList names;
};

class CompilationFile : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(CompilationFile, DecodesEveryEncoding)
{
    EXPECT_EQ(CompilationList::Decode(GetParam().bytes), GetParam().names);
}

INSTANTIATE_TEST_SUITE_P(Encodings, CompilationFile, ::testing::Values(
    DecodeCase{"utf16le", QByteArray("\xFF\xFE" "B\0e\0s\0t\0\r\0\n\0\xE5\x65\x2C\x67\r\0\n\0", 22), {"Best", "日本"}},
    DecodeCase{"utf16be", QByteArray("\xFE\xFF\0B\0e\0s\0t\0\n\x65\xE5", 14), {"Best", "日"}},
    DecodeCase{"utf8_bom", QByteArray("\xEF\xBB\xBF" "Best\r\n\xE6\x97\xA5\xE6\x9C\xAC\r\n"), {"Best", "日本"}},
    DecodeCase{"unmarked_utf8", QByteArray("Best\n\xE6\x97\xA5\xE6\x9C\xAC"), {"Best", "日本"}},
    DecodeCase{"unmarked_cp932", QByteArray("Best\r\n\x93\xfa\x96\x7b\r\n"), {"Best", "日本"}},
    DecodeCase{"empty_lines_are_names", QByteArray("a\r\n\r\nb\r\n"), {"a", "", "b"}},
    DecodeCase{"line_separator", QByteArray("\xFF\xFE" "a\0\x28\x20" "b\0", 8), {"a", "b"}},
    DecodeCase{"nul_ends_text", QByteArray("a\r\nb\0c\r\n", 8), {"a", "b"}},
    DecodeCase{"empty_file", QByteArray(), {}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(CompilationList, EncodesUtf16WithMarkAndCrLf)
{
    EXPECT_EQ(CompilationList::Encode({"A", "日"}), QByteArray("\xFF\xFE" "A\0\r\0\n\0\xE5\x65\r\0\n\0", 14));
    EXPECT_EQ(CompilationList::Encode({}), QByteArray("\xFF\xFE", 2));
}

TEST(CompilationList, LooksUpWithoutRegardToCase)
{
    CompilationList l;
    l.SetNames({"Best", "Hits", "best", "Ｂｅｓｔ"});
    EXPECT_EQ(l.IndexOf(u"BEST"), 0); // the first equal entry
    EXPECT_EQ(l.IndexOf(u"hits"), 1);
    EXPECT_EQ(l.IndexOf(u"ｂｅｓｔ"), 3);
    EXPECT_EQ(l.IndexOf(u"Bes"), -1);
    EXPECT_FALSE(l.Add(QStringLiteral("HITS")));
    EXPECT_TRUE(l.Remove(QStringLiteral("BEST")));
    EXPECT_EQ(l.Names(), (QStringList{"Hits", "best", "Ｂｅｓｔ"}));
    EXPECT_EQ(l.IndexOf(u"Best"), 1);
    EXPECT_FALSE(l.Remove(QStringLiteral("nothing")));
}

class StoreCompilations : public ::testing::Test {
protected:
    TempProgramFolder home;
    LogOn log;
};

TEST_F(StoreCompilations, AddAndRemoveSaveRefreshAndLog)
{
    TID3TagUseful store(programPath(u""));
    store.setSaveCachesOnDestroy(false);
    auto *v2only = store.Tracks().Add(std::make_unique<TID3ListItem>(QStringLiteral("/m/1.mp3"), 0));
    TID3v2Record r;
    r.Album = QStringLiteral("BEST");
    v2only->SetV2(r);
    auto *both = store.Tracks().Add(std::make_unique<TID3ListItem>(QStringLiteral("/m/2.mp3"), 0));
    TID3v1Record one;
    one.Album = QByteArray("Hits");
    both->SetV1(one);
    auto *none = store.Tracks().Add(std::make_unique<TID3ListItem>(QStringLiteral("/m/3.mp3"), 0));
    store.PreferV2 = false; // the compilation album is always ID3v2 first

    ASSERT_TRUE(store.AddCompilation(QStringLiteral("Best")));
    ASSERT_TRUE(store.AddCompilation(QStringLiteral("hits")));
    ASSERT_TRUE(store.AddCompilation(QStringLiteral("HITS"))); // already there: nothing happens
    EXPECT_EQ(store.Compilations(), (QStringList{"Best", "hits"}));
    EXPECT_EQ(v2only->CompilationIndex, 0);
    EXPECT_EQ(both->CompilationIndex, 1);
    EXPECT_EQ(none->CompilationIndex, -1);
    EXPECT_EQ(readFile(store.CompilationFile()), CompilationList::Encode({"Best", "hits"}));

    ASSERT_TRUE(store.RemoveCompilation(QStringLiteral("BEST")));
    ASSERT_TRUE(store.RemoveCompilation(QStringLiteral("nothing")));
    EXPECT_EQ(v2only->CompilationIndex, -1);
    EXPECT_EQ(both->CompilationIndex, 0);

    const QStringList expected = {
        QStringLiteral("コンピレーションファイルは存在しない"),
        QStringLiteral("コンピレーション設定に[ Best ] を追加します"),
        store.CompilationFile() + QStringLiteral("を保存しました。"),
        QStringLiteral("コンピレーション設定に[ hits ] を追加します"),
        store.CompilationFile() + QStringLiteral("を保存しました。"),
        QStringLiteral("コンピレーション設定に[ BEST ] を削除します"),
        store.CompilationFile() + QStringLiteral("を保存しました。"),
    };
    EXPECT_EQ(logMessages(), expected);

    // An empty line in the list makes tagless tracks compilation tracks.
    store.SetCompilations({"x", ""});
    store.RefreshFlags();
    EXPECT_EQ(none->CompilationIndex, 1);
}

TEST_F(StoreCompilations, LoadedWhenTheStoreIsMade)
{
    writeFile(home.file(QStringLiteral("vireo.cpi")), QByteArray("A\r\nB\r\n"));
    TID3TagUseful store(programPath(u""));
    store.setSaveCachesOnDestroy(false);
    EXPECT_EQ(store.Compilations(), (QStringList{"A", "B"}));
    EXPECT_EQ(logMessages().value(0), QStringLiteral("コンピレーションファイルの読み込み"));
}

// A compilation list that is not text fails to load with the file's name
// and the cause, and a later save does not replace it.
TEST(CompilationList, BinaryFileIsReportedAndNotWrittenOver)
{
    TempProgramFolder home;
    const QString file = home.file(QStringLiteral("vireo.cpi"));
    const QByteArray jpeg = QByteArray("\xFF\xD8\xFF\xE0\0\x10JFIF\0\x01\x01\0\0\x01\0\x01\0\0", 20) + QByteArray(300, '\x55');
    writeFile(file, jpeg);
    CompilationList list;
    const Result r = list.Load(file);
    ASSERT_FALSE(r.ok());
    EXPECT_EQ(r.code(), ErrorCode::BadData);
    EXPECT_TRUE(r.message().startsWith(file + QStringLiteral(": "))) << qPrintable(r.message());
    EXPECT_TRUE(r.message().contains(QStringLiteral("NUL"))) << qPrintable(r.message());
    EXPECT_EQ(list.Count(), 0);
    list.Add(QStringLiteral("Best"));
    EXPECT_FALSE(list.Save(file).ok());
    EXPECT_EQ(readFile(file), jpeg);

    // The store keeps the problem for the command line to print.
    TID3TagUseful store(home.path() + QStringLiteral("vireo"));
    store.setSaveCachesOnDestroy(false);
    EXPECT_TRUE(store.compilationProblem().startsWith(file)) << qPrintable(store.compilationProblem());
    EXPECT_FALSE(store.AddCompilation(QStringLiteral("Best")).ok());
    EXPECT_EQ(readFile(file), jpeg);
}

TEST(CompilationList, OwnFilesAndTextEndedByANulStillLoad)
{
    TempProgramFolder home;
    const QString file = home.file(QStringLiteral("vireo.cpi"));
    writeFile(file, CompilationList::Encode({QStringLiteral("Best"), QStringLiteral("日本")}) + QByteArray(6, '\0'));
    CompilationList list;
    ASSERT_TRUE(list.Load(file));
    EXPECT_EQ(list.Names(), (QStringList{QStringLiteral("Best"), QStringLiteral("日本")}));
    writeFile(file, QByteArray("a\r\nb\0c\r\n", 8));
    ASSERT_TRUE(list.Load(file));
    EXPECT_EQ(list.Names(), (QStringList{QStringLiteral("a"), QStringLiteral("b")}));
}

} // namespace
