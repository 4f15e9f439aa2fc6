#pragma once
// Brings a sound to the sample rate and channel count an audio device takes, so that a sound of
// any rate the game reads (11025 Hz, 22050 Hz, 8-bit sounds already widened to 16 bits) is heard.

#include "platform/sound/WavFile.h"

namespace zarle {

// Resampled by straight lines between neighbouring samples; one channel spread to all, several
// mixed down to one, otherwise channel k taken from channel k modulo the sound's count.
PcmSound ConvertPcm(const PcmSound& sound, int sampleRate, int channels);

} // namespace zarle
