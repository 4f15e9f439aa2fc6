#include "tools/soundgen/Voices.h"

#include "tools/soundgen/Filters.h"
#include "tools/soundgen/Sources.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <vector>

namespace zarle::soundgen {

namespace {

constexpr double TwoPi = 2 * std::numbers::pi;
constexpr double TailSeconds = 0.25; // room for the last note to die away

double PitchHz(const Singer& s, double semitones) {
    return s.baseHz * std::pow(2.0, semitones / 12);
}

double TuneSeconds(const Singer& s, std::span<const Note> tune) {
    double beats = 0;
    for (const Note& n : tune) beats += n.beats;
    return beats * s.beatSeconds;
}

// A sawtooth with its jumps smoothed (PolyBLEP), so that low voices keep no aliasing hiss.
double BlepSaw(double phase, double step) {
    double saw = 2 * phase - 1;
    if (phase < step) {
        const double t = phase / step;
        saw -= t + t - t * t - 1;
    } else if (phase > 1 - step) {
        const double t = (phase - 1) / step;
        saw -= t * t + t + t + 1;
    }
    return saw;
}

// --- Struck voices: every note is its own sound, left to ring into the next. ---

Signal MarimbaNote(int rate, double hz, double seconds) {
    Signal s = Bell(rate, {hz, seconds + TailSeconds, 3.0, 1.5, 0.2});
    MixAt(s, Bell(rate, {2 * hz, seconds + 0.1, 1.0, 0.5, 0.08}), 0, 0.25f);
    return s;
}

Signal ChipNote(int rate, double hz, double seconds) {
    constexpr double ReleaseSeconds = 0.012;
    Signal s(rate, seconds + 6 * ReleaseSeconds);
    constexpr double Duty = 0.25;
    double phase = 0;
    for (size_t i = 0; i < s.samples.size(); ++i) {
        const double t = static_cast<double>(i) / rate;
        // Each blip drops onto its pitch from a fifth above, like an old game console.
        const double f = hz * std::pow(1.5, std::exp(-t / 0.012));
        const double step = f / rate;
        phase = std::fmod(phase + step, 1.0);
        const double pulse = BlepSaw(phase, step) - BlepSaw(std::fmod(phase + Duty, 1.0), step);
        const double ring = 0.6 + 0.4 * std::sin(TwoPi * 60 * t);
        const double release = t < seconds ? 1 : std::exp(-(t - seconds) / ReleaseSeconds);
        const double env = release * std::exp(-t / std::max(0.06, 0.6 * seconds));
        s.samples[i] = static_cast<float>(0.5 * pulse * ring * env);
    }
    FadeEnds(s, 0.002, 0.02);
    return s;
}

Signal PerformStruck(const Singer& singer, std::span<const Note> tune, int rate) {
    Signal out(rate, TuneSeconds(singer, tune) + TailSeconds);
    double at = 0;
    for (const Note& n : tune) {
        const double seconds = n.beats * singer.beatSeconds;
        if (n.semitones != Rest) {
            const double hz = PitchHz(singer, n.semitones);
            MixAt(out,
                  singer.voice == Voice::Marimba ? MarimbaNote(rate, hz, seconds)
                                                 : ChipNote(rate, hz, seconds),
                  at);
        }
        at += seconds;
    }
    return out;
}

// --- Sung voices: one continuous tone that glides from note to note. ---

struct Vowel {
    double f1, f2;
};
constexpr std::array<Vowel, 4> Vowels{{{730, 1090}, {570, 840}, {530, 1840}, {440, 1020}}}; // ah, oh, eh, uh

// Per sample: the pitch, loudness and vowel each note asks for; the voices smooth them.
struct Targets {
    std::vector<double> hz, level;
    std::vector<size_t> vowel;
};

Targets TargetsOf(const Singer& singer, std::span<const Note> tune, int rate) {
    Targets t;
    constexpr double LiftSeconds = 0.035; // notes are separated by a small dip in loudness
    double lastHz = PitchHz(singer, 0);
    for (size_t k = 0; k < tune.size(); ++k) {
        const Note& n = tune[k];
        const size_t count = static_cast<size_t>(std::lround(n.beats * singer.beatSeconds * rate));
        const bool sung = n.semitones != Rest;
        const bool nextSung = k + 1 < tune.size() && tune[k + 1].semitones != Rest;
        if (sung) lastHz = PitchHz(singer, n.semitones);
        for (size_t i = 0; i < count; ++i) {
            const bool lifting = static_cast<double>(count - i) / rate < LiftSeconds;
            t.hz.push_back(lastHz);
            t.level.push_back(!sung ? 0 : !lifting ? 1 : nextSung ? 0.35 : 0);
            t.vowel.push_back((k + singer.seed) % Vowels.size());
        }
    }
    const size_t tail = static_cast<size_t>(TailSeconds * rate);
    t.hz.insert(t.hz.end(), tail, lastHz);
    t.level.insert(t.level.end(), tail, 0);
    t.vowel.insert(t.vowel.end(), tail, t.vowel.empty() ? 0 : t.vowel.back());
    return t;
}

// One-pole smoothing towards a moving target.
struct Glide {
    double value;
    double rate;
    Glide(double start, double seconds, int sampleRate)
        : value(start), rate(1 - std::exp(-1.0 / (seconds * sampleRate))) {}
    double Step(double target) { return value += (target - value) * rate; }
};

Signal PerformSung(const Singer& singer, std::span<const Note> tune, int rate) {
    const Targets t = TargetsOf(singer, tune, rate);
    Signal out(rate, 0);
    out.samples.resize(t.hz.size());
    Noise noise(singer.seed);
    const bool whistle = singer.voice == Voice::Whistle;
    Glide pitch(t.hz.empty() ? 0 : t.hz[0], whistle ? 0.02 : 0.04, rate);
    Glide level(0, 0.012, rate);
    Glide f1(Vowels[0].f1, 0.03, rate), f2(Vowels[0].f2, 0.03, rate);
    Biquad breath = Biquad::BandPass(pitch.value, 6, rate);
    Biquad formant1 = Biquad::BandPass(f1.value, 5, rate), formant2 = Biquad::BandPass(f2.value, 7, rate);
    Biquad chest = Biquad::LowPass(400, 0.7, rate);
    double phase = 0;
    for (size_t i = 0; i < out.samples.size(); ++i) {
        const double time = static_cast<double>(i) / rate;
        const double vibrato = 1 + (whistle ? 0.012 : 0.008) * std::sin(TwoPi * (whistle ? 5.5 : 4.5) * time);
        const double hz = pitch.Step(t.hz[i]) * vibrato;
        const double amp = level.Step(t.level[i]);
        double s;
        if (whistle) {
            phase = std::fmod(phase + hz / rate, 1.0);
            breath.RetuneBandPass(hz, 6, rate);
            s = std::sin(TwoPi * phase) + 0.03 * std::sin(2 * TwoPi * phase) +
                0.15 * breath.Process(noise.Next());
        } else {
            const double step = hz / rate;
            phase = std::fmod(phase + step, 1.0);
            const double saw = BlepSaw(phase, step);
            formant1.RetuneBandPass(f1.Step(Vowels[t.vowel[i]].f1), 5, rate);
            formant2.RetuneBandPass(f2.Step(Vowels[t.vowel[i]].f2), 7, rate);
            s = formant1.Process(saw) + 0.6 * formant2.Process(saw) + 0.5 * chest.Process(saw);
        }
        out.samples[i] = static_cast<float>(amp * s);
    }
    return out;
}

} // namespace

Signal Perform(const Singer& singer, std::span<const Note> tune, int rate) {
    Signal out = singer.voice == Voice::Marimba || singer.voice == Voice::Chip
                     ? PerformStruck(singer, tune, rate)
                     : PerformSung(singer, tune, rate);
    FadeEnds(out, 0.003, 0.03);
    // Held tones sound louder than struck ones at the same peak.
    constexpr std::array<float, 4> peaks{0.7f, 0.45f, 0.6f, 0.45f};
    NormalizePeak(out, peaks[static_cast<size_t>(singer.voice)]);
    return out;
}

} // namespace zarle::soundgen
