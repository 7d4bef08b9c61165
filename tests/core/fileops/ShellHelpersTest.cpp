// Clipboard forms, the delete question and the Trash in a private home.
#include "tests/support/TestSupport.h"

#include "core/fileops/ShellHelpers.h"
#include "core/platform/Trash.h"

#include <QDir>
#include <QFileInfo>
#include <QMimeData>
#include <QTemporaryDir>
#include <QUrl>

#include <gtest/gtest.h>
#include <memory>
#include <sys/mount.h>

using namespace vireo;
using namespace vireo::test;

namespace {

const QStringList kPaths{QStringLiteral("/m/a b.mp3"), QStringLiteral("/m/曲.mp3"), QStringLiteral("/m/100%#.mp3")};

TEST(Clipboard, UriListIsPercentEncodedWithCrLf)
{
    EXPECT_EQ(UriListBytes(kPaths), QByteArray("file:///m/a%20b.mp3\r\n"
                                               "file:///m/%E6%9B%B2.mp3\r\n"
                                               "file:///m/100%25%23.mp3\r\n"));
    EXPECT_EQ(UriListBytes({}), QByteArray());
}

TEST(Clipboard, GnomeFormSaysCopyThenTheUrls)
{
    EXPECT_EQ(GnomeCopiedFilesBytes(kPaths.mid(0, 2)),
              QByteArray("copy\nfile:///m/a%20b.mp3\nfile:///m/%E6%9B%B2.mp3"));
    EXPECT_EQ(GnomeCopiedFilesBytes({}), QByteArray("copy"));
}

TEST(Clipboard, MimeDataCarriesAllThreeAndReadsBack)
{
    std::unique_ptr<QMimeData> data(MakeFileMimeData(kPaths));
    EXPECT_TRUE(data->hasFormat(QStringLiteral("text/uri-list")));
    EXPECT_EQ(data->data(QStringLiteral("x-special/gnome-copied-files")), GnomeCopiedFilesBytes(kPaths));
    EXPECT_EQ(data->text(), kPaths.join(u'\n'));
    EXPECT_EQ(LocalPathsOf(data.get()), kPaths);
    QMimeData web;
    web.setUrls({QUrl(QStringLiteral("https://example.org/a.mp3"))});
    EXPECT_TRUE(LocalPathsOf(&web).isEmpty());
    EXPECT_TRUE(LocalPathsOf(nullptr).isEmpty());
}

TEST(DeleteQuestionText, NamesFileAndTitle)
{
    EXPECT_EQ(DeleteQuestion(QStringLiteral("01.mp3"), QStringLiteral("夜")),
              QStringLiteral("ファイル名 \"01.mp3\"\nタイトル \"夜\"を削除しますか？"));
}

TEST(FileSize, SizeOrZero)
{
    QTemporaryDir dir;
    writeFile(dir.filePath(QStringLiteral("f.mp3")), silentMpegFrames(3));
    EXPECT_EQ(FileSizeOf(dir.filePath(QStringLiteral("f.mp3"))), silentMpegFrames(3).size());
    EXPECT_EQ(FileSizeOf(dir.filePath(QStringLiteral("none"))), 0);
    EXPECT_EQ(FileSizeOf(dir.path()), 0);
}

// A private home so nothing reaches the user's real Trash.
class TrashHome : public ::testing::Test {
protected:
    void SetUp() override
    {
        oldHome = qgetenv("HOME");
        oldData = qgetenv("XDG_DATA_HOME");
        qputenv("HOME", home.path().toUtf8());
        qputenv("XDG_DATA_HOME", (home.path() + QStringLiteral("/share")).toUtf8());
    }
    void TearDown() override
    {
        qputenv("HOME", oldHome);
        if (oldData.isEmpty())
            qunsetenv("XDG_DATA_HOME");
        else
            qputenv("XDG_DATA_HOME", oldData);
    }
    QString file(const QString &name)
    {
        const QString path = home.path() + QStringLiteral("/music/") + name;
        writeFile(path, silentMpegFrames(2));
        return path;
    }
    QTemporaryDir home;
    QByteArray oldHome, oldData;
};

TEST_F(TrashHome, FilesGoToTheFreedesktopTrash)
{
    const QString a = file(QStringLiteral("01 曲.mp3"));
    QString trashedAs;
    const Result r = MoveToTrash(a, &trashedAs);
    ASSERT_TRUE(r.ok()) << r.message().toStdString();
    EXPECT_FALSE(QFileInfo::exists(a));
    EXPECT_TRUE(trashedAs.contains(QStringLiteral("/Trash/files/"))) << trashedAs.toStdString();
    EXPECT_EQ(readFile(trashedAs), silentMpegFrames(2));
    // The info file that lets the desktop restore it.
    const QDir info(QFileInfo(trashedAs).absolutePath() + QStringLiteral("/../info"));
    EXPECT_EQ(info.entryList(QDir::Files).size(), 1);
}

TEST_F(TrashHome, ARefusedFileStaysAndIsReportedAVanishedOneIsNoted)
{
    const QString good = file(QStringLiteral("good.mp3"));
    const QString refused = file(QStringLiteral("refused.mp3"));
    const QString missing = home.path() + QStringLiteral("/music/gone.mp3");
    const TrashReport report = TrashFiles({good, refused, missing}, [](const QString &path) {
        if (path.endsWith(QStringLiteral("refused.mp3")))
            return Result::failure(ErrorCode::Failed, path + QStringLiteral(": no trash folder"));
        return MoveToTrash(path);
    });
    EXPECT_EQ(report.trashed, QStringList{good});
    EXPECT_EQ(report.vanished, QStringList{missing});
    ASSERT_EQ(report.refused.size(), 1);
    EXPECT_EQ(report.refused[0].first, refused);
    EXPECT_TRUE(QFileInfo::exists(refused));
    EXPECT_TRUE(report.refusedMessage().endsWith(refused + QStringLiteral(": no trash folder")));
}

TEST_F(TrashHome, AFileOnAReadOnlyFileSystemIsNeverDeleted)
{
    const QString mountPoint = home.path() + QStringLiteral("/stick");
    ASSERT_TRUE(QDir().mkpath(mountPoint));
    const QByteArray mp = QFile::encodeName(mountPoint);
    if (::mount("tmpfs", mp.constData(), "tmpfs", 0, "size=1m") != 0)
        GTEST_SKIP() << "cannot mount a tmpfs here";
    const QString path = mountPoint + QStringLiteral("/keep.mp3");
    writeFile(path, silentMpegFrames(2));
    ::mount(nullptr, mp.constData(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr);
    const TrashReport report = TrashFiles({path});
    EXPECT_TRUE(report.trashed.isEmpty());
    ASSERT_EQ(report.refused.size(), 1);
    EXPECT_EQ(readFile(path), silentMpegFrames(2));
    ::umount2(mp.constData(), MNT_DETACH);
}

} // namespace
