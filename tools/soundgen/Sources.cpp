#include "tools/soundgen/Sources.h"

#include "tools/soundgen/Filters.h"

#include <cmath>
#include <numbers>

namespace zarle::soundgen {

namespace {

constexpr double TwoPi = 2 * std::numbers::pi;
// Every struck sound rises over a millisecond or two rather than jumping.
constexpr double StrikeSeconds = 0.0015;

double StrikeEnvelope(double t, double decaySeconds) {
    const double rise = t < StrikeSeconds ? t / StrikeSeconds : 1.0;
    return rise * std::exp(-t / decaySeconds);
}

} // namespace

Signal Snap(int rate, const SnapShape& shape, Noise& noise) {
    Signal out(rate, shape.lengthSeconds);
    Biquad band = Biquad::BandPass(shape.centreHz, shape.q, rate);
    for (size_t i = 0; i < out.samples.size(); ++i) {
        const double t = static_cast<double>(i) / rate;
        out.samples[i] =
            band.Process(noise.Next()) * static_cast<float>(StrikeEnvelope(t, shape.decaySeconds));
    }
    FadeEnds(out, 0, shape.lengthSeconds * 0.3);
    return out;
}

Signal Swish(int rate, const SwishShape& shape, Noise& noise) {
    Signal out(rate, shape.lengthSeconds);
    Biquad band = Biquad::BandPass(shape.fromHz, shape.q, rate);
    const size_t n = out.samples.size();
    for (size_t i = 0; i < n; ++i) {
        const double x = static_cast<double>(i) / n;
        // Glide on a logarithmic scale, so that a sweep sounds even.
        band.RetuneBandPass(shape.fromHz * std::pow(shape.toHz / shape.fromHz, x), shape.q, rate);
        const double swell = x < shape.peakAt ? x / shape.peakAt : (1 - x) / (1 - shape.peakAt);
        out.samples[i] = band.Process(noise.Next()) * static_cast<float>(swell * swell);
    }
    return out;
}

Signal Ring(int rate, double baseHz, std::span<const Partial> partials, double lengthSeconds) {
    Signal out(rate, lengthSeconds);
    for (const Partial& p : partials) {
        const double hz = baseHz * p.ratio;
        if (hz >= 0.45 * rate) continue; // would fold back as a harsh alias
        for (size_t i = 0; i < out.samples.size(); ++i) {
            const double t = static_cast<double>(i) / rate;
            out.samples[i] +=
                static_cast<float>(p.gain * StrikeEnvelope(t, p.decaySeconds) * std::sin(TwoPi * hz * t));
        }
    }
    FadeEnds(out, 0, lengthSeconds * 0.2);
    return out;
}

Signal Bell(int rate, const BellShape& shape) {
    Signal out(rate, shape.lengthSeconds);
    const double modHz = shape.hz * shape.modRatio;
    for (size_t i = 0; i < out.samples.size(); ++i) {
        const double t = static_cast<double>(i) / rate;
        const double index = shape.modIndex * std::exp(-2 * t / shape.decaySeconds);
        const double modulator = index * std::sin(TwoPi * modHz * t);
        out.samples[i] = static_cast<float>(StrikeEnvelope(t, shape.decaySeconds) *
                                            std::sin(TwoPi * shape.hz * t + modulator));
    }
    FadeEnds(out, 0, shape.lengthSeconds * 0.2);
    return out;
}

Signal Tone(int rate, double hz, double lengthSeconds, std::span<const double> harmonicGains) {
    Signal out(rate, lengthSeconds);
    for (size_t k = 1; k <= harmonicGains.size(); ++k) {
        if (hz * k >= 0.45 * rate) break;
        for (size_t i = 0; i < out.samples.size(); ++i)
            out.samples[i] += static_cast<float>(harmonicGains[k - 1] * std::sin(TwoPi * hz * k * i / rate));
    }
    FadeEnds(out, 0.005, 0.02);
    return out;
}

Signal Chirp(int rate, double fromHz, double toHz, double lengthSeconds, double decaySeconds) {
    Signal out(rate, lengthSeconds);
    const size_t n = out.samples.size();
    double phase = 0;
    for (size_t i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / rate;
        phase += TwoPi * fromHz * std::pow(toHz / fromHz, static_cast<double>(i) / n) / rate;
        out.samples[i] = static_cast<float>(StrikeEnvelope(t, decaySeconds) * std::sin(phase));
    }
    FadeEnds(out, 0, lengthSeconds * 0.2);
    return out;
}

} // namespace zarle::soundgen
