// Copying files so that a target is complete or absent: the safe single-file
// copy and the ordered loop, into real folders, including a full drive.
#include "tests/support/TestSupport.h"

#include "core/fileops/OrderedCopy.h"
#include "core/platform/FileCopy.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <csignal>
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace vireo;
using namespace vireo::test;

namespace {

// A real MP3 stream: about 418 bytes a frame.
QByteArray mp3(int frames) { return silentMpegFrames(frames); }

QStringList entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

class SafeCopy : public ::testing::Test {
protected:
    QString src(const QString &name, const QByteArray &bytes)
    {
        const QString path = dir.path() + QStringLiteral("/src/") + name;
        writeFile(path, bytes);
        return path;
    }
    QString dst() const { return dir.path() + QStringLiteral("/dst"); }
    void SetUp() override { ASSERT_TRUE(QDir().mkpath(dst())); }
    QTemporaryDir dir;
};

TEST_F(SafeCopy, CopiesBytesModeAndTimes)
{
    const QByteArray bytes = mp3(3000); // > 1 MB: several kernel calls
    const QString source = src(QStringLiteral("曲 1.mp3"), bytes);
    const QByteArray s = QFile::encodeName(source);
    const struct timespec times[2] = {{1000000000, 0}, {1234567890, 500000000}};
    ASSERT_EQ(::utimensat(AT_FDCWD, s.constData(), times, 0), 0);
    ASSERT_EQ(::chmod(s.constData(), 0640), 0);

    const QString target = dst() + QStringLiteral("/曲 1.mp3");
    const Result r = CopyFileSafely(source, target);
    ASSERT_TRUE(r.ok()) << r.message().toStdString();
    EXPECT_EQ(readFile(target), bytes);
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(target).constData(), &st), 0);
    EXPECT_EQ(st.st_mtim.tv_sec, 1234567890);
    EXPECT_EQ(st.st_mtim.tv_nsec, 500000000);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    EXPECT_EQ(entries(dst()), QStringList{QStringLiteral("曲 1.mp3")}); // no temporary left
}

TEST_F(SafeCopy, EmptyFileAndExistingTarget)
{
    const QString empty = src(QStringLiteral("empty.mp3"), QByteArray());
    ASSERT_TRUE(CopyFileSafely(empty, dst() + QStringLiteral("/empty.mp3")).ok());
    EXPECT_TRUE(QFileInfo::exists(dst() + QStringLiteral("/empty.mp3")));

    const QString source = src(QStringLiteral("a.mp3"), mp3(10));
    writeFile(dst() + QStringLiteral("/a.mp3"), "keep me");
    const Result r = CopyFileSafely(source, dst() + QStringLiteral("/a.mp3"));
    EXPECT_FALSE(r.ok());
    EXPECT_TRUE(r.message().contains(QStringLiteral("already exists"))) << r.message().toStdString();
    EXPECT_EQ(readFile(dst() + QStringLiteral("/a.mp3")), QByteArray("keep me"));
    EXPECT_EQ(entries(dst()).size(), 2);
}

TEST_F(SafeCopy, MissingSourceAndFolderNameTheFile)
{
    Result r = CopyFileSafely(dir.path() + QStringLiteral("/nope.mp3"), dst() + QStringLiteral("/x.mp3"));
    EXPECT_EQ(r.code(), ErrorCode::NotFound);
    EXPECT_TRUE(r.message().contains(QStringLiteral("nope.mp3")));
    r = CopyFileSafely(src(QStringLiteral("b.mp3"), mp3(2)), dir.path() + QStringLiteral("/no/such/b.mp3"));
    EXPECT_EQ(r.code(), ErrorCode::NotFound);
    EXPECT_TRUE(r.message().contains(QStringLiteral("/no/such/b.mp3")));
}

TEST_F(SafeCopy, CancelLeavesNothing)
{
    const QString source = src(QStringLiteral("c.mp3"), mp3(100));
    std::atomic<bool> cancel{true};
    FileCopyOptions options;
    options.cancel = &cancel;
    const Result r = CopyFileSafely(source, dst() + QStringLiteral("/c.mp3"), options);
    EXPECT_EQ(r.code(), ErrorCode::Cancelled);
    EXPECT_TRUE(entries(dst()).isEmpty());
}

TEST_F(SafeCopy, TwoStepCopyNeverReplacesATargetThatAppearedMeanwhile)
{
    const QString source = src(QStringLiteral("d.mp3"), mp3(40));
    const QString target = dst() + QStringLiteral("/d.mp3");
    ResultOf<PendingCopy> copy = CopyToTemporary(source, target);
    ASSERT_TRUE(copy.ok()) << copy.message().toStdString();
    const QStringList during = entries(dst());
    ASSERT_EQ(during.size(), 1);
    EXPECT_TRUE(during[0].startsWith(fileCopyTempPrefix()));
    EXPECT_FALSE(QFileInfo::exists(target)); // no name before the data is complete and synced
    writeFile(target, "another program's file");
    const Result r = FinishCopy(copy.value());
    EXPECT_FALSE(r.ok());
    EXPECT_EQ(readFile(target), QByteArray("another program's file"));
    EXPECT_EQ(entries(dst()), QStringList{QStringLiteral("d.mp3")});
    {
        ResultOf<PendingCopy> dropped = CopyToTemporary(source, dst() + QStringLiteral("/e.mp3"));
        ASSERT_TRUE(dropped.ok());
    } // an unfinished copy leaves nothing behind
    EXPECT_EQ(entries(dst()), QStringList{QStringLiteral("d.mp3")});
}

// A file system that runs out of space during the copy: a 1 MiB tmpfs when
// the machine lets us mount one, otherwise a file-size limit that makes the
// kernel refuse writes past it (a real short write either way).
class FullDrive : public SafeCopy {
protected:
    void TearDown() override
    {
        if (mounted)
            ::umount2(QFile::encodeName(dst()).constData(), MNT_DETACH);
        if (limited) {
            ::setrlimit(RLIMIT_FSIZE, &oldLimit);
            std::signal(SIGXFSZ, SIG_DFL);
        }
    }
    // Returns the error code the full drive gives.
    ErrorCode makeFull()
    {
        if (::mount("tmpfs", QFile::encodeName(dst()).constData(), "tmpfs", 0, "size=1m") == 0) {
            mounted = true;
            return ErrorCode::DiskFull;
        }
        ::getrlimit(RLIMIT_FSIZE, &oldLimit);
        std::signal(SIGXFSZ, SIG_IGN);
        struct rlimit small = oldLimit;
        small.rlim_cur = 1 << 20;
        limited = ::setrlimit(RLIMIT_FSIZE, &small) == 0;
        return ErrorCode::TooLarge;
    }
    bool mounted = false;
    bool limited = false;
    struct rlimit oldLimit {};
};

TEST_F(FullDrive, NoPartialFileIsLeftAndTheRestStillCopies)
{
    const QString small1 = src(QStringLiteral("1 small.mp3"), mp3(200));  // ~84 KB
    const QString big = src(QStringLiteral("2 big.mp3"), mp3(6000));      // ~2.5 MB
    const QString small2 = src(QStringLiteral("3 small.mp3"), mp3(300));
    const ErrorCode expected = makeFull();
    if (!mounted && !limited)
        GTEST_SKIP() << "neither a tmpfs mount nor a file-size limit is possible here";

    OrderedCopy copy(dst(), {small1, big, small2});
    std::vector<std::pair<int, Result>> done;
    const CopySummary summary = copy.run([&](int i, const QString &, const Result &r) { done.push_back({i, r}); });
    ASSERT_EQ(done.size(), 3u);
    EXPECT_TRUE(done[0].second.ok());
    EXPECT_EQ(done[1].second.code(), expected);
    EXPECT_TRUE(done[1].second.message().contains(QStringLiteral("2 big.mp3")))
        << done[1].second.message().toStdString();
    EXPECT_TRUE(done[2].second.ok());
    EXPECT_EQ(summary.copied, 2);
    EXPECT_EQ(summary.failed, 1);
    EXPECT_EQ(entries(dst()), (QStringList{QStringLiteral("1 small.mp3"), QStringLiteral("3 small.mp3")}));
}

// ---- the ordered loop -------------------------------------------------------

TEST_F(SafeCopy, LoopKeepsOrderAndAnExistingTargetFailsAlone)
{
    QStringList sources;
    for (const char *name : {"c.mp3", "a.mp3", "b.mp3"})
        sources << src(QString::fromLatin1(name), mp3(5));
    writeFile(dst() + QStringLiteral("/a.mp3"), "older");
    OrderedCopy copy(dst(), sources);
    QList<int> order;
    QStringList failures;
    const CopySummary s = copy.run([&](int i, const QString &target, const Result &r) {
        order << i;
        // Each file is in place (complete) before the next one starts.
        if (r.ok())
            EXPECT_EQ(readFile(target), mp3(5));
        else
            failures << target;
    });
    EXPECT_EQ(order, (QList<int>{0, 1, 2}));
    EXPECT_EQ(failures, QStringList{dst() + QStringLiteral("/a.mp3")});
    EXPECT_EQ(readFile(dst() + QStringLiteral("/a.mp3")), QByteArray("older"));
    EXPECT_EQ(s.copied, 2);
    EXPECT_EQ(s.failed, 1);
    EXPECT_FALSE(s.cancelled);
}

TEST_F(SafeCopy, LoopSkipsListedRowsAndStopsWhenCancelled)
{
    const QStringList sources{src(QStringLiteral("x.mp3"), mp3(2)), src(QStringLiteral("y?.mp3"), mp3(2)),
                              src(QStringLiteral("z.mp3"), mp3(2))};
    OrderedCopy copy(dst(), sources, {1});
    const CopySummary s = copy.run([&](int i, const QString &, const Result &) {
        if (i == 1)
            copy.cancel();
    });
    EXPECT_EQ(s.copied, 1);
    EXPECT_EQ(s.skipped, 1);
    EXPECT_TRUE(s.cancelled);
    EXPECT_EQ(entries(dst()), QStringList{QStringLiteral("x.mp3")});
}

struct DestinationCase {
    const char *destination;
    bool ok;
};
class Destination : public ::testing::TestWithParam<DestinationCase> {};

TEST_P(Destination, EmptyOrMissingIsRefusedWithAMessage)
{
    const Result r = CheckCopyDestination(QString::fromUtf8(GetParam().destination));
    EXPECT_EQ(r.ok(), GetParam().ok);
    if (!r.ok()) {
        EXPECT_FALSE(r.message().isEmpty());
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, Destination,
                         ::testing::Values(DestinationCase{"", false}, DestinationCase{"   ", false},
                                           DestinationCase{"/no/such/folder", false},
                                           DestinationCase{"/etc/hostname", false},
                                           DestinationCase{"/tmp", true}, DestinationCase{"/tmp/", true}));

TEST(CopyTarget, FolderPlusFileName)
{
    EXPECT_EQ(CopyTargetPath(QStringLiteral("/media/stick"), QStringLiteral("/m/a/01.mp3")),
              QStringLiteral("/media/stick/01.mp3"));
    EXPECT_EQ(CopyTargetPath(QStringLiteral("/media/stick/"), QStringLiteral("/m/01.mp3")),
              QStringLiteral("/media/stick/01.mp3"));
}

struct NameCase {
    const char *name;
    bool rejected;
};
class FatNames : public ::testing::TestWithParam<NameCase> {};

TEST_P(FatNames, IllegalCharactersAndTrailingDotsOrSpaces)
{
    EXPECT_EQ(FatRejectsName(QString::fromUtf8(GetParam().name)), GetParam().rejected) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FatNames,
    ::testing::Values(NameCase{"01 Song.mp3", false}, NameCase{"曲名（ライブ）.mp3", false},
                      NameCase{".hidden.mp3", false}, NameCase{"a;b,c=d+e[f].mp3", false},
                      NameCase{"What?.mp3", true}, NameCase{"A: B.mp3", true}, NameCase{"x*y.mp3", true},
                      NameCase{"say \"hi\".mp3", true}, NameCase{"<a>.mp3", true}, NameCase{"a|b.mp3", true},
                      NameCase{"back\\slash.mp3", true}, NameCase{"tab\there.mp3", true},
                      NameCase{"Vol. 1.", true}, NameCase{"trailing ", true}, NameCase{"", true}));

TEST(FatNamesList, OnlyForFatAndAllInOneMessage)
{
    const QStringList sources{QStringLiteral("/m/ok.mp3"), QStringLiteral("/m/Why?.mp3"),
                              QStringLiteral("/m/fine.mp3"), QStringLiteral("/m/dots...")};
    EXPECT_TRUE(FindUnwritableNames(sources, FileSystemKind::Other).isEmpty());
    EXPECT_TRUE(FindUnwritableNames(sources, FileSystemKind::Unknown).isEmpty());
    const QList<int> bad = FindUnwritableNames(sources, FileSystemKind::ExFat);
    EXPECT_EQ(bad, (QList<int>{1, 3}));
    EXPECT_EQ(FindUnwritableNames(sources, FileSystemKind::Fat), bad);
    const QStringList lines = UnwritableNamesMessage(sources, bad).split(u'\n');
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[1], QStringLiteral("Why?.mp3"));
    EXPECT_EQ(lines[2], QStringLiteral("dots..."));
}

TEST(FileSystemKind, TmpIsNotFat)
{
    EXPECT_EQ(fileSystemKindOf(QStringLiteral("/tmp/not/made/yet")), FileSystemKind::Other);
}

} // namespace
