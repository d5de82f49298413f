#include "app/single_instance.h"

#include <QDir>
#include <QStandardPaths>

#include <unistd.h>

namespace morvi {

QString InstanceLock::defaultDirectory() {
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return runtime.isEmpty() ? QDir::tempPath() : runtime;
}

// Named after the user: in the temporary directory every user's copies meet, and another user's
// lock, which this user may not take over, must not stop this user's copy.
InstanceLock::InstanceLock(const QString& directory)
    : lock_(std::make_unique<QLockFile>(
          QDir(directory).filePath(QStringLiteral("morvi-%1.lock").arg(getuid())))) {
    // Only a dead holder makes a lock stale, never its age: the first copy may run for days.
    lock_->setStaleLockTime(0);
}

bool InstanceLock::anotherInstanceRunning() {
    if (lock_->isLocked() || lock_->tryLock(0)) return false;
    return lock_->error() == QLockFile::LockFailedError;
}

}  // namespace morvi
