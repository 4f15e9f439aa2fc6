#pragma once
// Tells whether another copy of the program is already running for this user. The first
// copy holds a lock file until it ends; a copy that crashed leaves a stale lock, which
// the next one takes over.

#include <QLockFile>
#include <QString>

namespace zarle {

class InstanceLock {
  public:
    // `name` names the program; the lock lives in the user's temporary folder.
    explicit InstanceLock(const QString& name);

    bool AnotherIsRunning() const { return !held_; }

  private:
    QLockFile lock_;
    bool held_;
};

} // namespace zarle
