#include "platform/sound/AudioOutput.h"

#include "platform/sound/PcmConvert.h"

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
// Silence played before and after each sound.
constexpr qint64 SilenceBeforeUs = 50000;
constexpr qint64 SilenceAfterUs = 250000;
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
        // A device loses the first moments of a new stream, and starts late on a stream shorter
        // than what it buffers: silence before the sound, and after it to push its last samples
        // through, let a short click be heard whole.
        QByteArray data(format.bytesForDuration(SilenceBeforeUs), '\0');
        data.append(ConvertPcm(sound, format.sampleRate(), format.channelCount()).samples);
        data.append(format.bytesForDuration(SilenceAfterUs), '\0');
        samples->setData(data);
        samples->open(QIODevice::ReadOnly);
        sink->start(samples);
        if (sink->error() != QAudio::NoError || sink->state() == QAudio::StoppedState) {
            delete sink;
            return false;
        }
        sink_ = sink;
        samples_ = samples;
        ended_ = std::move(ended);
        lengthUs_ = SilenceBeforeUs + qint64(sound.Seconds() * 1e6);
        latencyUs_ = std::clamp(format.durationForBytes(sink->bufferSize()), MinLatencyUs, MaxLatencyUs);
        clock_.start();
        watch_.start();
        return true;
    }

    // The first look for the device wakes the platform's sound service, which can take a while.
    void Prepare() override {
        const QAudioDevice device = QMediaDevices::defaultAudioOutput();
        if (!device.isNull()) DeviceFormat(device);
    }

    void Stop() override {
        watch_.stop();
        ended_ = nullptr;
        Silence(std::exchange(sink_, nullptr));
        Silence(std::exchange(draining_, nullptr));
    }

  private:
    void Watch() {
        const QAudio::Error error = sink_->error();
        const bool broken = error != QAudio::NoError && error != QAudio::UnderrunError;
        const bool playedOut = samples_->atEnd() && clock_.nsecsElapsed() / 1000 >= lengthUs_ + latencyUs_;
        const bool overdue = clock_.elapsed() > lengthUs_ / 1000 + MaxLateMs;
        if (!broken && !playedOut && !overdue) return;
        const std::function<void()> ended = std::move(ended_);
        watch_.stop();
        // A sound that played out is left to drain: a late device still plays its last samples.
        // The next sound, or a stop, silences it.
        Silence(std::exchange(draining_, std::exchange(sink_, nullptr)));
        if (broken) Silence(std::exchange(draining_, nullptr));
        if (ended) ended();
    }

    // The sink goes at once: a later deletion would wait for an event loop, which the program's
    // last sounds and a test's sounds never get. No signal of the sink is connected, so none of
    // its own code is on the stack here.
    static void Silence(QAudioSink* sink) {
        if (!sink) return;
        sink->stop();
        delete sink;
    }

    QTimer watch_;
    QElapsedTimer clock_;
    QAudioSink* sink_ = nullptr;
    QAudioSink* draining_ = nullptr; // played out, still giving the device its last samples
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
