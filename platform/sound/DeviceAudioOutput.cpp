#include "sound/AudioOutput.h"

#include "sound/WavFile.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QMediaDevices>

#include <utility>

namespace zarle {

namespace {

class DeviceAudioOutput : public AudioOutput {
  public:
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
        sink_ = sink;
        // Idle comes once the samples have run out and the device has played them.
        QObject::connect(sink, &QAudioSink::stateChanged, sink, [this, sink, ended](QAudio::State state) {
            const bool over = state == QAudio::IdleState ||
                              (state == QAudio::StoppedState && sink->error() != QAudio::NoError);
            if (!over || sink != sink_) return;
            Stop();
            ended();
        });
        sink->start(samples);
        if (sink->error() == QAudio::NoError && sink->state() != QAudio::StoppedState) return true;
        Stop();
        return false;
    }

    // The sink may be the one reporting its state right now, so it is deleted only once
    // control is back in the event loop; it says nothing more from here on.
    void Stop() override {
        QAudioSink* sink = std::exchange(sink_, nullptr);
        if (!sink) return;
        sink->disconnect();
        sink->stop();
        sink->deleteLater();
    }

  private:
    QAudioSink* sink_ = nullptr;
};

} // namespace

std::unique_ptr<AudioOutput> MakeDeviceAudioOutput() {
    return std::make_unique<DeviceAudioOutput>();
}

} // namespace zarle
