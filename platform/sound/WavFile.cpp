#include "platform/sound/WavFile.h"

#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace zarle {

namespace {

constexpr uint16_t FormatPcm = 1;
constexpr uint16_t FormatFloat = 3;
constexpr uint16_t FormatExtensible = 0xFFFE;
constexpr int MaxChannels = 8;
constexpr int MaxSampleRate = 384000;

struct Format {
    uint16_t tag = 0;
    int channels = 0;
    int sampleRate = 0;
    int bits = 0;
};

uint16_t U16(const char* p) {
    return qFromLittleEndian<uint16_t>(p);
}
uint32_t U32(const char* p) {
    return qFromLittleEndian<uint32_t>(p);
}

std::optional<Format> ReadFormat(QByteArrayView chunk) {
    if (chunk.size() < 16) return std::nullopt;
    const char* p = chunk.data();
    Format f{U16(p), U16(p + 2), int(U32(p + 4)), U16(p + 14)};
    // The extensible layout names the real format in the first two bytes of its sub-format.
    if (f.tag == FormatExtensible) {
        if (chunk.size() < 26) return std::nullopt;
        f.tag = U16(p + 24);
    }
    return f;
}

bool Playable(const Format& f) {
    if (f.channels < 1 || f.channels > MaxChannels) return false;
    if (f.sampleRate < 1 || f.sampleRate > MaxSampleRate) return false;
    if (f.tag == FormatPcm) return f.bits == 8 || f.bits == 16 || f.bits == 24 || f.bits == 32;
    return f.tag == FormatFloat && f.bits == 32;
}

// One sample of the source format as a 16-bit value.
int16_t SampleAt(const char* p, const Format& f) {
    switch (f.bits) {
    case 8: return int16_t((int(uint8_t(*p)) - 128) << 8);
    case 16: return qFromLittleEndian<int16_t>(p);
    case 24: return int16_t(qFromLittleEndian<int16_t>(p + 1));
    default:
        if (f.tag == FormatFloat) {
            float v;
            std::memcpy(&v, p, sizeof v);
            v = qFromLittleEndian(v);
            if (!std::isfinite(v)) return 0;
            return int16_t(std::lround(std::clamp(v, -1.0f, 1.0f) * 32767.0f));
        }
        return int16_t(qFromLittleEndian<int32_t>(p) >> 16);
    }
}

PcmSound Convert(const Format& f, QByteArrayView data) {
    const int sampleBytes = f.bits / 8;
    const qsizetype frames = data.size() / (sampleBytes * f.channels);
    const qsizetype count = frames * f.channels;
    PcmSound sound{f.sampleRate, f.channels,
                   QByteArray(count * qsizetype(sizeof(int16_t)), Qt::Uninitialized)};
    auto* out = reinterpret_cast<int16_t*>(sound.samples.data());
    for (qsizetype i = 0; i < count; ++i) out[i] = SampleAt(data.data() + i * sampleBytes, f);
    return sound;
}

} // namespace

std::optional<PcmSound> DecodeWav(QByteArrayView file) {
    if (file.size() < 12 || std::memcmp(file.data(), "RIFF", 4) != 0 ||
        std::memcmp(file.data() + 8, "WAVE", 4) != 0)
        return std::nullopt;
    std::optional<Format> format;
    // The RIFF size field is often wrong in the wild; the chunks are walked to the file's end.
    for (qsizetype at = 12; at + 8 <= file.size();) {
        const QByteArrayView id = file.sliced(at, 4);
        const qsizetype declared = U32(file.data() + at + 4);
        const qsizetype size = std::min(declared, file.size() - at - 8);
        const QByteArrayView body = file.sliced(at + 8, size);
        if (id == "fmt ") {
            format = ReadFormat(body);
            if (!format || !Playable(*format)) return std::nullopt;
        } else if (id == "data") {
            if (!format) return std::nullopt;
            return Convert(*format, body);
        }
        // Chunks are padded to an even length.
        at += 8 + size + (size & 1);
    }
    return std::nullopt;
}

} // namespace zarle
