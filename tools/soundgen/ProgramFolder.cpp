#include "tools/soundgen/ProgramFolder.h"

#include "tools/soundgen/ChatSounds.h"
#include "tools/soundgen/Filters.h"
#include "tools/soundgen/PersonalitySounds.h"
#include "tools/soundgen/Sources.h"
#include "tools/soundgen/WaveFile.h"

#include <array>
#include <cmath>
#include <system_error>

namespace zarle::soundgen {

namespace {

constexpr int Rate = 22050;

// The opening tune: a marimba rising through the major chord, then the chord rung together.
Signal IntroTune(int rate) {
    Signal out(rate, 0);
    constexpr std::array<double, 4> arpeggio{523.25, 659.26, 783.99, 1046.5};
    double at = 0;
    for (double hz : arpeggio) {
        MixAt(out, Bell(rate, {hz, 0.5, 3.0, 1.5, 0.2}), at);
        at += 0.14;
    }
    MixAt(out, Bell(rate, {987.77, 0.3, 3.0, 1.2, 0.15}), at, 0.7f);
    at += 0.12;
    for (double hz : arpeggio) MixAt(out, Bell(rate, {hz, 1.9, 3.0, 1.0, 0.6}), at + 0.12, 0.6f);
    FadeEnds(out, 0.003, 0.2);
    NormalizePeak(out, 0.7f);
    return out;
}

// A hand on a cheek: a sharp broadband crack over a dull thump, with a little room around it.
Signal Slap(int rate) {
    Noise noise(808);
    Signal hit(rate, 0.12);
    Biquad high = Biquad::HighPass(300, 0.7, rate);
    Biquad low = Biquad::LowPass(6000, 0.7, rate);
    for (size_t i = 0; i < hit.samples.size(); ++i) {
        const double t = static_cast<double>(i) / rate;
        const double env = (t < 0.001 ? t / 0.001 : 1.0) * std::exp(-t / 0.018);
        hit.samples[i] = static_cast<float>(env) * low.Process(high.Process(noise.Next()));
    }
    MixAt(hit, Chirp(rate, 180, 110, 0.1, 0.03), 0, 0.5f);
    Signal out = hit;
    constexpr std::array<double, 3> echoes{0.023, 0.041, 0.067};
    for (size_t k = 0; k < echoes.size(); ++k) MixAt(out, hit, echoes[k], 0.25f / (k + 1));
    FadeEnds(out, 0.0005, 0.05);
    NormalizePeak(out, 0.8f);
    return out;
}

Signal Silence(int rate) {
    return Signal(rate, 0.1);
}

} // namespace

std::vector<SoundRecipe> ProgramFolderSounds() {
    std::vector<SoundRecipe> recipes = PersonalitySounds();
    recipes.push_back({"Sounds/IntroB.wav", Rate, 16, IntroTune});
    recipes.push_back({"Sounds/slap.wav", Rate, 16, Slap});
    recipes.push_back({"Data/empty.wav", Rate, 16, Silence});
    for (SoundRecipe& chat : ChatSounds()) recipes.push_back(std::move(chat));
    return recipes;
}

WriteCount WriteMissingSounds(const std::filesystem::path& folder, const std::vector<SoundRecipe>& recipes) {
    WriteCount count;
    for (const SoundRecipe& recipe : recipes) {
        const std::filesystem::path target = folder / recipe.path;
        std::error_code error;
        const bool present = std::filesystem::exists(target, error);
        if (error) {
            ++count.failed;
            continue;
        }
        if (present) {
            ++count.kept;
            continue;
        }
        std::filesystem::create_directories(target.parent_path(), error);
        if (WriteNewFileBytes(target, RenderWave(recipe))) {
            ++count.written;
        } else {
            ++count.failed;
        }
    }
    return count;
}

} // namespace zarle::soundgen
