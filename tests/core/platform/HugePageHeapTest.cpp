// The restart that gives the heap huge pages: the restarted process must not
// hand the glibc tunable on to the programs it starts, and a user's own
// tunables are left as they are.
#include "core/platform/HugePageHeap.h"

#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

// Run only by the test below, in a process of its own (the program restarts itself).
TEST(HugePageHeapChild, DISABLED_ReportsItsEnvironment)
{
    if (!std::getenv("VIREO_TEST_HUGE_PAGE_CHILD"))
        GTEST_SKIP() << "run by HugePageHeap.*";
    QByteArray cmdline;
    {
        QFile f(QStringLiteral("/proc/self/cmdline"));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        cmdline = f.readAll();
    }
    std::vector<QByteArray> parts;
    for (const QByteArray &p : cmdline.split('\0'))
        if (!p.isEmpty())
            parts.push_back(p);
    std::vector<char *> argv;
    for (QByteArray &p : parts)
        argv.push_back(p.data());
    argv.push_back(nullptr);
    vireo::restartWithHugePageHeap(argv.data());
    QFile environ(QStringLiteral("/proc/self/environ")); // as the process began
    ASSERT_TRUE(environ.open(QIODevice::ReadOnly));
    const bool began = environ.readAll().contains("glibc.malloc.hugetlb=1");
    const char *now = std::getenv("GLIBC_TUNABLES");
    std::printf("began-with-huge-pages=%d tunables-now=%s marker-now=%d\n", began ? 1 : 0, now ? now : "-",
                std::getenv("VIREO_HUGE_PAGE_RESTART") ? 1 : 0);
}

std::string runChild(const QString &tunables)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("VIREO_TEST_HUGE_PAGE_CHILD"), QStringLiteral("1"));
    env.remove(QStringLiteral("VIREO_HUGE_PAGES"));
    if (tunables.isEmpty())
        env.remove(QStringLiteral("GLIBC_TUNABLES"));
    else
        env.insert(QStringLiteral("GLIBC_TUNABLES"), tunables);
    p.setProcessEnvironment(env);
    p.start(QFile::symLinkTarget(QStringLiteral("/proc/self/exe")),
            {QStringLiteral("--gtest_filter=HugePageHeapChild.*"), QStringLiteral("--gtest_also_run_disabled_tests")});
    p.waitForFinished(30000);
    const QString out = QString::fromLocal8Bit(p.readAllStandardOutput());
    const qsizetype at = out.indexOf(QStringLiteral("began-with-huge-pages="));
    return (at < 0 ? out : out.mid(at).section(QLatin1Char('\n'), 0, 0)).toStdString();
}

bool hugePagesOnRequest()
{
    QFile f(QStringLiteral("/sys/kernel/mm/transparent_hugepage/enabled"));
    return f.open(QIODevice::ReadOnly) && f.readAll().contains("[madvise]");
}

TEST(HugePageHeap, RestartLeavesNothingForChildrenAndKeepsTheUsersTunables)
{
    // Without tunables of the user's: restarted where the kernel gives huge
    // pages on request, and the variables are gone again either way.
    EXPECT_EQ(runChild(QString()), hugePagesOnRequest() ? "began-with-huge-pages=1 tunables-now=- marker-now=0"
                                                        : "began-with-huge-pages=0 tunables-now=- marker-now=0");
    // The user's own tunables: no restart, nothing changed.
    EXPECT_EQ(runChild(QStringLiteral("glibc.malloc.check=0")),
              "began-with-huge-pages=0 tunables-now=glibc.malloc.check=0 marker-now=0");
}

} // namespace
