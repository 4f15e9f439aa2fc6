#include "tools/soundgen/SoundRecipe.h"

#include "tools/soundgen/WaveFile.h"

namespace zarle::soundgen {

std::vector<uint8_t> RenderWave(const SoundRecipe& recipe) {
    return EncodeWave(recipe.make(recipe.rate), recipe.bits);
}

} // namespace zarle::soundgen
