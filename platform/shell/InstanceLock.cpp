#include "shell/InstanceLock.h"

#include <QDir>

namespace zarle {

InstanceLock::InstanceLock(const QString& name)
    : lock_(QDir(QDir::tempPath()).filePath(name + QStringLiteral(".lock"))), held_(lock_.tryLock(0)) {}

} // namespace zarle
