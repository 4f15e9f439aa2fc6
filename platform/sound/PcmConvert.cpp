#include "platform/sound/PcmConvert.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

namespace zarle {

namespace {

std::vector<int16_t> SamplesOf(const PcmSound& sound) {
    std::vector<int16_t> out(sound.FrameCount() * sound.channels);
    std::memcpy(out.data(), sound.samples.constData(), out.size() * sizeof(int16_t));
    return out;
}

// The sound's channel for output channel `k`, at whole frame `frame`.
double ChannelAt(const std::vector<int16_t>& in, int inChannels, qsizetype frame, int k, int outChannels) {
    const int16_t* at = in.data() + frame * inChannels;
    if (outChannels == 1 && inChannels > 1) {
        double sum = 0;
        for (int c = 0; c < inChannels; ++c) sum += at[c];
        return sum / inChannels;
    }
    return at[k % inChannels];
}

} // namespace

PcmSound ConvertPcm(const PcmSound& sound, int sampleRate, int channels) {
    if (sound.sampleRate == sampleRate && sound.channels == channels) return sound;
    PcmSound out{sampleRate, channels, {}};
    const qsizetype inFrames = sound.FrameCount();
    if (inFrames == 0 || sampleRate <= 0 || channels <= 0 || sound.sampleRate <= 0) return out;
    const std::vector<int16_t> in = SamplesOf(sound);
    const auto outFrames =
        static_cast<qsizetype>(std::llround(double(inFrames) * sampleRate / sound.sampleRate));
    std::vector<int16_t> samples(outFrames * channels);
    const double ratio = double(sound.sampleRate) / sampleRate;
    for (qsizetype j = 0; j < outFrames; ++j) {
        const double position = j * ratio;
        const auto i = static_cast<qsizetype>(position);
        const qsizetype next = std::min(i + 1, inFrames - 1);
        const double part = position - double(i);
        for (int k = 0; k < channels; ++k) {
            const double a = ChannelAt(in, sound.channels, i, k, channels);
            const double b = ChannelAt(in, sound.channels, next, k, channels);
            samples[j * channels + k] = static_cast<int16_t>(std::lround(a + (b - a) * part));
        }
    }
    out.samples = QByteArray(reinterpret_cast<const char*>(samples.data()),
                             static_cast<qsizetype>(samples.size() * sizeof(int16_t)));
    return out;
}

} // namespace zarle
