// The causes a tag write reports: a vanished file, no right to write the
// file or its folder, a full disk. Each names the file; the file is unchanged.
#include "core/formats/ID3v1.h"
#include "core/formats/ID3v2.h"
#include "core/platform/FileAccess.h"
#include "tests/core/formats/ID3v2TestUtil.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <functional>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace vireo;
using namespace vireo::test;

namespace {

const QByteArray kAudio = silentMpegFrames(20);

// Runs fn in a child process as a user who owns none of the files (root
// may write anywhere); the child's exit status is the ErrorCode fn returns.
ErrorCode runAsOtherUser(const std::function<ErrorCode()> &fn)
{
    const pid_t pid = ::fork();
    if (pid == 0) {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
            ::_exit(100);
        ::_exit(int(fn()));
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? ErrorCode(WEXITSTATUS(status)) : ErrorCode::Failed;
}

// A folder anyone may enter, holding a.mp3 with an ID3v2 tag and an ID3v1 tag.
struct SharedFolder {
    QTemporaryDir dir;
    QString file;
    QByteArray original;
    SharedFolder()
    {
        ::chmod(QFile::encodeName(dir.path()).constData(), 0755);
        file = dir.filePath(u"a.mp3"_qs);
        original = id3Tag(3, frame23("TIT2", text0("old")), 200) + kAudio + QByteArray("TAG") + QByteArray(125, ' ');
        writeFile(file, original);
        ::chmod(QFile::encodeName(file).constData(), 0644);
    }
};

ErrorCode saveV2(const QString &file, int titleLength)
{
    TID3v2 t;
    if (!t.LoadTag(file))
        return ErrorCode::Cancelled;
    t.setTitle(QString(titleLength, u'x'));
    const Result r = t.SaveTag(file);
    if (!r.ok() && !r.message().startsWith(QFileInfo(file).path()))
        return ErrorCode::Unsupported; // the message must name the file or its copy
    return r.code();
}

ErrorCode saveV1(const QString &file)
{
    TID3v1 t;
    t.SetTitle("new");
    const Result r = t.SaveTag(file);
    if (!r.ok() && !r.message().startsWith(file))
        return ErrorCode::Unsupported;
    return r.code();
}

TEST(TagWriteErrors, FileWithoutWriteRightIsReadOnly)
{
    SharedFolder f;
    ::chmod(QFile::encodeName(f.dir.path()).constData(), 0777);
    EXPECT_EQ(runAsOtherUser([&] { return saveV2(f.file, 5); }), ErrorCode::ReadOnly);
    EXPECT_EQ(runAsOtherUser([&] { return saveV1(f.file); }), ErrorCode::ReadOnly);
    EXPECT_EQ(readFile(f.file), f.original);
}

TEST(TagWriteErrors, FolderWithoutWriteRightIsReadOnlyForACopy)
{
    SharedFolder f;
    ::chmod(QFile::encodeName(f.file).constData(), 0666);
    // A title too long for the old tag's room needs a copy beside the file.
    EXPECT_EQ(runAsOtherUser([&] { return saveV2(f.file, 1000); }), ErrorCode::ReadOnly);
    EXPECT_EQ(readFile(f.file), f.original);
    EXPECT_EQ(QDir(f.dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

TEST(TagWriteErrors, VanishedFileIsNotFound)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(u"gone.mp3"_qs);
    TID3v2 t;
    t.setTitle(u"x"_qs);
    Result r = t.SaveTag(file);
    EXPECT_EQ(r.code(), ErrorCode::NotFound);
    EXPECT_TRUE(r.message().startsWith(file)) << qPrintable(r.message());
    r = t.StripTag(file);
    EXPECT_EQ(r.code(), ErrorCode::NotFound);
    EXPECT_EQ(saveV1(file), ErrorCode::NotFound);
    TID3v1 v1;
    EXPECT_EQ(v1.StripTag(file).code(), ErrorCode::NotFound);
    EXPECT_EQ(v1.LoadTag(file).code(), ErrorCode::NotFound);
}

TEST(TagWriteErrors, TooShortFileForVersion1IsNamed)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(u"short.mp3"_qs);
    writeFile(file, QByteArray(100, 'x'));
    const Result r = TID3v1().SaveTag(file);
    EXPECT_EQ(r.code(), ErrorCode::BadData);
    EXPECT_EQ(r.message(), file + u": file is shorter than 128 bytes"_qs);
}

// A small file system of its own, filled to the last block.
class FullDisk : public ::testing::Test {
protected:
    void SetUp() override
    {
        mountPoint = dir.path();
        if (::mount("tmpfs", QFile::encodeName(mountPoint).constData(), "tmpfs", 0, "size=256k") != 0)
            GTEST_SKIP() << "no tmpfs can be mounted here";
        mounted = true;
    }
    void TearDown() override
    {
        if (mounted)
            ::umount2(QFile::encodeName(mountPoint).constData(), MNT_DETACH);
    }
    void fill()
    {
        QFile filler(mountPoint + u"/filler"_qs);
        ASSERT_TRUE(filler.open(QIODevice::WriteOnly));
        const QByteArray block(4096, 'f');
        while (filler.write(block) == block.size() && filler.flush()) {
        }
    }
    QTemporaryDir dir;
    QString mountPoint;
    bool mounted = false;
};

TEST_F(FullDisk, Version2CopyFailsAsDiskFullAndLeavesTheFile)
{
    const QString file = mountPoint + u"/a.mp3"_qs;
    const QByteArray original = id3Tag(3, frame23("TIT2", text0("old")), 100) + kAudio;
    writeFile(file, original);
    fill();
    EXPECT_EQ(saveV2(file, 2000), ErrorCode::DiskFull);
    EXPECT_EQ(readFile(file), original);
    EXPECT_EQ(QDir(mountPoint).entryList(QDir::Files | QDir::Hidden).size(), 2);
}

TEST_F(FullDisk, Version1AppendFailsAsDiskFullAndLeavesTheFile)
{
    const QString file = mountPoint + u"/a.mp3"_qs;
    // Whole pages, so that an appended tag needs a new one.
    const QByteArray original = kAudio.left(8192);
    writeFile(file, original);
    fill();
    EXPECT_EQ(saveV1(file), ErrorCode::DiskFull);
    EXPECT_EQ(readFile(file), original);
}

TEST(TagWriteErrors, ErrnoValuesMapToCodes)
{
    const struct {
        int err;
        ErrorCode code;
    } cases[] = {{ENOENT, ErrorCode::NotFound}, {EACCES, ErrorCode::ReadOnly}, {EPERM, ErrorCode::ReadOnly},
                 {EROFS, ErrorCode::ReadOnly}, {ENOSPC, ErrorCode::DiskFull}, {EDQUOT, ErrorCode::DiskFull},
                 {EIO, ErrorCode::IoError}, {ELOOP, ErrorCode::Failed}};
    for (const auto &c : cases) {
        const Result r = writeFailure(u"/m/a.mp3"_qs, c.err);
        EXPECT_EQ(r.code(), c.code) << c.err;
        EXPECT_TRUE(r.message().startsWith(u"/m/a.mp3: "_qs));
        EXPECT_GT(r.message().size(), 10);
    }
}

} // namespace
