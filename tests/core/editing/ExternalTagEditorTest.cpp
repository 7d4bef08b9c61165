// The external tag editor's command: the path quoted in the parameter text
// and passed as exactly one argument, started in the program folder.
#include "core/editing/ExternalTagEditor.h"

#include <QProcess>

#include <gtest/gtest.h>

using namespace vireo::editing;

namespace {

struct CommandCase {
    const char *path;
};

class ExternalEditorCommandTest : public ::testing::TestWithParam<CommandCase> {};

TEST_P(ExternalEditorCommandTest, ThePathIsOneArgument)
{
    const QString path = QString::fromUtf8(GetParam().path);
    const ExternalEditorCommand c = buildExternalEditorCommand(QStringLiteral("/usr/bin/kid3"), path,
                                                               QStringLiteral("/opt/vireo/"));
    EXPECT_EQ(c.program, u"/usr/bin/kid3");
    EXPECT_EQ(c.parameters, u'"' + path + u'"');
    EXPECT_EQ(c.arguments, QStringList{path});
    EXPECT_EQ(c.workingFolder, u"/opt/vireo");
}

INSTANTIATE_TEST_SUITE_P(Paths, ExternalEditorCommandTest,
                         ::testing::Values(CommandCase{"/music/a.mp3"}, CommandCase{"/music/with space/曲 名.mp3"},
                                           CommandCase{"/music/quote\"d $HOME `x`.mp3"},
                                           CommandCase{"/music/back\\slash'.mp3"}));

TEST(ExternalEditor, UsedOnlyWhenOnAndNamed)
{
    EXPECT_TRUE(useExternalTagEditor(true, QStringLiteral("/usr/bin/kid3")));
    EXPECT_FALSE(useExternalTagEditor(false, QStringLiteral("/usr/bin/kid3")));
    EXPECT_FALSE(useExternalTagEditor(true, QString()));
    EXPECT_FALSE(useExternalTagEditor(true, QStringLiteral("  ")));
}

} // namespace
