#pragma once
// RIFF WAVE encoding of a mono signal as uncompressed PCM.

#include "tools/soundgen/Signal.h"

#include <cstdint>
#include <filesystem>
#include <vector>

namespace zarle::soundgen {

// A complete wave file: the RIFF header, the "fmt " chunk and the sample data, 8 bits per
// sample (unsigned, dithered) or 16 (signed little-endian).
std::vector<uint8_t> EncodeWave(const Signal& signal, int bitsPerSample);

// Writes the bytes to `path`, replacing what is there. False when the file cannot be written.
bool WriteFileBytes(const std::filesystem::path& path, const std::vector<uint8_t>& bytes);
// Writes the bytes to a new file; an existing file at `path` is kept as it is and false returned.
bool WriteNewFileBytes(const std::filesystem::path& path, const std::vector<uint8_t>& bytes);

} // namespace zarle::soundgen
