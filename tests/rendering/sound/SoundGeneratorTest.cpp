#include "tools/soundgen/PersonalitySounds.h"
#include "tools/soundgen/ProgramFolder.h"
#include "tests/support/TempFolder.h"
#include "tests/rendering/sound/WaveInfo.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

using namespace zarle::soundgen;
using namespace zarle::test;
using zarle::testing::ReadText;
using zarle::testing::TempFolder;
namespace fs = std::filesystem;

namespace {

// A few of the program folder's sounds: writing all of them is slower and shows nothing more.
std::vector<SoundRecipe> SomeProgramSounds() {
    std::vector<SoundRecipe> some;
    for (const SoundRecipe& s : ProgramFolderSounds())
        if (s.path == "Sounds/slap.wav" || s.path == "Data/empty.wav" || s.path == "Sounds/ZadureYeah.wav")
            some.push_back(s);
    return some;
}

} // namespace

TEST(SoundGenerator, NeverReplacesAFileThatIsAlreadyInTheProgramFolder) {
    TempFolder game;
    const std::string own = game.Write("Sounds/slap.wav", "the player's own slap");
    const auto recipes = SomeProgramSounds();
    ASSERT_EQ(recipes.size(), 3u);

    const WriteCount first = WriteMissingSounds(game.Path(), recipes);
    EXPECT_EQ(first.written, 2);
    EXPECT_EQ(first.kept, 1);
    EXPECT_EQ(first.failed, 0);
    EXPECT_EQ(ReadText(own), "the player's own slap");

    const auto empty = ParseWave([&] {
        const std::string b = ReadText(game.Path() / "Data/empty.wav");
        return std::vector<char>(b.begin(), b.end());
    }());
    ASSERT_TRUE(empty);
    EXPECT_EQ(empty->rate, 22050u);
    EXPECT_TRUE(std::all_of(empty->samples.begin(), empty->samples.end(), [](double s) { return s == 0; }));

    const WriteCount again = WriteMissingSounds(game.Path(), recipes);
    EXPECT_EQ(again.written, 0);
    EXPECT_EQ(again.kept, 3);
}

TEST(SoundGenerator, AFolderThatCannotBeWrittenIsCountedAsFailed) {
    TempFolder game;
    game.Write("Sounds", "a file where the folder should be");
    const WriteCount count = WriteMissingSounds(game.Path(), SomeProgramSounds());
    EXPECT_EQ(count.written, 1); // Data/empty.wav
    EXPECT_EQ(count.failed, 2);
}

TEST(SoundGenerator, PersonalitySoundNamesFitThePersonalityRecord) {
    // The personality file keeps each sound file name in 30 characters.
    const auto recipes = PersonalitySounds();
    EXPECT_EQ(recipes.size(), PersonalityNames.size() * SoundEventNames.size());
    for (const SoundRecipe& s : recipes) {
        const std::string name = fs::path(s.path).filename().string();
        EXPECT_LE(name.size(), 30u) << name;
        EXPECT_EQ(fs::path(s.path).parent_path(), "Sounds");
        // Not ".pmw": those are deleted at every exit.
        EXPECT_EQ(fs::path(s.path).extension(), ".wav");
    }
}
