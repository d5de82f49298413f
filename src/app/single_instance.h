#pragma once

#include <QLockFile>
#include <QString>
#include <memory>

namespace morvi {

// One running copy per user: the first copy holds a lock file until it ends. A lock left by a
// copy that crashed is taken over; where no lock can be written at all, every copy may run.
class InstanceLock {
  public:
    // The user's runtime directory, or the temporary directory when there is none.
    static QString defaultDirectory();

    explicit InstanceLock(const QString& directory);
    // True when another running copy holds the lock; otherwise this copy takes it and keeps it.
    bool anotherInstanceRunning();

  private:
    std::unique_ptr<QLockFile> lock_;
};

}  // namespace morvi
