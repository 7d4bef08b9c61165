#include "tests/core/settings/SettingsFixture.h"
#include "core/platform/CodePage.h"
#include "core/settings/TagCodePageSetting.h"

using namespace vireo;
using vireo::test::SettingsFixture;

TEST_F(SettingsFixture, TheTagCodePageComesFromTheSettingsFile)
{
    const QByteArray before = tagCodePage();
    EXPECT_FALSE(applyTagCodePageSetting()); // no file: unchanged
    EXPECT_EQ(tagCodePage(), before);

    writeIni("[mp3param]\ntagcodepage = CP1252\n");
    EXPECT_TRUE(applyTagCodePageSetting());
    EXPECT_EQ(tagCodePage(), QByteArray("CP1252"));
    EXPECT_EQ(fromTagCodePage("\xE9"), QStringLiteral("é"));

    writeIni("[MP3Param]\nTagCodePage=NO-SUCH-PAGE\n");
    EXPECT_FALSE(applyTagCodePageSetting());
    EXPECT_EQ(tagCodePage(), QByteArray("CP1252"));
    ASSERT_FALSE(logLines().isEmpty());
    EXPECT_TRUE(logLines().last().contains(QStringLiteral("NO-SUCH-PAGE")));

    ASSERT_TRUE(setTagCodePage(before));
}
