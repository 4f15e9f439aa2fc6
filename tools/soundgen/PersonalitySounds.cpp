#include "tools/soundgen/PersonalitySounds.h"

#include "tools/soundgen/Voices.h"

#include <string>

namespace zarle::soundgen {

namespace {

constexpr int Rate = 22050;
constexpr double R = Rest;

// One tune per event, in semitones above the singer's base pitch and beats.
const std::array<std::vector<Note>, SoundEventNames.size()> Tunes{{
    {{0, .5}, {4, .5}, {7, .5}, {12, 1.5}},                          // a wild card: up and away
    {{7, 1}, {0, 1.5}},                                              // your turn now
    {{12, .75}, {R, .25}, {12, .75}, {R, .25}, {12, .75}, {7, 1.5}}, // ha, ha, ha
    {{0, .5}, {7, .5}, {12, .5}, {16, 2}},
    {{4, .5}, {0, .5}, {4, .5}, {0, .5}, {7, 2}}, // na-na
    {{7, 1}, {5, .5}, {4, .5}, {12, 2}},
    {{7, 1}, {6, 1}, {5, 2}}, // blocked: falling
    {{12, .75}, {7, .75}, {3, 2}},
    {{5, 1}, {3, 1}, {0, 2}}, // argh
    {{0, .5}, {-1, .5}, {-2, .5}, {-5, 2}},
    {{7, 1.5}, {5, 1}, {6, 1}, {2, 2.5}},               // whining
    {{4, .75}, {9, 1.75}},                              // thanks
    {{0, .5}, {7, .5}, {12, 2.5}},                      // yeah!
    {{0, 1}, {4, 1}, {7, 1}, {12, 2}, {7, 1}, {12, 4}}, // fanfare
    {{7, 2}, {6, 2}, {5, 2}, {4, 5}},                   // sad trombone
}};

// Zarle the friendly host plays a marimba, Quenor whistles, Vova grumbles in a low voice and
// Zadure bleeps like an old console.
constexpr std::array<Singer, PersonalityNames.size()> Singers{{
    {Voice::Marimba, 440.0, 0.13, 11},
    {Voice::Whistle, 1174.7, 0.14, 22},
    {Voice::Throat, 98.0, 0.16, 33},
    {Voice::Chip, 329.6, 0.10, 44},
}};

} // namespace

const Singer& SingerOf(size_t index) {
    return Singers[index];
}

std::vector<SoundRecipe> PersonalitySounds() {
    std::vector<SoundRecipe> recipes;
    for (size_t p = 0; p < PersonalityNames.size(); ++p) {
        for (size_t e = 0; e < SoundEventNames.size(); ++e) {
            const std::string file =
                std::string(PersonalityNames[p]) + std::string(SoundEventNames[e]) + ".wav";
            const Singer& singer = Singers[p];
            const std::vector<Note>& tune = Tunes[e];
            recipes.push_back({"Sounds/" + file, Rate, 16,
                               [&singer, &tune](int rate) { return Perform(singer, tune, rate); }});
        }
    }
    return recipes;
}

} // namespace zarle::soundgen
