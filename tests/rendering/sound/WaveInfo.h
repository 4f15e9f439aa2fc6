#pragma once
// Reads what a test needs to know from a RIFF WAVE file's bytes.

#include <cstdint>
#include <optional>
#include <vector>

namespace zarle::test {

struct WaveInfo {
    uint16_t format = 0;
    uint16_t channels = 0;
    uint32_t rate = 0;
    uint16_t bits = 0;
    uint32_t dataBytes = 0;
    std::vector<double> samples; // -1..1

    double Seconds() const { return static_cast<double>(samples.size()) / rate; }
};

// Nothing when the bytes are not a well-formed wave file whose chunk sizes add up.
std::optional<WaveInfo> ParseWave(const std::vector<char>& bytes);

} // namespace zarle::test
