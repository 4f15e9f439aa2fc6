// The settings records written at exit, and the window placement read back at the next start.

#include "tests/persistence/profiles/ProfileFixture.h"
#include "base/records/ScoreRecord.h"
#include "persistence/profiles/WindowPlacement.h"

#include <gtest/gtest.h>

namespace zarle::testing {
namespace {

constexpr size_t Rec = ScoreRecord::Size;

class SettingsTest : public ProfilesTest {
  protected:
    std::filesystem::path Scores() const { return Root() / "Data/scores.ran"; }
    ScoreRecord Stored(int n) const {
        RecordFile file(Scores(), Rec, RecordFile::Access::ReadOnly);
        return ReadRecord<ScoreRecord>(file, n);
    }
    static ScoreRecord Of(std::string name, int16_t v0, int16_t v1, int16_t v2, int16_t v3) {
        return {std::move(name), v0, v1, v2, v3};
    }
};

TEST_F(SettingsTest, ExitWritesRecordsOneAndTwelveToEighteen) {
    {
        RecordFile scores(Scores(), Rec, RecordFile::Access::Create);
        WriteRecord(scores, 1, Of("old", 5, 6, 7, 8));
    }
    profile.FontColor = 255;
    profile.ImportedAvatar = " Me.jpg";
    profile.FontBackdrop = -1;
    profile.TableBack = 3;
    profile.SpeedLevel = 4;
    profile.PersonalityIdx = 2;
    state.Level = 2;
    state.NoLoseAnimation = true;
    state.CardStyle = 7;
    state.PlayerName = "Ann";
    state.SoundLevel = 1;
    state.DeckColor = 0xC0E0FF;
    profile.BackDesign = 2;
    state.TempMovesOpen = true;
    profile.MatColor = 0x8000;
    profile.AnimSpeed = 70;
    state.SideSizeM1 = 14;
    state.ForcedMask = 3;
    state.ShuffleApart = true;
    host.Shown["StatusBar1"] = true;
    host.Shown["ImgAvatar"] = false;
    host.CommentFontSize = 11.6;

    {
        RecordFile scores(Scores(), Rec, RecordFile::Access::ReadWrite);
        profiles.SaveSettings(scores);
        WriteWindowSettings(scores, 1, {PlacementState::Normal, 150, 300, 11000, 8000});
    }

    EXPECT_EQ(ReadBytes(Scores()).size(), 18 * Rec);
    // Numbers in names keep the blank before them (names read back trimmed).
    EXPECT_EQ(ReadBytes(Scores())[0], ' ');
    EXPECT_EQ(Stored(1), Of("255", 5, 6, 7, 2));
    for (int n = 2; n <= 11; ++n) EXPECT_EQ(Stored(n), ScoreRecord{}) << "record " << n;
    EXPECT_EQ(Stored(12), Of("Me.jpg", -1, -1, 0, 7));
    EXPECT_EQ(Stored(13), Of("Ann", 3, 4, 1, 7));
    EXPECT_EQ(Stored(14), Of("", 0, 0, 21, 20));
    EXPECT_EQ(Stored(15), Of("", 8000, 11000, 150, 300));
    EXPECT_EQ(Stored(16), Of("12640511", 2, 1, 0, 1));
    EXPECT_EQ(Stored(17), Of("32768", 12, 0, 0, 2));
    EXPECT_EQ(Stored(18), Of("70", 14, 3, -1, 0));
}

TEST_F(SettingsTest, TheWindowPlacementIsRestoredAtTheNextStart) {
    const ScreenTwips screen{28800, 16200};
    struct Case {
        const char* label;
        std::optional<WindowPlacement> atExit;
        int16_t windowMode;
        bool hasPlacement;
    };
    const WindowPlacement normal{PlacementState::Normal, 150, 300, 12000, 9000};
    const Case cases[] = {
        {"normal", normal, 0, true},
        {"maximised", WindowPlacement{PlacementState::Maximised, 1, 2, 3, 4}, 2, false},
        {"minimised", WindowPlacement{PlacementState::Minimised, 1, 2, 3, 4}, 3, false},
        {"never saved", std::nullopt, 0, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        std::filesystem::remove(Scores());
        WriteBytes(Scores(), std::vector<uint8_t>(18 * Rec, 0));
        RecordFile scores(Scores(), Rec, RecordFile::Access::ReadWrite);
        if (c.atExit) {
            ASSERT_TRUE(WriteWindowSettings(scores, 2, *c.atExit));
        }

        const StoredWindow next = ReadWindowSettings(scores, screen, 0);
        EXPECT_EQ(next.WindowMode, c.windowMode);
        EXPECT_EQ(next.HasPlacement, c.hasPlacement);
        EXPECT_EQ(next.DisplaySize, c.atExit ? 2 : 0);
        EXPECT_EQ(next.PlacementSaved, c.atExit ? 20 : 0);
        if (c.hasPlacement) {
            EXPECT_EQ(next.Placement, normal);
        }
    }
}

TEST_F(SettingsTest, ABadOrHugePlacementIsFittedOntoTheScreen) {
    const ScreenTwips screen{15360, 11520};
    struct Case {
        const char* label;
        ScoreRecord stored; // record 15: height, width, left, top
        int16_t displaySize;
        WindowPlacement fitted;
    };
    const Case cases[] = {
        {"off to the right",
         Of("", 9000, 12000, 14000, 100),
         0,
         {PlacementState::Normal, 3360, 100, 12000, 9000}},
        {"larger than the screen",
         Of("", 32767, 32767, -32768, 32767),
         0,
         {PlacementState::Normal, 0, 0, 15360, 11520}},
        {"too short for the hand row",
         Of("", 3000, 12000, 0, 0),
         0,
         {PlacementState::Normal, 0, 0, 12000, 7000}},
        {"short with small cards", Of("", 3000, 12000, 0, 0), 2, {PlacementState::Normal, 0, 0, 12000, 3000}},
        {"a damaged height", Of("", -5, 1, 0, 0), 2, {PlacementState::Normal, 0, 0, 1500, 1500}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        std::filesystem::remove(Scores());
        RecordFile scores(Scores(), Rec, RecordFile::Access::Create);
        WriteRecord(scores, 14, Of("", 0, 0, int16_t(c.displaySize + 20), 20));
        WriteRecord(scores, 15, c.stored);
        const StoredWindow next = ReadWindowSettings(scores, screen, 7000);
        ASSERT_TRUE(next.HasPlacement);
        EXPECT_EQ(next.Placement, c.fitted);
    }
}

} // namespace
} // namespace zarle::testing
