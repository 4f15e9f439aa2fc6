// The shipped personalities as the computer opponents load them: each one is itself, finds every
// sound it names in the program folder, has a remark for every occasion and brings its chat sounds.

#include "tests/support/engine/FakeBoard.h"
#include "engine/GameState.h"
#include "base/records/OpponentSlot.h"
// By its path: the sound generator has a header of the same name.
#include "opponents/Personalities.h"
#include "tools/content/PrivateFonts.h"
#include "tools/soundgen/ProgramFolder.h"
#include "tools/content/ProgramFolderContent.h"
#include "engine/SeatRecord.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

using namespace zarle;
using zarle::testing::TempFolder;

namespace {

const std::string_view Shipped[] = {"Zarle", "Quenor", "Vova", "Zadure"};

TEST(ShippedPersonalities, LoadAsThemselvesWithEverySoundTheyName) {
    TempFolder folder;
    const auto written = content::WriteMissing(
        QString::fromStdString(folder.Path().string()),
        content::ProgramFolderContent({ZARLE_CONTENT_TEXTS, content::SystemFontFolders()}));
    ASSERT_TRUE(written.errors.isEmpty()) << written.errors.join("\n").toStdString();
    ASSERT_EQ(soundgen::WriteMissingSounds(folder.Path(), soundgen::ProgramFolderSounds()).failed, 0);

    for (std::string_view name : Shipped) {
        GameState s;
        ProfileState profile;
        s.AppPath = folder.Path().string();
        zarle::testing::Transcript transcript;
        zarle::testing::FakeBoard board(transcript);
        OpponentSlot slot{std::string(name), "", std::string(DefaultCommentSet), 0, 0};
        SeatRecord seat;
        ParsePersonality(seat, slot);
        LoadOpponent(s, profile, board, seat, 1);

        EXPECT_EQ(seat.Name, name) << "fell back to the lead personality";
        EXPECT_EQ(seat.Avatar, std::string(name) + ".jpg");
        for (int k = 1; k < SoundEvents; ++k) {
            EXPECT_FALSE(seat.Sounds[k].ends_with("empty.wav")) << name << " sound " << k << " is missing";
            EXPECT_TRUE(std::filesystem::exists(seat.Sounds[k])) << seat.Sounds[k];
        }
        for (int line = 1; line <= 35; ++line) EXPECT_NE(s.Comments[line], "") << name << " line " << line;
        // Its pack's chat sounds are installed (Zadure speaks with Vova's).
        const std::string owner = name == "Zadure" ? "Vova" : std::string(name);
        int installed = 0;
        for (const auto& entry : std::filesystem::directory_iterator(folder.Path() / "Sounds"))
            installed += entry.path().filename().string().ends_with(owner + ".pmw");
        EXPECT_EQ(installed, 6) << name;
    }
}

} // namespace
