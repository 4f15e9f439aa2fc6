#include "tools/soundgen/ChatSounds.h"

#include "tools/soundgen/PersonalitySounds.h"
#include "tools/soundgen/Voices.h"

#include <algorithm>
#include <string>

namespace zarle::soundgen {

namespace {

constexpr int Rate = 22050;
constexpr double R = Rest;

// One short call per chat sound, in semitones above the singer's base pitch and beats.
const std::array<std::vector<Note>, ChatCallNames.size()> Calls{{
    {{0, .75}, {9, 1.5}},                                     // hel-lo!
    {{7, .4}, {7, .4}, {7, .4}, {7, .4}, {12, 1}},            // come on, come on
    {{12, .75}, {R, .25}, {5, 1.5}},                          // oops: a drop
    {{9, .5}, {7, .5}, {9, .5}, {7, .5}, {9, .5}, {4, 1}},    // a giggle
    {{0, .5}, {4, .5}, {7, .5}, {12, .5}, {R, .25}, {12, 2}}, // well played!
    {{7, 1}, {4, 1}, {0, 2}},                                 // bye-bye
}};

} // namespace

std::vector<SoundRecipe> ChatSounds() {
    std::vector<SoundRecipe> recipes;
    for (std::string_view voice : ChatVoices) {
        const size_t index =
            std::find(PersonalityNames.begin(), PersonalityNames.end(), voice) - PersonalityNames.begin();
        const Singer& singer = SingerOf(index);
        const std::string name(voice);
        for (size_t c = 0; c < ChatCallNames.size(); ++c) {
            const std::vector<Note>& call = Calls[c];
            recipes.push_back({"Data/PMS/" + name + "/" + std::string(ChatCallNames[c]) + name + ".wav", Rate,
                               16, [&singer, &call](int rate) { return Perform(singer, call, rate); }});
        }
    }
    return recipes;
}

} // namespace zarle::soundgen
