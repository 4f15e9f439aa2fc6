// The player file: the list of players, saving at exit and the profile's scores.

#include "base/records/ByteOrder.h"
#include "tests/persistence/profiles/ProfileFixture.h"
#include "persistence/profiles/ProfilePersistence.h"
#include "base/text/VbText.h"

#include <gtest/gtest.h>

namespace zarle::testing {
namespace {

constexpr size_t Rec = PlayerRecord::Size;

class NoWelcome : public WelcomeWindowPort {
  public:
    void ShowModal() override {}
};

TEST_F(ProfilesTest, PlayersAreListedAndTheLastPlayerIsFoundByItsExactName) {
    struct Case {
        const char* label;
        std::string header;
        std::vector<std::string> players;
        int recNo;
    };
    const Case cases[] = {
        {"only the header", "Bob", {}, 1},
        {"the later of two records wins", "Bob", {"Ann", "Bob", "Bob"}, 4},
        {"names compare with case", "bob", {"Bob"}, 1},
        {"a blank header still lists the players", "", {"Ann", "Bob"}, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        std::vector<PlayerRecord> records{Header(c.header)};
        for (const auto& name : c.players) records.push_back(Player(name));
        WritePlayers(records);
        FreshState();
        profiles.Get_Players();
        EXPECT_EQ(profile.PlayerNames, c.players);
        EXPECT_EQ(profile.PlayerRecNo, c.recNo);
        EXPECT_EQ(profile.LastPlayerName, c.header);
    }
}

TEST_F(ProfilesTest, WithoutAnAcceptedNameOnlyTheHeaderIsWritten) {
    WritePlayers({Header("Bob"), Player("Ann"), Player("Bob")});
    profiles.Get_Players();
    ASSERT_EQ(profile.PlayerRecNo, 3);
    const auto before = PlayersBytes();
    profile.LastPlayerName = "Ann";
    profile.AnimSpeed = 200;

    profiles.SavePlayer(false);

    const auto after = PlayersBytes();
    ASSERT_EQ(after.size(), before.size());
    EXPECT_EQ(TextAt(after, Rec, 1, 122, 20), "Ann");
    EXPECT_TRUE(std::equal(before.begin() + Rec, before.end(), after.begin() + Rec))
        << "a profile was overwritten";
}

TEST_F(ProfilesTest, ExitStoresThePreferencesInThePlayersOwnRecord) {
    PlayerRecord header = Header("Ann");
    WritePlayers({header, Player("Ann")});
    profiles.Get_Players();
    profile.SavePrefs = true;
    profile.FontColor = 0x123456;
    profile.HoldWinLeft = 500;
    profile.AnimSpeed = 150;
    state.CardStyle = 2;
    state.NumPlayers = 3;
    state.NumCenters = 4;
    state.SideSizeM1 = 25;
    state.ForcedMask = 3;
    state.ShuffleApart = true;
    state.TempMovesOpen = false;
    host.Shown["StatusBar1"] = false;
    host.Shown["ImgAvatar"] = true;

    profiles.SavePlayer(false);

    const auto bytes = PlayersBytes();
    EXPECT_EQ(LoadInt32(bytes.data() + Rec + 0), 0x123456);
    EXPECT_EQ(Int16At(bytes, Rec, 2, 12), 3);
    EXPECT_EQ(Int16At(bytes, Rec, 2, 14), 4);
    EXPECT_EQ(Int16At(bytes, Rec, 2, 22), 150);
    EXPECT_EQ(Int16At(bytes, Rec, 2, 28), 2);
    EXPECT_EQ(Int16At(bytes, Rec, 2, 32), 500);
    EXPECT_EQ(Int16At(bytes, Rec, 2, 38), 0);  // status bar hidden
    EXPECT_EQ(Int16At(bytes, Rec, 2, 40), -1); // avatar shown
    EXPECT_EQ(Int16At(bytes, Rec, 2, 42), 0);  // undo log closed
    EXPECT_EQ(Int16At(bytes, Rec, 2, 48), 25);
    EXPECT_EQ(Int16At(bytes, Rec, 2, 50), 3);
    EXPECT_EQ(Int16At(bytes, Rec, 2, 52), -1);
    EXPECT_EQ(Int16At(bytes, Rec, 2, 80), 7) << "games kept";
    EXPECT_EQ(Int16At(bytes, Rec, 2, 94), 4) << "wins kept";
    EXPECT_EQ(Int16At(bytes, Rec, 2, 108), 33) << "margin kept";
    EXPECT_EQ(StoredPlayer(1), header) << "the header took a player's profile";
}

TEST_F(ProfilesTest, ScoresBelongToThePlayersRecordAndNeverToTheHeader) {
    WritePlayers({Header("Ann"), Player("Ann")});
    profiles.Get_Players();
    NoWelcome welcome;
    ProfilePersistence persistence(profiles, welcome);
    ScoreCategoryTable scores{};

    profile.PlayerRecNo = 1;
    const auto before = PlayersBytes();
    EXPECT_FALSE(persistence.ReadPlayerScores(scores));
    persistence.WritePlayerScores(ScoreCategoryTable{{{9, 9, 9}}});
    EXPECT_EQ(PlayersBytes(), before);

    profile.PlayerRecNo = 2;
    ASSERT_TRUE(persistence.ReadPlayerScores(scores));
    EXPECT_EQ(scores[0].Games, 7);
    scores[0] = {8, 5, 40};
    scores[6] = {1, 0, -3};
    persistence.WritePlayerScores(scores);
    const auto bytes = PlayersBytes();
    EXPECT_EQ(Int16At(bytes, Rec, 2, 80), 8);
    EXPECT_EQ(Int16At(bytes, Rec, 2, 94), 5);
    EXPECT_EQ(Int16At(bytes, Rec, 2, 108), 40);
    EXPECT_EQ(Int16At(bytes, Rec, 2, 80 + 12), 1);
    EXPECT_EQ(Int16At(bytes, Rec, 2, 108 + 12), -3);
    EXPECT_EQ(Int16At(bytes, Rec, 1, 80), 0);
}

} // namespace
} // namespace zarle::testing
