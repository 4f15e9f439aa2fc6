#pragma once
// Reads a RIFF WAVE file into 16-bit PCM. Uncompressed integer PCM of 8, 16, 24 or 32 bits
// and 32-bit float are read, plain or in the extensible layout, mono to eight channels;
// a data chunk cut short keeps the whole frames it has. Anything else is not a sound.

#include <QByteArray>
#include <QByteArrayView>

#include <optional>

namespace zarle {

struct PcmSound {
    int sampleRate = 0;
    int channels = 0;
    // Interleaved signed 16-bit samples, native byte order.
    QByteArray samples;

    qsizetype FrameCount() const { return channels ? samples.size() / (2 * channels) : 0; }
    double Seconds() const { return sampleRate ? double(FrameCount()) / sampleRate : 0; }
};

std::optional<PcmSound> DecodeWav(QByteArrayView file);

} // namespace zarle
