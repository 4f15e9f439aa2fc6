#pragma once
// Mono sample buffers and the few operations every synthesised sound is built from.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace zarle::soundgen {

// Samples in -1..1 at the rate the sound is made for.
struct Signal {
    int rate = 22050;
    std::vector<float> samples;

    Signal() = default;
    Signal(int sampleRate, double seconds);

    size_t Index(double seconds) const;
    double Seconds() const { return static_cast<double>(samples.size()) / rate; }
};

// Adds `part` into `into` starting at `atSeconds`, growing `into` when the part runs past its end.
void MixAt(Signal& into, const Signal& part, double atSeconds, float gain = 1.0f);

// Raised-cosine ramps at both ends, so that no sound starts or stops with a click.
void FadeEnds(Signal& signal, double fadeInSeconds, double fadeOutSeconds);

float Peak(const Signal& signal);
// Scales the sound so that its loudest sample reaches `peak`; silence stays silence.
void NormalizePeak(Signal& signal, float peak);

// Reproducible white noise in -1..1: the same seed gives the same sound on every build.
class Noise {
  public:
    explicit Noise(uint32_t seed) : state_(seed ? seed : 0x9E3779B9u) {}
    float Next();
    // A uniform value in 0..1, for small random variations of a parameter.
    float Uniform() { return 0.5f * (Next() + 1.0f); }

  private:
    uint32_t state_;
};

} // namespace zarle::soundgen
