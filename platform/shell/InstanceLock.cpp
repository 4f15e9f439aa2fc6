#include "platform/shell/InstanceLock.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>

#include <unistd.h>

namespace zarle {

QString InstanceLockPath(const QString& name, const QString& programFolder) {
    // The session's runtime folder belongs to the user alone; in a shared temporary folder the
    // user's id in the name keeps one user's lock from shutting out the others.
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    const QString folder = !runtime.isEmpty() && QFileInfo(runtime).isDir() ? runtime : QDir::tempPath();
    const QString canonical = QFileInfo(programFolder).canonicalFilePath();
    const QByteArray key = (canonical.isEmpty() ? QDir::cleanPath(programFolder) : canonical).toUtf8();
    const QString folderId =
        QString::fromLatin1(QCryptographicHash::hash(key, QCryptographicHash::Sha256).toHex().left(16));
    return QDir(folder).filePath(QStringLiteral("%1-%2-%3.lock").arg(name).arg(::getuid()).arg(folderId));
}

InstanceLock::InstanceLock(const QString& name, const QString& programFolder)
    : lock_(InstanceLockPath(name, programFolder)), held_(lock_.tryLock(0)) {}

} // namespace zarle
