#pragma once
// Tells whether another copy of the program is already running from the same program folder for
// the same user. The first copy holds a lock file until it ends; a copy that crashed leaves a
// stale lock, which the next one takes over. The lock lives in the user's runtime folder (or in
// the temporary folder under the user's id) and is named after the program folder, so other
// users, and copies in other folders, run freely.

#include <QCoreApplication>
#include <QLockFile>
#include <QString>

namespace zarle {

class InstanceLock {
  public:
    // `name` names the program, `programFolder` the folder it runs from.
    explicit InstanceLock(const QString& name,
                          const QString& programFolder = QCoreApplication::applicationDirPath());

    bool AnotherIsRunning() const { return !held_; }

  private:
    QLockFile lock_;
    bool held_;
};

// The lock file of that program in that folder for the user running this process.
QString InstanceLockPath(const QString& name, const QString& programFolder);

} // namespace zarle
