#include "tests/board/sound/PulseServer.h"

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QProcessEnvironment>
#include <QThread>

#include "platform/wait/Wait.h"

#include <algorithm>

namespace zarle::test {

namespace {

constexpr const char* SinkName = "zarle_test_sink";
constexpr int StartMs = 10000;

// Whether `pactl info` answers from the server.
bool Answers(const PulseServer& server) {
    QProcess pactl;
    server.Connect(pactl);
    pactl.start(QStringLiteral("pactl"), {QStringLiteral("info")});
    return pactl.waitForFinished(3000) && pactl.exitStatus() == QProcess::NormalExit && pactl.exitCode() == 0;
}

} // namespace

PulseServer::PulseServer() {
    if (!dir_.isValid()) {
        failure_ = QStringLiteral("no scratch folder for the sound server");
        return;
    }
    const QString socket = dir_.filePath(QStringLiteral("native"));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), dir_.path());
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), dir_.path());
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), dir_.filePath(QStringLiteral("config")));
    server_.setProcessEnvironment(env);
    server_.setProcessChannelMode(QProcess::MergedChannels);
    server_.start(QStringLiteral("pulseaudio"),
                  {QStringLiteral("-n"), QStringLiteral("--daemonize=no"),
                   QStringLiteral("--exit-idle-time=20"), QStringLiteral("--use-pid-file=no"),
                   QStringLiteral("--disable-shm=yes"), QStringLiteral("--log-target=stderr"),
                   QStringLiteral("-L"), QStringLiteral("module-null-sink sink_name=%1").arg(SinkName),
                   QStringLiteral("-L"),
                   QStringLiteral("module-native-protocol-unix auth-anonymous=1 socket=%1").arg(socket)});
    if (!server_.waitForStarted(StartMs)) {
        failure_ = QStringLiteral("pulseaudio could not be run: ") + server_.errorString();
        return;
    }
    qputenv("PULSE_SERVER", ("unix:" + socket).toLocal8Bit());
    const QDeadlineTimer deadline(StartMs);
    while (!deadline.hasExpired() && server_.state() == QProcess::Running) {
        if (QFileInfo::exists(socket) && Answers(*this)) return;
        QThread::msleep(50);
    }
    failure_ =
        QStringLiteral("pulseaudio did not start: ") + QString::fromLocal8Bit(server_.readAll()).left(600);
}

PulseServer::~PulseServer() {
    if (server_.state() == QProcess::NotRunning) return;
    server_.terminate();
    if (!server_.waitForFinished(3000)) {
        server_.kill();
        server_.waitForFinished(3000);
    }
}

QString PulseServer::MonitorSource() const {
    return QStringLiteral("%1.monitor").arg(SinkName);
}

void PulseServer::Connect(QProcess& client) const {
    QProcessEnvironment env = server_.processEnvironment();
    env.insert(QStringLiteral("PULSE_SERVER"), QString::fromLocal8Bit(qgetenv("PULSE_SERVER")));
    client.setProcessEnvironment(env);
}

MonitorRecorder::MonitorRecorder(const PulseServer& server) {
    server.Connect(parec_);
    QObject::connect(&parec_, &QProcess::readyReadStandardOutput,
                     [this] { samples_ += parec_.readAllStandardOutput(); });
    parec_.start(QStringLiteral("parec"),
                 {QStringLiteral("--device=") + server.MonitorSource(), QStringLiteral("--format=s16le"),
                  QStringLiteral("--rate=%1").arg(Rate), QStringLiteral("--channels=1"),
                  QStringLiteral("--latency-msec=20"), QStringLiteral("--raw")});
}

bool MonitorRecorder::WaitUntilRecording() {
    if (!parec_.waitForStarted(5000)) return false;
    const QDeadlineTimer deadline(5000);
    while (Count() == 0 && !deadline.hasExpired() && parec_.state() == QProcess::Running) Wait(0.01);
    return Count() > 0;
}

MonitorRecorder::~MonitorRecorder() {
    parec_.kill();
    parec_.waitForFinished(3000);
}

std::vector<double> MonitorRecorder::Slice(qsizetype from, qsizetype to) const {
    to = std::min(to, Count());
    std::vector<double> out;
    const auto* samples = reinterpret_cast<const int16_t*>(samples_.constData());
    for (qsizetype i = std::max<qsizetype>(from, 0); i < to; ++i) out.push_back(samples[i] / 32768.0);
    return out;
}

} // namespace zarle::test
