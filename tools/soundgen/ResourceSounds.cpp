#include "tools/soundgen/ResourceSounds.h"

#include "tools/soundgen/AlertSounds.h"
#include "tools/soundgen/CardSounds.h"
#include "tools/soundgen/WaveFile.h"

#include <string>

namespace zarle::soundgen {

namespace {

constexpr int Rate = 22050;

SoundRecipe Resource(int id, Signal (*make)(int), int rate = Rate, int bits = 16) {
    return {std::to_string(id) + ".wav", rate, bits, make};
}

template <Signal (*Card)(int, Table), Table table> Signal OnTable(int rate) {
    return Card(rate, table);
}

} // namespace

std::vector<SoundRecipe> ResourceSounds() {
    using enum Table;
    return {
        Resource(105, RemarkChime),
        Resource(106, MenuHover),
        Resource(107, MenuClick),
        Resource(108, Notice),
        Resource(109, ErrorBuzz),
        Resource(110, ChatPop),
        // Card sounds of the metallic skin, effects 3, 2, 1, 5, 4.
        Resource(111, OnTable<CardDeal, Metal>),
        Resource(112, OnTable<CardPlace, Metal>),
        Resource(113, OnTable<CardFlip, Metal>),
        Resource(114, OnTable<CardTap, Metal>),
        Resource(115, OnTable<CardDiscard, Metal>),
        // The same effects on the wooden skin.
        Resource(116, OnTable<CardDeal, Wood>),
        Resource(117, OnTable<CardPlace, Wood>),
        Resource(118, OnTable<CardFlip, Wood>),
        Resource(119, OnTable<CardTap, Wood>),
        Resource(120, OnTable<CardDiscard, Wood>, Rate, 8),
        Resource(121, DealRound),
        Resource(122, RiffleShuffle),
        Resource(123, FlipForFirst, 11025),
    };
}

bool WriteResourceSounds(const std::filesystem::path& folder) {
    std::filesystem::create_directories(folder);
    bool ok = true;
    for (const SoundRecipe& recipe : ResourceSounds())
        ok = WriteFileBytes(folder / recipe.path, RenderWave(recipe)) && ok;
    return ok;
}

} // namespace zarle::soundgen
