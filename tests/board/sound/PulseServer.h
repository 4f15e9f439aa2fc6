#pragma once
// A PulseAudio server of the test's own: a user-level daemon under a scratch folder with one null
// sink, which quits by itself when left idle and is killed when the object goes. The process's
// sound clients are pointed at it, so it must start before the first sound is played.

#include <QProcess>
#include <QTemporaryDir>

#include <vector>

namespace zarle::test {

class PulseServer {
  public:
    PulseServer();
    ~PulseServer();
    PulseServer(const PulseServer&) = delete;
    PulseServer& operator=(const PulseServer&) = delete;

    // Empty when the server runs; otherwise why it could not start.
    const QString& Failure() const { return failure_; }
    QString MonitorSource() const;
    // Runs a client tool of the server (parec, pactl) against it.
    void Connect(QProcess& client) const;

  private:
    QTemporaryDir dir_;
    QProcess server_;
    QString failure_;
};

// Records the null sink's monitor as mono 16-bit samples at `Rate` while the events run.
class MonitorRecorder {
  public:
    static constexpr int Rate = 48000;
    explicit MonitorRecorder(const PulseServer& server);
    ~MonitorRecorder();
    // Waits until the first samples arrive; false when none do.
    bool WaitUntilRecording();
    // Samples recorded so far.
    qsizetype Count() const { return samples_.size() / 2; }
    // Samples [from, to) as values in -1..1.
    std::vector<double> Slice(qsizetype from, qsizetype to) const;

  private:
    QProcess parec_;
    QByteArray samples_;
};

} // namespace zarle::test
