#pragma once
// The elementary sound events the game's sounds are mixed from: noise snaps and swishes,
// ringing partials and FM bells.

#include "tools/soundgen/Signal.h"

#include <span>

namespace zarle::soundgen {

// A short band of noise that starts at once and dies away: a card edge hitting something.
struct SnapShape {
    double centreHz;
    double q;
    double decaySeconds; // time constant of the exponential decay
    double lengthSeconds;
};
Signal Snap(int rate, const SnapShape& shape, Noise& noise);

// Band-passed noise whose centre glides while it swells and fades: a card sliding over a cloth
// or through the air.
struct SwishShape {
    double lengthSeconds;
    double fromHz;
    double toHz;
    double q;
    double peakAt; // 0..1: where in the sound the swell is loudest
};
Signal Swish(int rate, const SwishShape& shape, Noise& noise);

// One partial of a struck body: frequency as a ratio of the base, loudness and decay constant.
struct Partial {
    double ratio;
    double gain;
    double decaySeconds;
};
// A struck body ringing with the given partials: wood, a metal plate, a coin.
Signal Ring(int rate, double baseHz, std::span<const Partial> partials, double lengthSeconds);

// A two-operator FM tone with a struck envelope: bells, chimes, marimba-like blips.
struct BellShape {
    double hz;
    double lengthSeconds;
    double modRatio;     // modulator frequency over carrier frequency
    double modIndex;     // brightness at the strike
    double decaySeconds; // of the loudness; the brightness dies twice as fast
};
Signal Bell(int rate, const BellShape& shape);

// A held tone from its harmonics (gain of harmonic 1, 2, 3, ...), faded in and out softly:
// buzzers and beeps.
Signal Tone(int rate, double hz, double lengthSeconds, std::span<const double> harmonicGains);

// A sine whose pitch glides from one frequency to another while it dies away: pops and blips.
Signal Chirp(int rate, double fromHz, double toHz, double lengthSeconds, double decaySeconds);

} // namespace zarle::soundgen
