#include "tests/board/windowmanager/VirtualScreen.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QProcessEnvironment>
#include <QThread>

namespace zarle::test {

namespace {

constexpr int FirstDisplay = 140;
constexpr int Tries = 40;
// Each case starts a screen of its own, often beside other tests: a busy machine can take a few
// seconds to bring up the server and the window manager.
constexpr int StartMs = 15000;

void Stop(QProcess& process) {
    if (process.state() == QProcess::NotRunning) return;
    process.terminate();
    if (!process.waitForFinished(2000)) {
        process.kill();
        process.waitForFinished(2000);
    }
}

// Whether the window manager has announced itself on the screen's root window.
bool ManagerAnnounced(const QString& display) {
    QProcess xprop;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), display);
    xprop.setProcessEnvironment(env);
    xprop.start(QStringLiteral("xprop"),
                {QStringLiteral("-root"), QStringLiteral("_NET_SUPPORTING_WM_CHECK")});
    if (!xprop.waitForFinished(2000)) return false;
    return xprop.readAllStandardOutput().contains("window id");
}

} // namespace

VirtualScreen::VirtualScreen() {
    if (StartServer()) StartWindowManager();
}

VirtualScreen::~VirtualScreen() {
    Stop(manager_);
    Stop(server_);
}

bool VirtualScreen::StartServer() {
    // Each run of the tests takes another display, so parallel runs do not meet.
    const int offset = int(QCoreApplication::applicationPid() % 200);
    for (int i = 0; i < Tries; ++i) {
        const int n = FirstDisplay + (offset + i * 7) % 400;
        if (QFileInfo::exists(QStringLiteral("/tmp/.X%1-lock").arg(n)) ||
            QFileInfo::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(n)))
            continue;
        display_ = QStringLiteral(":%1").arg(n);
        server_.start(QStringLiteral("Xvfb"),
                      {display_, QStringLiteral("-screen"), QStringLiteral("0"),
                       QStringLiteral("1280x1024x24"), QStringLiteral("-nolisten"), QStringLiteral("tcp")});
        if (!server_.waitForStarted(StartMs)) {
            failure_ = QStringLiteral("Xvfb could not be run: ") + server_.errorString();
            return false;
        }
        const QDeadlineTimer deadline(StartMs);
        while (!deadline.hasExpired() && server_.state() == QProcess::Running) {
            if (QFileInfo::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(n))) return true;
            QThread::msleep(20);
        }
        Stop(server_); // the display was taken meanwhile: the next one
    }
    failure_ = QStringLiteral("no free display for Xvfb");
    return false;
}

bool VirtualScreen::StartWindowManager() {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), display_);
    env.insert(QStringLiteral("HOME"), home_.path());
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home_.path());
    manager_.setProcessEnvironment(env);
    manager_.setProcessChannelMode(QProcess::MergedChannels);
    manager_.start(QStringLiteral("openbox"), {QStringLiteral("--sm-disable")});
    if (!manager_.waitForStarted(StartMs)) {
        failure_ = QStringLiteral("openbox could not be run: ") + manager_.errorString();
        return false;
    }
    const QDeadlineTimer deadline(StartMs);
    while (!deadline.hasExpired() && manager_.state() == QProcess::Running) {
        if (ManagerAnnounced(display_)) return true;
        QThread::msleep(50);
    }
    failure_ =
        QStringLiteral("openbox did not start: ") + QString::fromLocal8Bit(manager_.readAll()).left(600);
    return false;
}

} // namespace zarle::test
