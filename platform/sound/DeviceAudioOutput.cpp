#include "sound/AudioOutput.h"

#include "sound/WavFile.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QElapsedTimer>
#include <QMediaDevices>
#include <QTimer>

#include <utility>

namespace zarle {

namespace {

// How often the device's progress is looked at.
constexpr int WatchIntervalMs = 15;
// A device that stalls or never reports its progress still gives the end this late.
constexpr qint64 MaxLateMs = 1000;

// Plays through the machine's default device. The end is when the device has played the
// whole sound: the sink running dry only means the samples are in the device's buffer,
// and silencing it then would cut off the sound's tail.
class DeviceAudioOutput : public AudioOutput {
  public:
    DeviceAudioOutput() {
        watch_.setInterval(WatchIntervalMs);
        QObject::connect(&watch_, &QTimer::timeout, [this] { Watch(); });
    }
    ~DeviceAudioOutput() override { Stop(); }

    bool Start(const PcmSound& sound, std::function<void()> ended) override {
        Stop();
        const QAudioDevice device = QMediaDevices::defaultAudioOutput();
        if (device.isNull()) return false;
        QAudioFormat format;
        format.setSampleRate(sound.sampleRate);
        format.setChannelCount(sound.channels);
        format.setSampleFormat(QAudioFormat::Int16);
        if (!device.isFormatSupported(format)) return false;

        auto* sink = new QAudioSink(device, format);
        auto* samples = new QBuffer(sink);
        samples->setData(sound.samples);
        samples->open(QIODevice::ReadOnly);
        sink->start(samples);
        if (sink->error() != QAudio::NoError || sink->state() == QAudio::StoppedState) {
            delete sink;
            return false;
        }
        sink_ = sink;
        samples_ = samples;
        ended_ = std::move(ended);
        lengthUs_ = qint64(sound.Seconds() * 1e6);
        clock_.start();
        watch_.start();
        return true;
    }

    void Stop() override {
        watch_.stop();
        ended_ = nullptr;
        if (QAudioSink* sink = std::exchange(sink_, nullptr)) {
            sink->stop();
            sink->deleteLater();
        }
    }

  private:
    void Watch() {
        const QAudio::Error error = sink_->error();
        const bool broken = error != QAudio::NoError && error != QAudio::UnderrunError;
        // Some devices report their progress ahead of time; no sound is over before its length.
        const bool playedOut = samples_->atEnd() && sink_->processedUSecs() >= lengthUs_ &&
                               clock_.nsecsElapsed() / 1000 >= lengthUs_;
        const bool overdue = clock_.elapsed() > lengthUs_ / 1000 + MaxLateMs;
        if (!broken && !playedOut && !overdue) return;
        const std::function<void()> ended = std::move(ended_);
        Stop();
        if (ended) ended();
    }

    QTimer watch_;
    QElapsedTimer clock_;
    QAudioSink* sink_ = nullptr;
    QBuffer* samples_ = nullptr;
    std::function<void()> ended_;
    qint64 lengthUs_ = 0;
};

} // namespace

std::unique_ptr<AudioOutput> MakeDeviceAudioOutput() {
    return std::make_unique<DeviceAudioOutput>();
}

} // namespace zarle
