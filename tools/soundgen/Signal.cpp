#include "tools/soundgen/Signal.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace zarle::soundgen {

Signal::Signal(int sampleRate, double seconds) : rate(sampleRate) {
    samples.assign(Index(seconds), 0.0f);
}

size_t Signal::Index(double seconds) const {
    return seconds <= 0 ? 0 : static_cast<size_t>(std::lround(seconds * rate));
}

void MixAt(Signal& into, const Signal& part, double atSeconds, float gain) {
    const size_t start = into.Index(atSeconds);
    if (into.samples.size() < start + part.samples.size()) into.samples.resize(start + part.samples.size());
    for (size_t i = 0; i < part.samples.size(); ++i) into.samples[start + i] += gain * part.samples[i];
}

void FadeEnds(Signal& signal, double fadeInSeconds, double fadeOutSeconds) {
    const size_t n = signal.samples.size();
    const size_t in = std::min(n, signal.Index(fadeInSeconds));
    const size_t out = std::min(n, signal.Index(fadeOutSeconds));
    auto ramp = [](size_t i, size_t len) {
        return static_cast<float>(0.5 - 0.5 * std::cos(std::numbers::pi * (i + 0.5) / len));
    };
    for (size_t i = 0; i < in; ++i) signal.samples[i] *= ramp(i, in);
    for (size_t i = 0; i < out; ++i) signal.samples[n - 1 - i] *= ramp(i, out);
}

float Peak(const Signal& signal) {
    float peak = 0;
    for (float s : signal.samples) peak = std::max(peak, std::abs(s));
    return peak;
}

void NormalizePeak(Signal& signal, float peak) {
    const float current = Peak(signal);
    if (current <= 0) return;
    const float gain = peak / current;
    for (float& s : signal.samples) s *= gain;
}

float Noise::Next() {
    // xorshift32: tiny, fast and the same on every platform.
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return static_cast<float>(state_) / 2147483648.0f - 1.0f;
}

} // namespace zarle::soundgen
