#include "tools/soundgen/WaveFile.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>
#include <string_view>

namespace zarle::soundgen {

namespace {

constexpr uint16_t PcmFormat = 1;

void PutText(std::vector<uint8_t>& out, std::string_view text) {
    out.insert(out.end(), text.begin(), text.end());
}

void PutLe(std::vector<uint8_t>& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

bool WriteWith(const std::filesystem::path& path, const char* mode, const std::vector<uint8_t>& bytes) {
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), mode), std::fclose);
    if (!file) return false;
    return std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size();
}

} // namespace

std::vector<uint8_t> EncodeWave(const Signal& signal, int bitsPerSample) {
    const uint32_t bytesPerSample = bitsPerSample / 8;
    const uint32_t dataBytes = static_cast<uint32_t>(signal.samples.size()) * bytesPerSample;
    const uint32_t pad = dataBytes % 2; // RIFF chunks are word-aligned

    std::vector<uint8_t> out;
    out.reserve(44 + dataBytes + pad);
    PutText(out, "RIFF");
    PutLe(out, 36 + dataBytes + pad, 4);
    PutText(out, "WAVE");
    PutText(out, "fmt ");
    PutLe(out, 16, 4);
    PutLe(out, PcmFormat, 2);
    PutLe(out, 1, 2); // mono
    PutLe(out, signal.rate, 4);
    PutLe(out, signal.rate * bytesPerSample, 4);
    PutLe(out, bytesPerSample, 2);
    PutLe(out, bitsPerSample, 2);
    PutText(out, "data");
    PutLe(out, dataBytes, 4);

    Noise dither(0x5EED);
    for (float s : signal.samples) {
        const double x = std::clamp(static_cast<double>(s), -1.0, 1.0);
        if (bitsPerSample == 8) {
            // Triangular dither turns 8-bit rounding into a faint hiss instead of distortion.
            const double d = 0.5 * (dither.Next() + dither.Next());
            out.push_back(static_cast<uint8_t>(std::clamp(std::lround(128 + 127 * x + d), 0L, 255L)));
        } else {
            PutLe(out, static_cast<uint16_t>(static_cast<int16_t>(std::lround(32767 * x))), 2);
        }
    }
    if (pad) out.push_back(0);
    return out;
}

bool WriteFileBytes(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
    return WriteWith(path, "wb", bytes);
}

bool WriteNewFileBytes(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
    // "x": the open fails when the file exists, so a player's file is never replaced.
    return WriteWith(path, "wbx", bytes);
}

} // namespace zarle::soundgen
