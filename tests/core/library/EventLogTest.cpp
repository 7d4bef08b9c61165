#include "core/library/EventLog.h"
#include "tests/support/TestSupport.h"

#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace vireo;
using vireo::test::readFile;

namespace {

// Points the process log at a fresh temporary folder for one test.
class EventLogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        eventLog().setFolder(home.path());
        eventLog().setEnabled(true);
    }
    void TearDown() override
    {
        eventLog().setEnabled(false);
        eventLog().setFolder(QString());
    }
    QString ansi() const { return home.file(QStringLiteral("vireo_log.log")); }
    QString uni() const { return home.file(QStringLiteral("vireo_uni.log")); }
    static QString fromUtf16le(const QByteArray &b)
    {
        return QString(reinterpret_cast<const QChar *>(b.constData()), b.size() / 2);
    }
    vireo::test::TempProgramFolder home;
};

const QRegularExpression kAnsiLine(QStringLiteral("^\\[[^\\]]+ \\d{1,2}:\\d\\d:\\d\\d[^\\]]*\\](.*)$"));
const QRegularExpression kUniLine(QStringLiteral("^\\[[^\\]]+ \\d{1,2}:\\d\\d:\\d\\d[^\\]]*\\] (.*)$"));

} // namespace

TEST_F(EventLogTest, SameLinesInBothFilesWithTheirEncodings)
{
    const QString lines[] = {
        QStringLiteral("キャッシュ読み込み処理開始"),
        QString(),
        QStringLiteral("plain ascii"),
    };
    for (const QString &l : lines)
        WriteLog(l);

    const QByteArray a = readFile(ansi());
    const QByteArray u = readFile(uni());
    ASSERT_TRUE(u.startsWith("\xFF\xFE"));
    EXPECT_EQ(u.count("\xFF\xFE"), 1);
    const QStringList aLines = QString::fromUtf8(a).split(QStringLiteral("\r\n"));
    const QStringList uLines = fromUtf16le(u.mid(2)).split(QStringLiteral("\r\n"));
    ASSERT_EQ(aLines.size(), 4);
    ASSERT_EQ(uLines.size(), 4);
    EXPECT_TRUE(aLines.last().isEmpty());
    EXPECT_TRUE(uLines.last().isEmpty());
    for (int i = 0; i < 3; ++i) {
        const auto am = kAnsiLine.match(aLines[i]);
        const auto um = kUniLine.match(uLines[i]);
        ASSERT_TRUE(am.hasMatch()) << qPrintable(aLines[i]);
        ASSERT_TRUE(um.hasMatch()) << qPrintable(uLines[i]);
        EXPECT_EQ(am.captured(1), lines[i]);
        EXPECT_EQ(um.captured(1), lines[i]);
    }
    // An empty message: "[stamp]" and "[stamp] ".
    EXPECT_TRUE(aLines[1].endsWith(u']'));
    EXPECT_TRUE(uLines[1].endsWith(QStringLiteral("] ")));
}

TEST_F(EventLogTest, TextTheSystemCodePageCannotHoldIsReplacedOnlyInTheAnsiLog)
{
    // A lone surrogate has no UTF-8 form.
    const QString msg = QStringLiteral("a") + QChar(0xD800) + QStringLiteral("b");
    WriteLog(msg);
    const QByteArray a = readFile(ansi());
    EXPECT_TRUE(a.endsWith("]a?b\r\n")) << a.constData();
    EXPECT_TRUE(fromUtf16le(readFile(uni()).mid(2)).endsWith(QStringLiteral("] ") + msg + QStringLiteral("\r\n")));
}

TEST_F(EventLogTest, NothingIsWrittenWhileLoggingIsOff)
{
    eventLog().setEnabled(false);
    WriteLog(u"hidden");
    EXPECT_FALSE(QFile::exists(ansi()));
    EXPECT_FALSE(QFile::exists(uni()));
}

TEST_F(EventLogTest, EachLineIsInTheFileWhenWriteLogReturns)
{
    for (int i = 1; i <= 3; ++i) {
        WriteLog(QString::number(i));
        EXPECT_EQ(readFile(ansi()).count("\r\n"), i);
        EXPECT_EQ(QString::fromUtf8(readFile(ansi())).section(u']', -1).trimmed(), QString::number(i));
        EXPECT_EQ(readFile(uni()).size() % 2, 0);
    }
}

TEST_F(EventLogTest, RotationKeepsOnlyThePreviousRunAndStartsAFreshBom)
{
    const QString ansiBak = home.file(QStringLiteral("vireo_log.bak"));
    const QString uniBak = home.file(QStringLiteral("vireo_uni.bak"));

    RotateLogs(); // nothing to rotate: no message, no files
    EXPECT_FALSE(QFile::exists(ansiBak));
    EXPECT_FALSE(QFile::exists(uniBak));

    WriteLog(u"first run");
    RotateLogs();
    EXPECT_FALSE(QFile::exists(ansi()));
    EXPECT_FALSE(QFile::exists(uni()));
    EXPECT_TRUE(readFile(ansiBak).endsWith("]first run\r\n"));

    WriteLog(u"second run");
    const QByteArray u = readFile(uni());
    EXPECT_TRUE(u.startsWith("\xFF\xFE"));
    EXPECT_TRUE(fromUtf16le(u.mid(2)).endsWith(QStringLiteral("] second run\r\n")));
    EXPECT_EQ(QString::fromUtf8(readFile(ansi())).count(u'\n'), 1);

    RotateLogs();
    EXPECT_TRUE(readFile(ansiBak).endsWith("]second run\r\n"));
    EXPECT_FALSE(readFile(ansiBak).contains("first run"));
    EXPECT_TRUE(fromUtf16le(readFile(uniBak).mid(2)).endsWith(QStringLiteral("] second run\r\n")));
}

TEST_F(EventLogTest, ALogRemovedBehindItsBackIsCreatedAgain)
{
    WriteLog(u"one");
    ASSERT_TRUE(QFile::remove(uni()));
    ASSERT_TRUE(QFile::remove(ansi()));
    WriteLog(u"two");
    EXPECT_TRUE(readFile(ansi()).endsWith("]two\r\n"));
    const QByteArray u = readFile(uni());
    EXPECT_TRUE(u.startsWith("\xFF\xFE"));
    EXPECT_EQ(fromUtf16le(u.mid(2)).count(QStringLiteral("\r\n")), 1);
}

TEST_F(EventLogTest, AnUnwritableFolderIsNotAnError)
{
    eventLog().setFolder(home.file(QStringLiteral("missing/folder")));
    WriteLog(u"lost"); // must neither crash nor throw
    eventLog().setFolder(home.path());
    WriteLog(u"kept");
    EXPECT_TRUE(readFile(ansi()).endsWith("]kept\r\n"));
}

TEST_F(EventLogTest, FollowsTheProgramFolderByDefault)
{
    eventLog().setFolder(QString());
    EXPECT_EQ(eventLog().ansiLogPath(), ansi());
    WriteLog(u"here");
    EXPECT_TRUE(QFile::exists(uni()));
}
