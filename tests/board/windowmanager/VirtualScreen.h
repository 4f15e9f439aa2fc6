#pragma once
// A virtual X screen of the test's own on a free display, with the openbox window manager on it.
// Both are killed when the object goes.

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

namespace zarle::test {

class VirtualScreen {
  public:
    VirtualScreen();
    ~VirtualScreen();
    VirtualScreen(const VirtualScreen&) = delete;
    VirtualScreen& operator=(const VirtualScreen&) = delete;

    // Empty when the screen and its window manager run; otherwise why not.
    const QString& Failure() const { return failure_; }
    // ":<n>"
    const QString& Display() const { return display_; }

  private:
    bool StartServer();
    bool StartWindowManager();

    QTemporaryDir home_;
    QProcess server_;
    QProcess manager_;
    QString display_;
    QString failure_;
};

} // namespace zarle::test
