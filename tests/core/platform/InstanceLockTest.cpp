// One run per program folder: a second lock of the same folder fails with a
// message until the first is released; a crashed holder releases it.
#include "core/platform/InstanceLock.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

using vireo::InstanceLock;

TEST(InstanceLock, SecondHolderIsRefusedUntilTheFirstEnds)
{
    QTemporaryDir dir;
    const QString folder = dir.path() + QLatin1Char('/');
    {
        auto first = InstanceLock::acquire(folder);
        ASSERT_TRUE(first.ok()) << first.message().toStdString();
        // flock locks belong to the open file description: a second open in
        // the same process is refused just as another process would be.
        auto second = InstanceLock::acquire(folder);
        EXPECT_FALSE(second.ok());
        EXPECT_TRUE(second.message().contains(QStringLiteral("既に起動しています")));
    }
    EXPECT_TRUE(InstanceLock::acquire(folder).ok());
}

TEST(InstanceLock, AKilledHolderLeavesNoStaleLock)
{
    QTemporaryDir dir;
    const QString folder = dir.path() + QLatin1Char('/');
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t child = ::fork();
    if (child == 0) {
        auto lock = InstanceLock::acquire(folder);
        char c = lock.ok() ? 'y' : 'n';
        (void)!::write(ready[1], &c, 1);
        ::pause();
        ::_exit(0);
    }
    char c = 0;
    ASSERT_EQ(::read(ready[0], &c, 1), 1);
    ASSERT_EQ(c, 'y');
    EXPECT_FALSE(InstanceLock::acquire(folder).ok());
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    EXPECT_TRUE(InstanceLock::acquire(folder).ok());
}

TEST(InstanceLock, AnUnwritableFolderNamesTheCause)
{
    auto lock = InstanceLock::acquire(QStringLiteral("/nonexistent-folder/"));
    ASSERT_FALSE(lock.ok());
    EXPECT_EQ(lock.code(), vireo::ErrorCode::NotFound);
    EXPECT_TRUE(lock.message().contains(QStringLiteral("/nonexistent-folder/vireo.lock")));
}
