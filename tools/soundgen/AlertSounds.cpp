#include "tools/soundgen/AlertSounds.h"

#include "tools/soundgen/Sources.h"

#include <array>

namespace zarle::soundgen {

namespace {

Signal Finish(Signal s, float peak) {
    FadeEnds(s, 0.001, 0.01);
    NormalizePeak(s, peak);
    return s;
}

} // namespace

Signal RemarkChime(int rate) {
    // Two bell notes a fifth apart: light enough to go with a line of text.
    Signal out(rate, 0);
    MixAt(out, Bell(rate, {1318.5, 0.35, 2.0, 1.5, 0.12}), 0);
    MixAt(out, Bell(rate, {1975.5, 0.4, 2.0, 1.2, 0.14}), 0.1, 0.8f);
    return Finish(out, 0.55f);
}

Signal MenuHover(int rate) {
    // Barely there: it plays every time the strip appears.
    Noise noise(606);
    Signal out = Chirp(rate, 2600, 3000, 0.03, 0.006);
    MixAt(out, Snap(rate, {5000, 2.0, 0.002, 0.01}, noise), 0, 0.3f);
    return Finish(out, 0.3f);
}

Signal MenuClick(int rate) {
    Noise noise(707);
    Signal out = Chirp(rate, 1700, 1500, 0.05, 0.01);
    MixAt(out, Snap(rate, {3500, 1.2, 0.003, 0.02}, noise), 0, 0.6f);
    return Finish(out, 0.45f);
}

Signal Notice(int rate) {
    // A soft falling "bonk-bonk": something needs a look, nothing went wrong.
    constexpr std::array<Partial, 3> round{{{1.0, 1.0, 0.08}, {2.0, 0.25, 0.04}, {3.0, 0.08, 0.025}}};
    Signal out(rate, 0);
    MixAt(out, Ring(rate, 587.3, round, 0.14), 0);
    MixAt(out, Ring(rate, 440.0, round, 0.22), 0.14);
    return Finish(out, 0.5f);
}

Signal ErrorBuzz(int rate) {
    // Two short low buzzes: the odd harmonics of a square wave, softened at the top.
    constexpr std::array<double, 15> buzz{1.0,  0, 0.33, 0, 0.2,   0, 0.12, 0,
                                          0.08, 0, 0.05, 0, 0.035, 0, 0.025};
    Signal out(rate, 0);
    MixAt(out, Tone(rate, 196.0, 0.17, buzz), 0);
    MixAt(out, Tone(rate, 185.0, 0.22, buzz), 0.22);
    return Finish(out, 0.4f);
}

Signal ChatPop(int rate) {
    // A bubble rising, then a smaller one.
    Signal out = Chirp(rate, 400, 1200, 0.09, 0.035);
    MixAt(out, Chirp(rate, 600, 1600, 0.08, 0.03), 0.1, 0.6f);
    return Finish(out, 0.5f);
}

} // namespace zarle::soundgen
