#include "sound/AudioOutput.h"

#include "sound/PcmConvert.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QElapsedTimer>
#include <QMediaDevices>
#include <QTimer>

#include <algorithm>
#include <utility>

namespace zarle {

namespace {

// How often the device's progress is looked at.
constexpr int WatchIntervalMs = 15;
// A device that stalls still gives the end this late.
constexpr qint64 MaxLateMs = 1000;
// The time the device's buffers hold, counted at least and at most.
constexpr qint64 MinLatencyUs = 20000;
constexpr qint64 MaxLatencyUs = 500000;

QAudioFormat Int16Format(int sampleRate, int channels) {
    QAudioFormat format;
    format.setSampleRate(sampleRate);
    format.setChannelCount(channels);
    format.setSampleFormat(QAudioFormat::Int16);
    return format;
}

// The 16-bit format the device takes closest to its own preference; an invalid format when it
// takes none of them.
QAudioFormat DeviceFormat(const QAudioDevice& device) {
    const QAudioFormat preferred = device.preferredFormat();
    const QAudioFormat candidates[] = {Int16Format(preferred.sampleRate(), preferred.channelCount()),
                                       Int16Format(48000, 2), Int16Format(44100, 2), Int16Format(48000, 1),
                                       Int16Format(44100, 1)};
    for (const QAudioFormat& format : candidates)
        if (format.isValid() && device.isFormatSupported(format)) return format;
    return {};
}

// Plays through the machine's default device, in a format the device takes: every sound is
// brought to the device's own rate, whatever the rate it was recorded at. The end is when the
// device has played the whole sound: the sink running dry, or its count of processed samples,
// only means the samples are in the device's buffers, and silencing it then would cut off the
// sound's tail (a short sound entirely). So the end comes a buffer's time after the sound's length.
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
        const QAudioFormat format = DeviceFormat(device);
        if (!format.isValid()) return false;

        auto* sink = new QAudioSink(device, format);
        auto* samples = new QBuffer(sink);
        samples->setData(ConvertPcm(sound, format.sampleRate(), format.channelCount()).samples);
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
        latencyUs_ = std::clamp(format.durationForBytes(sink->bufferSize()), MinLatencyUs, MaxLatencyUs);
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
        const bool playedOut = samples_->atEnd() && clock_.nsecsElapsed() / 1000 >= lengthUs_ + latencyUs_;
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
    qint64 latencyUs_ = 0;
};

} // namespace

std::unique_ptr<AudioOutput> MakeDeviceAudioOutput() {
    return std::make_unique<DeviceAudioOutput>();
}

} // namespace zarle
