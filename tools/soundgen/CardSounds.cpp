#include "tools/soundgen/CardSounds.h"

#include "tools/soundgen/Sources.h"

#include <array>
#include <cmath>
#include <numbers>

namespace zarle::soundgen {

namespace {

// What a card sound takes from the table it lands on.
struct Material {
    double snapHz; // the card edge: duller on wood, brighter on metal
    double bodyHz;
    std::array<Partial, 4> body;
    double ringSeconds;
    uint32_t seed;
};

// Wood: a low knock that is gone in a few hundredths of a second.
constexpr Material Wood{
    2600, 190, {{{1.0, 1.0, 0.030}, {2.31, 0.55, 0.018}, {3.9, 0.3, 0.010}, {6.2, 0.15, 0.006}}}, 0.12, 101};
// Metal: a thin plate with inharmonic partials that keep ringing.
constexpr Material Metal{
    4300, 1150, {{{1.0, 0.7, 0.25}, {2.756, 0.5, 0.18}, {5.404, 0.35, 0.12}, {8.933, 0.2, 0.07}}}, 0.45, 202};

const Material& MaterialOf(Table table) {
    return table == Table::Wood ? Wood : Metal;
}

Signal Body(int rate, const Material& m, double lengthScale) {
    return Ring(rate, m.bodyHz, m.body, m.ringSeconds * lengthScale);
}

Signal Finish(Signal s, float peak) {
    FadeEnds(s, 0.002, 0.012);
    NormalizePeak(s, peak);
    return s;
}

// One card landing: the edge snap and the table answering.
Signal Landing(int rate, const Material& m, double snapDecay, double bodyGain, Noise& noise) {
    Signal out = Snap(rate, {m.snapHz, 0.9, snapDecay, 0.05}, noise);
    MixAt(out, Body(rate, m, 1.0), 0, static_cast<float>(bodyGain));
    return out;
}

} // namespace

Signal CardFlip(int rate, Table table) {
    const Material& m = MaterialOf(table);
    Noise noise(m.seed + 1);
    Signal out(rate, 0);
    MixAt(out, Swish(rate, {0.07, 1800, 4500, 1.1, 0.75}, noise), 0, 0.5f);
    MixAt(out, Landing(rate, m, 0.006, 0.35, noise), 0.06);
    return Finish(out, 0.6f);
}

Signal CardPlace(int rate, Table table) {
    const Material& m = MaterialOf(table);
    Noise noise(m.seed + 2);
    Signal out(rate, 0);
    MixAt(out, Swish(rate, {0.04, 2500, 3500, 1.5, 0.8}, noise), 0, 0.3f);
    MixAt(out, Snap(rate, {m.snapHz * 0.7, 0.8, 0.009, 0.06}, noise), 0.035);
    MixAt(out, Body(rate, m, 1.2), 0.035, 0.6f);
    return Finish(out, 0.7f);
}

Signal CardDeal(int rate, Table table) {
    const Material& m = MaterialOf(table);
    Noise noise(m.seed + 3);
    Signal out(rate, 0);
    MixAt(out, Swish(rate, {0.045, 2500, 5000, 1.3, 0.6}, noise), 0, 0.6f);
    MixAt(out, Snap(rate, {m.snapHz, 1.2, 0.004, 0.03}, noise), 0.04);
    MixAt(out, Body(rate, m, 0.35), 0.04, 0.15f);
    return Finish(out, 0.5f);
}

Signal CardDiscard(int rate, Table table) {
    const Material& m = MaterialOf(table);
    Noise noise(m.seed + 4);
    Signal out(rate, 0);
    MixAt(out, Swish(rate, {0.14, 800, 2200, 0.8, 0.35}, noise), 0, 0.7f);
    MixAt(out, Snap(rate, {1200, 0.7, 0.012, 0.07}, noise), 0.13, 0.8f);
    MixAt(out, Body(rate, m, 1.0), 0.13, 0.5f);
    return Finish(out, 0.65f);
}

Signal CardTap(int rate, Table table) {
    const Material& m = MaterialOf(table);
    Noise noise(m.seed + 5);
    Signal out(rate, 0);
    MixAt(out, Landing(rate, m, 0.005, 0.6, noise), 0);
    MixAt(out, Landing(rate, m, 0.005, 0.6, noise), 0.09, 0.6f);
    return Finish(out, 0.6f);
}

Signal DealRound(int rate) {
    Noise noise(303);
    Signal out(rate, 0);
    constexpr int Cards = 5;
    constexpr double Spacing = 0.17;
    for (int i = 0; i < Cards; ++i) {
        const double at = i * Spacing;
        const float level = 0.75f + 0.25f * noise.Uniform();
        MixAt(out, Swish(rate, {0.06, 2000, 5200, 1.2, 0.7}, noise), at, 0.6f * level);
        MixAt(out, Landing(rate, Wood, 0.004, 0.25, noise), at + 0.055, level);
    }
    return Finish(out, 0.6f);
}

Signal RiffleShuffle(int rate) {
    Noise noise(404);
    Signal out(rate, 0);
    // The riffle: the two halves' corners slipping off the thumbs, faster in the middle.
    constexpr double RiffleSeconds = 0.75;
    MixAt(out, Swish(rate, {RiffleSeconds, 600, 1500, 0.5, 0.5}, noise), 0, 0.25f);
    for (double t = 0; t < RiffleSeconds;) {
        const double x = t / RiffleSeconds;
        const double centre = 2500 + 2000 * noise.Uniform();
        MixAt(out, Snap(rate, {centre, 1.5, 0.0025, 0.012}, noise), t, 0.5f + 0.5f * noise.Uniform());
        t += 0.014 + 0.010 * std::abs(2 * x - 1);
    }
    // The bridge: the cards cascading back into one deck, dying away.
    constexpr double BridgeStart = RiffleSeconds + 0.12;
    constexpr double BridgeSeconds = 0.35;
    for (double t = 0; t < BridgeSeconds; t += 0.010) {
        const float fade = static_cast<float>(1 - t / BridgeSeconds);
        MixAt(out, Snap(rate, {4000 + 1500 * noise.Uniform(), 1.8, 0.002, 0.01}, noise), BridgeStart + t,
              0.6f * fade * (0.6f + 0.4f * noise.Uniform()));
    }
    // Squaring the deck on the table.
    MixAt(out, Landing(rate, Wood, 0.008, 0.6, noise), BridgeStart + BridgeSeconds + 0.06, 0.7f);
    return Finish(out, 0.65f);
}

Signal FlipForFirst(int rate) {
    Noise noise(505);
    Signal out(rate, 0);
    // The thumb flicks the coin up: a click and a faint ping.
    constexpr std::array<Partial, 3> coin{{{1.0, 1.0, 0.35}, {2.4, 0.5, 0.2}, {3.9, 0.3, 0.12}}};
    constexpr double CoinHz = 1500;
    MixAt(out, Snap(rate, {3500, 1.0, 0.003, 0.02}, noise), 0, 0.6f);
    MixAt(out, Ring(rate, CoinHz, coin, 0.15), 0, 0.2f);
    // It lands and spins down, wobbling faster as it settles.
    constexpr double LandAt = 0.3;
    constexpr double SpinSeconds = 0.55;
    Signal spin = Ring(rate, CoinHz, coin, SpinSeconds);
    double phase = 0;
    for (size_t i = 0; i < spin.samples.size(); ++i) {
        const double x = static_cast<double>(i) / spin.samples.size();
        phase += 2 * std::numbers::pi * (8 + 22 * x) / rate;
        spin.samples[i] *= static_cast<float>(1 - 0.45 * (1 - x) * (0.5 + 0.5 * std::sin(phase)));
    }
    MixAt(out, Snap(rate, {2500, 1.0, 0.004, 0.03}, noise), LandAt, 0.7f);
    MixAt(out, spin, LandAt);
    return Finish(out, 0.6f);
}

} // namespace zarle::soundgen
