// vireo-cli copy and trash, black box, on real MP3 files in temporary folders.
#include "tests/support/TestSupport.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace vireo::test;

namespace {

class FileopsCli : public ::testing::Test {
protected:
    QString track(const QString &name, int frames = 20)
    {
        const QString path = dir.path() + QStringLiteral("/music/") + name;
        writeFile(path, silentMpegFrames(frames));
        return path;
    }
    QString dest() const { return dir.path() + QStringLiteral("/stick"); }
    void SetUp() override { ASSERT_TRUE(QDir().mkpath(dest())); }
    QStringList env() const
    {
        return {QStringLiteral("VIREO_HOME=") + home.path(), QStringLiteral("HOME=") + dir.path(),
                QStringLiteral("XDG_DATA_HOME=") + dir.path() + QStringLiteral("/share")};
    }
    QTemporaryDir dir;
    QTemporaryDir home;
};

TEST_F(FileopsCli, CopiesInOrderWithALinePerFileAndASummary)
{
    const QString b = track(QStringLiteral("b.mp3")), a = track(QStringLiteral("a 曲.mp3")),
                  c = track(QStringLiteral("c.mp3"));
    writeFile(dest() + QStringLiteral("/c.mp3"), "mine");
    const RunResult r = runCli({QStringLiteral("copy"), QStringLiteral("--to"), dest(), b, a, c}, env());
    EXPECT_EQ(r.exitCode, 1) << r.err.constData();
    const QStringList lines = QString::fromUtf8(r.out).split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 5) << r.out.constData();
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("space: 0MB / ")));
    EXPECT_EQ(lines[1], QStringLiteral("copied ") + b + QStringLiteral(" -> ") + dest() + QStringLiteral("/b.mp3"));
    EXPECT_EQ(lines[2], QStringLiteral("copied ") + a + QStringLiteral(" -> ") + dest() + QStringLiteral("/a 曲.mp3"));
    EXPECT_TRUE(lines[3].startsWith(QStringLiteral("failed ") + c)) << lines[3].toStdString();
    EXPECT_TRUE(lines[3].contains(QStringLiteral("already exists")));
    EXPECT_TRUE(lines[4].startsWith(QStringLiteral("2 copied, 1 failed")));
    EXPECT_EQ(readFile(dest() + QStringLiteral("/c.mp3")), QByteArray("mine"));
    EXPECT_EQ(readFile(dest() + QStringLiteral("/a 曲.mp3")), silentMpegFrames(20));
}

TEST_F(FileopsCli, JsonLinesAndRefusals)
{
    const QString a = track(QStringLiteral("a.mp3"));
    RunResult r = runCli({QStringLiteral("copy"), QStringLiteral("--json"), QStringLiteral("--to"), dest(), a}, env());
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    const QList<QByteArray> lines = r.out.trimmed().split('\n');
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(QJsonDocument::fromJson(lines[0]).object().value("planned").toDouble(), silentMpegFrames(20).size());
    EXPECT_TRUE(QJsonDocument::fromJson(lines[1]).object().value("ok").toBool());
    EXPECT_EQ(QJsonDocument::fromJson(lines[2]).object().value("copied").toInt(), 1);

    r = runCli({QStringLiteral("copy"), QStringLiteral("--to"), QString(), a}, env());
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_FALSE(r.err.isEmpty());
    r = runCli({QStringLiteral("copy"), QStringLiteral("--to"), dir.path() + QStringLiteral("/none"), a}, env());
    EXPECT_EQ(r.exitCode, 2);
    r = runCli({QStringLiteral("copy"), a}, env());
    EXPECT_EQ(r.exitCode, 2);
}

TEST_F(FileopsCli, TrashMovesAndReportsWhatItCouldNot)
{
    const QString a = track(QStringLiteral("a.mp3"));
    const QString gone = dir.path() + QStringLiteral("/music/gone.mp3");
    const RunResult r = runCli({QStringLiteral("trash"), a, gone}, env());
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(QString::fromUtf8(r.out).trimmed(), QStringLiteral("trashed ") + a);
    EXPECT_TRUE(QString::fromUtf8(r.err).contains(QStringLiteral("gone.mp3")));
    EXPECT_FALSE(QFileInfo::exists(a));
    EXPECT_EQ(QDir(dir.path() + QStringLiteral("/share/Trash/files")).entryList(QDir::Files),
              QStringList{QStringLiteral("a.mp3")});
}

} // namespace
