#pragma once
// A fresh folder for one test, removed afterwards.

#include <QDir>
#include <QTemporaryDir>

#include <filesystem>

class TempFolder {
  public:
    QString Path() const { return dir_.path(); }
    std::filesystem::path FsPath() const { return dir_.path().toStdString(); }
    QString File(const QString& relative) const { return QDir(dir_.path()).filePath(relative); }

  private:
    QTemporaryDir dir_;
};
