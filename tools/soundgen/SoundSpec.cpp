#include "SoundSpec.h"

#include "WaveFile.h"

namespace zarle::soundgen {

std::vector<uint8_t> RenderWave(const SoundSpec& spec) {
    return EncodeWave(spec.make(spec.rate), spec.bits);
}

} // namespace zarle::soundgen
