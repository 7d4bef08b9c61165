// Every input a fuzzer once crashed on, or broke an invariant with, is kept
// in tests/data/fuzz/<fuzzer>/ and run again through the same target. Built
// with -DVIREO_SANITIZE=address,undefined this also catches what only a
// sanitizer sees.
#include "fuzz/FuzzTargets.h"
#include "core/library/TagCache.h"
#include "core/library/TrackRecord.h"
#include "tests/support/TestSupport.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace vireo;

namespace {

class FuzzFindings : public ::testing::TestWithParam<fuzz::Target> {};

TEST_P(FuzzFindings, RunCleanly)
{
    const QDir dir(QStringLiteral(VIREO_TEST_DATA "/fuzz/") + QString::fromLatin1(GetParam().name));
    for (const QString &name : dir.entryList(QDir::Files)) {
        SCOPED_TRACE(name.toStdString());
        const QByteArray bytes = test::readFile(dir.filePath(name));
        EXPECT_EQ(GetParam().run(bytes), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Targets, FuzzFindings, ::testing::ValuesIn(fuzz::targets()),
                         [](const auto &info) { return std::string(info.param.name); });

// A cache row whose comment and year fields are empty: the empty field's
// view has no data pointer, and copying from it was undefined behaviour.
TEST(FuzzFindings, EmptyCacheFieldsGiveEmptyTexts)
{
    FixedText<4> year(QByteArrayView{});
    EXPECT_TRUE(year.isEmpty());
    year = QByteArrayView("2004");
    year = QByteArrayView();
    EXPECT_EQ(year.length(), 0);

    TID3List list;
    tagcache::LoadV1Cache(list, QByteArray("vireoCacheVersion2.0.0.0,0\r\n/m/a.mp3,\"2012/03/04 05:06:08\",A,T,Al,,,255,,1\r\n"));
    ASSERT_EQ(list.Count(), 1);
    EXPECT_TRUE(list.At(0)->V1.Year.isEmpty());
    EXPECT_TRUE(list.At(0)->V1.Comment.isEmpty());
    EXPECT_EQ(list.At(0)->V1.Title.text(), QStringLiteral("T"));
}

} // namespace
