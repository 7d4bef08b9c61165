// Files whose tags are built to exhaust memory (made by tests/data/make_hostile.py)
// are read by vireo-cli info within a bounded address space, in little memory.
#include "tests/support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace vireo::test;

namespace {

class HostileFiles : public ::testing::TestWithParam<const char *> {
protected:
    static void SetUpTestSuite()
    {
        folder = new QTemporaryDir;
        const RunResult r = run(QStringLiteral(VIREO_PYTHON3),
                                {QStringLiteral(VIREO_SOURCE_DIR "/tests/data/make_hostile.py"), folder->path()});
        ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    }
    static void TearDownTestSuite()
    {
        delete folder;
        folder = nullptr;
    }
    static QTemporaryDir *folder;
};
QTemporaryDir *HostileFiles::folder = nullptr;

struct Outcome {
    int exitCode = -1;
    long peakKiB = 0;
    QByteArray out;
};

// Runs vireo-cli info --json FILE with the address space limited to limitMiB
// (0: no limit).
Outcome infoWithin(const QString &file, long limitMiB)
{
    Outcome o;
    char outName[] = "/tmp/vireo-hostile-XXXXXX";
    const int outFd = ::mkstemp(outName);
    const QByteArray cli = QByteArrayLiteral(VIREO_CLI);
    const QByteArray path = QFile::encodeName(file);
    const pid_t pid = ::fork();
    if (pid == 0) {
        const rlimit limit{rlim_t(limitMiB) << 20, rlim_t(limitMiB) << 20};
        if (limitMiB > 0)
            ::setrlimit(RLIMIT_AS, &limit);
        ::dup2(outFd, 1);
        const int devNull = ::open("/dev/null", O_WRONLY);
        ::dup2(devNull, 2);
        ::execl(cli.constData(), cli.constData(), "info", "--json", path.constData(), static_cast<char *>(nullptr));
        ::_exit(127);
    }
    int status = 0;
    rusage usage{};
    ::wait4(pid, &status, 0, &usage);
    o.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    o.peakKiB = usage.ru_maxrss;
    ::close(outFd);
    o.out = readFile(QString::fromLatin1(outName));
    ::unlink(outName);
    return o;
}

TEST_P(HostileFiles, AreReadInBoundedMemory)
{
#ifdef VIREO_SANITIZED
    // AddressSanitizer reserves terabytes of address space, so there is no
    // address limit; its shadow memory, red zones and quarantine (about
    // 70 MiB for any file, 130 MiB for these) are allowed for in the peak.
    constexpr long limitMiB = 0, peakMiB = 250;
#else
    constexpr long limitMiB = 1024, peakMiB = 100;
#endif
    const QString file = folder->filePath(QString::fromLatin1(GetParam()));
    ASSERT_TRUE(QFile::exists(file));
    const Outcome o = infoWithin(file, limitMiB);
    EXPECT_EQ(o.exitCode, 0) << o.out.constData();
    EXPECT_LT(o.peakKiB, peakMiB * 1024) << "peak " << o.peakKiB << " KiB";
    // The rest of the tag is still read.
    EXPECT_TRUE(o.out.contains("Hostile")) << o.out.left(500).constData();
}

INSTANTIATE_TEST_SUITE_P(Files, HostileFiles,
                         ::testing::Values("nul_text_8mib.mp3", "zlib_nul_80k.mp3", "zlib_1mb.mp3",
                                           "stated_4gib.mp3", "many_frames_nul.mp3"),
                         [](const auto &info) {
                             std::string n = info.param;
                             return n.substr(0, n.find('.'));
                         });

} // namespace
