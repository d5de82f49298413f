#include "app/single_instance.h"

#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QSysInfo>
#include <QTemporaryDir>

#include <sys/wait.h>
#include <unistd.h>

namespace morvi {
namespace {

class SingleInstance : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    QString lockPath() const { return dir.filePath(QStringLiteral("morvi.lock")); }
};

TEST_F(SingleInstance, TheFirstCopyRunsAndASecondFindsItUntilItEnds) {
    auto first = std::make_unique<InstanceLock>(dir.path());
    EXPECT_FALSE(first->anotherInstanceRunning());
    EXPECT_FALSE(first->anotherInstanceRunning());  // asking again does not find itself
    EXPECT_TRUE(QFile::exists(lockPath()));
    InstanceLock second(dir.path());
    EXPECT_TRUE(second.anotherInstanceRunning());
    first.reset();
    InstanceLock third(dir.path());
    EXPECT_FALSE(third.anotherInstanceRunning());
}

TEST_F(SingleInstance, ALockLeftByACrashedCopyIsTakenOver) {
    QProcess gone;
    gone.start(QStringLiteral("true"), {});
    ASSERT_TRUE(gone.waitForStarted());
    const qint64 deadPid = gone.processId();
    ASSERT_TRUE(gone.waitForFinished());
    QFile lock(lockPath());
    ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
    lock.write(QByteArray::number(deadPid) + '\n' + QCoreApplication::applicationName().toUtf8() +
               '\n' + QSysInfo::machineHostName().toUtf8() + '\n' + QSysInfo::machineUniqueId() +
               '\n' + QSysInfo::bootUniqueId() + '\n');
    lock.close();
    InstanceLock next(dir.path());
    EXPECT_FALSE(next.anotherInstanceRunning());
}

TEST_F(SingleInstance, WithoutAWritableLockPlaceTheProgramStillStarts) {
    QFile notADirectory(dir.filePath(QStringLiteral("file")));
    ASSERT_TRUE(notADirectory.open(QIODevice::WriteOnly));
    notADirectory.close();
    InstanceLock lock(notADirectory.fileName());
    EXPECT_FALSE(lock.anotherInstanceRunning());
}

// In a child process without root's rights, so the directory's modes apply.
TEST_F(SingleInstance, AReadOnlyLockDirectoryStillLetsTheProgramStart) {
    ASSERT_TRUE(QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner |
                                                      QFileDevice::ReadOther |
                                                      QFileDevice::ExeOther));
    const pid_t child = fork();
    if (child == 0) {
        if (getuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) _exit(2);
        InstanceLock lock(dir.path());
        _exit(lock.anotherInstanceRunning() ? 1 : 0);
    }
    int status = -1;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    if (WIFEXITED(status) && WEXITSTATUS(status) == 2)
        GTEST_SKIP() << "root's rights cannot be given up here";
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    EXPECT_FALSE(QFile::exists(lockPath()));
    QFile::setPermissions(dir.path(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

TEST(SingleInstanceDirectory, IsAnExistingPerUserPlace) {
    const QString directory = InstanceLock::defaultDirectory();
    EXPECT_FALSE(directory.isEmpty());
    EXPECT_TRUE(QFileInfo(directory).isDir());
}

}  // namespace
}  // namespace morvi
