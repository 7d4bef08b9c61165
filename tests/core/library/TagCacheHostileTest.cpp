// Damaged ID3v2 cache rows: a huge bad row is quoted short in the log, a
// path that is not clean UTF-16 is dropped with a log line.
#include "tests/core/library/LibraryTestUtil.h"

#include "core/library/TagCache.h"

#include <gtest/gtest.h>

using namespace vireo;
using namespace vireo::test;

namespace {

QByteArray utf16le(const QString &s)
{
    QByteArray b("\xFF\xFE", 2);
    for (QChar c : s) {
        b.append(char(c.unicode() & 0xFF));
        b.append(char(c.unicode() >> 8));
    }
    return b;
}

const QString kHead = QStringLiteral("vireoCacheVersion2.0.0.0,0\r\n");
const QString kGood = QStringLiteral("/m/good.mp3,\"2012/03/04 05:06:08\",,,,,,,,,,,,,ID3v2.3,1\r\n");

class TagCacheHostile : public ::testing::Test {
protected:
    TempProgramFolder home;
    LogOn log;
};

TEST_F(TagCacheHostile, HugeBadRowsAreQuotedShort)
{
    const QString shortRow = QStringLiteral("/m/short.mp3,") + QString(200000, u'x') + QStringLiteral("\r\n");
    const QString badNumber = QStringLiteral("/m/n.mp3,\"2012/03/04 05:06:08\",") + QString(200000, u'y')
                            + QStringLiteral(",,,,,,x,,,,,,ID3v2.3,1\r\n");
    TID3List list;
    tagcache::LoadV2Cache(list, utf16le(kHead + shortRow + badNumber + kGood), {});
    EXPECT_EQ(list.Count(), 1);
    const QStringList lines = logMessages();
    ASSERT_FALSE(lines.isEmpty());
    for (const QString &l : lines)
        EXPECT_LT(l.size(), 400) << qPrintable(l.left(80));
    EXPECT_EQ(lines.filter(QStringLiteral("全200013文字")).size(), 1) << qPrintable(lines.join(u'\n').left(2000));
}

TEST_F(TagCacheHostile, PathsWithLoneSurrogatesAreDropped)
{
    const QString rest = QStringLiteral(",\"2012/03/04 05:06:08\",,,,,,,,,,,,,ID3v2.3,1\r\n");
    const QString high = QStringLiteral("/m/a") + QChar(0xD800) + QStringLiteral(".mp3");
    const QString low = QStringLiteral("/m/b") + QChar(0xDC00) + QStringLiteral(".mp3");
    const QString pair = QStringLiteral("/m/c") + QChar(0xD83C) + QChar(0xDFB5) + QStringLiteral(".mp3"); // a real character
    TID3List list;
    tagcache::LoadV2Cache(list, utf16le(kHead + high + rest + low + rest + pair + rest), {});
    ASSERT_EQ(list.Count(), 1);
    EXPECT_EQ(list.At(0)->FileName, pair);
    EXPECT_EQ(logMessages().filter(QStringLiteral("読み飛ばします")).size(), 2);
}

} // namespace
