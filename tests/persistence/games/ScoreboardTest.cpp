// The scoreboard's listing and maintenance on the player file, the high-score file and the
// computer's best runs.

#include "persistence/games/Scoreboard.h"
#include "tests/persistence/games/GamesFixture.h"
#include "persistence/games/HighScores.h"
#include "base/records/RecordFile.h"
#include "base/records/ScoreRecord.h"

#include <gtest/gtest.h>

namespace zarle::testing {
namespace {

class ScoreboardTest : public GamesTest {
  protected:
    void SetUp() override {
        GamesTest::SetUp();
        PlayerRecord ann = Player("Ann"), pat = Player("Pat"), bob = Player("Bob"), cy = Player("Cy");
        pat.Games[0] = 30000;
        pat.Wins[0] = 10000;
        pat.Margin[0] = -20000;
        bob.Games[0] = 30000;
        bob.Wins[0] = 29000;
        bob.Margin[0] = -20000;
        for (PlayerRecord* p : {&ann, &pat, &bob, &cy})
            p->BestRuns = {{{1, 2, 3}, {4, 5, 6}, {7, 8, 9}, {1, 1, 1}}};
        WritePlayers({Header("Pat"), ann, pat, bob, cy});
        profile.PlayerNames = {"Ann", "Pat", "Bob", "Cy"};
        profile.PlayerRecNo = 3;
        profile.PlayerRec = StoredPlayer(3);
        state.Stats[0] = {1, 2, 3, 4, 5, 6};
        state.Stats[5] = {7, 8, 9, 1, 1, 1};
    }
    Scoreboard board{state, profiles, Box};
};

TEST_F(ScoreboardTest, TheComputerRowSumsEveryPlayersGamesIn32Bits) {
    profile.PersonalityIdx = 2;
    const ScoreListing listing = board.PrintNames();
    EXPECT_EQ(listing.ComputerCaption, "Zarle (& friends)");
    ASSERT_EQ(listing.Players.size(), 4u);
    EXPECT_EQ(listing.Players[1].Name, "Pat");
    EXPECT_EQ(listing.Players[1].Losses, 20000);
    const ScoreRow& zarle = listing.Computer;
    EXPECT_EQ(zarle.Games, 7 + 30000 + 30000 + 7);
    EXPECT_EQ(zarle.Wins, 3 + 20000 + 1000 + 3);
    EXPECT_EQ(zarle.Losses, 4 + 10000 + 29000 + 4);
    EXPECT_EQ(zarle.Margin, -33 + 20000 + 20000 - 33);
    profile.PersonalityIdx = 0;
    EXPECT_EQ(board.PrintNames().ComputerCaption, "Zarle");
}

TEST_F(ScoreboardTest, TheListingEndsAtTheFirstBlankName) {
    RecordFile file(profiles.PlayersFile(), PlayerRecord::Size, RecordFile::Access::ReadWrite);
    PlayerRecord blank = Player("");
    WriteRecord(file, 4, blank);
    EXPECT_EQ(board.PrintNames().Players.size(), 2u);
}

struct Refusal {
    const char* name;
    Maintenance action;
    int row;
    const char* says;
};

class MaintenanceRefusalTest : public ScoreboardTest, public ::testing::WithParamInterface<Refusal> {};

TEST_P(MaintenanceRefusalTest, LeavesThePlayerFileAlone) {
    const auto before = PlayersBytes();
    const auto outcome = board.Maintance(GetParam().action, GetParam().row, "Delete Player");
    EXPECT_EQ(outcome.Message, GetParam().says);
    EXPECT_TRUE(outcome.Beep);
    EXPECT_FALSE(outcome.Changed);
    EXPECT_EQ(PlayersBytes(), before);
}

INSTANTIATE_TEST_SUITE_P(
    Buttons, MaintenanceRefusalTest,
    ::testing::Values(Refusal{"NothingSelected", Maintenance::DeletePlayer, 0, "Select a player"},
                      Refusal{"PastTheLastPlayer", Maintenance::ClearPlayerScores, 6, "Select a player"},
                      Refusal{"TheComputer", Maintenance::DeletePlayer, 1, "Sorry, Zarle stays."},
                      Refusal{"TheComputersScores", Maintenance::ClearPlayerScores, 1,
                              "Sorry, Zarle stays."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ScoreboardTest, DeletingYourOwnRowOnlyClearsYourScores) {
    const auto outcome = board.Maintance(Maintenance::DeletePlayer, 3, "Delete Player");
    EXPECT_EQ(outcome.Message, "Scores removed!");
    EXPECT_TRUE(Log.Has("MsgBox \"Are you sure you want to Delete Player?\" 4 \"DELETE\" -> 6"));
    const PlayerRecord pat = StoredPlayer(3);
    EXPECT_EQ(pat.Seats[0].Name, "Pat");
    EXPECT_EQ(pat.Games, (std::array<int16_t, 7>{}));
    EXPECT_EQ(pat.BestRuns, PlayerRecord{}.BestRuns);
    EXPECT_EQ(profile.PlayerNames.size(), 4u);
    // The copy in memory is cleared too, so that the end of the next game does not bring them back.
    EXPECT_EQ(profile.PlayerRec.BestRuns, PlayerRecord{}.BestRuns);
    EXPECT_EQ(state.Stats[0], StatsRow{});
}

TEST_F(ScoreboardTest, DeletingAPlayerMovesTheLaterOnesDownAndShortensTheFile) {
    const auto before = PlayersBytes();
    const auto outcome = board.Maintance(Maintenance::DeletePlayer, 2, "Delete Player");
    EXPECT_EQ(outcome.Message, "Player removed!");
    EXPECT_TRUE(outcome.Changed);
    std::vector<uint8_t> expected(before.begin(), before.begin() + PlayerRecord::Size);
    expected.insert(expected.end(), before.begin() + 2 * PlayerRecord::Size, before.end());
    EXPECT_EQ(PlayersBytes(), expected);
    EXPECT_EQ(profile.PlayerNames, (std::vector<std::string>{"Pat", "Bob", "Cy"}));
    EXPECT_EQ(profile.PlayerRecNo, 2);
    EXPECT_EQ(board.PrintNames().Players.size(), 3u);
    // A player added afterwards is listed.
    RecordFile file(profiles.PlayersFile(), PlayerRecord::Size, RecordFile::Access::ReadWrite);
    WriteRecord(file, 5, Player("Dee"));
    EXPECT_EQ(board.PrintNames().Players.back().Name, "Dee");
}

TEST_F(ScoreboardTest, NoMeansNothingHappens) {
    const auto before = PlayersBytes();
    Box.Answers = {AnswerNo};
    const auto outcome = board.Maintance(Maintenance::DeleteAllPlayers, 0, "Delete ALL Players");
    EXPECT_EQ(outcome.Message, "");
    EXPECT_EQ(PlayersBytes(), before);
}

TEST_F(ScoreboardTest, DeletingAllPlayersKeepsOnlyYouWithoutScores) {
    const auto outcome = board.Maintance(Maintenance::DeleteAllPlayers, 0, "Delete ALL Players");
    EXPECT_EQ(outcome.Message, "All is forgotten.");
    EXPECT_EQ(std::filesystem::file_size(profiles.PlayersFile()), 2 * PlayerRecord::Size);
    EXPECT_EQ(StoredPlayer(2).Seats[0].Name, "Pat");
    EXPECT_EQ(StoredPlayer(2).Games, (std::array<int16_t, 7>{}));
    EXPECT_EQ(profile.PlayerNames, std::vector<std::string>{"Pat"});
    EXPECT_EQ(profile.PlayerRecNo, 2);
}

TEST_F(ScoreboardTest, ClearingAllScoresKeepsEveryPlayer) {
    board.Maintance(Maintenance::ClearAllScores, 0, "Clear ALL scores");
    for (int r = 2; r <= 5; ++r) {
        EXPECT_EQ(StoredPlayer(r).Wins, (std::array<int16_t, 7>{}));
        EXPECT_FALSE(StoredPlayer(r).Seats[0].Name.empty());
    }
}

TEST_F(ScoreboardTest, ClearRunStatsStaysCleared) {
    state.Stats[2] = {3, 3, 3, 3, 3, 3};
    EXPECT_TRUE(board.ClearRunStats(3, "Clear Run Stats"));
    EXPECT_TRUE(
        Log.Has("MsgBox \"Are you sure you want to Clear Run Stats\\r\\nfor this player and Zarle?\" 4 "
                "\"DELETE\" -> 6"));
    EXPECT_EQ(StoredPlayer(3).BestRuns, PlayerRecord{}.BestRuns);
    EXPECT_EQ(StoredPlayer(3).Games[0], 30000) << "games stay";
    EXPECT_EQ(state.Stats[2], StatsRow{});
    // The end of the next game, with a small run, writes no old record back.
    state.PTurn = 0;
    state.Stats[2] = {0, 1, 0, 0, 1, 0};
    Stats.StatsSave(2, 0);
    Stats.StatsSave(4, 5);
    EXPECT_EQ(profile.PlayerRec.BestRuns[0], (std::array<int16_t, 3>{0, 1, 0}));
    EXPECT_EQ(profile.PlayerRec.BestRuns[2], (std::array<int16_t, 3>{}));
}

TEST_F(ScoreboardTest, TheStatisticsTabShowsAPlayersCategoriesAndRuns) {
    bool listed = false;
    EXPECT_EQ(board.StatsPlayers(listed), (std::vector<std::string>{"Pat", "Ann", "Bob", "Cy"}));
    EXPECT_TRUE(listed);
    EXPECT_EQ(board.RecordOf("Bob"), 4);
    EXPECT_EQ(board.RecordOf("Nobody"), 6);
    const PlayerStats bob = board.GetStats(4);
    EXPECT_EQ(bob.Categories[0].Losses, 1000);
    state.Stats[2] = {1, 1, 1, 0, 2, 0};
    const RunGrid grid = board.GetRun(bob.Runs);
    EXPECT_EQ(grid[1][1], "7");
    EXPECT_EQ(grid[1][4], "24");
    EXPECT_EQ(grid[4][3], "6");
    EXPECT_EQ(grid[3][9], "3");
    EXPECT_EQ(grid[3][5], "");
}

TEST_F(ScoreboardTest, ClearBestRunStatsEmptiesBothListsAndTheComputersRecords) {
    ASSERT_EQ(HighScoreFile(DataFile("highscore.ran")).Write(3, {HighScoreRecord{44000, "Pat", 1, 2, 3, 6}}),
              "");
    {
        RecordFile scores(DataFile("scores.ran"), ScoreRecord::Size, RecordFile::Access::ReadWrite);
        WriteRecord(scores, 10, ScoreRecord{"Best run", 1, 2, 3, 6});
        WriteRecord(scores, 11, ScoreRecord{"Best side", 5, 0, 0, 5});
    }
    const auto scoresBefore = ReadBytes(DataFile("scores.ran"));
    EXPECT_TRUE(board.ClearBestRuns());
    std::vector<uint8_t> empties;
    for (int n = 0; n < 20; ++n) {
        const auto one = HighScoreRecord{}.Encode();
        empties.insert(empties.end(), one.begin(), one.end());
    }
    EXPECT_EQ(ReadBytes(DataFile("highscore.ran")), empties);
    auto expected = scoresBefore;
    for (int rec : {10, 11})
        std::fill_n(expected.begin() + (rec - 1) * ScoreRecord::Size + 20, 8, uint8_t{0});
    EXPECT_EQ(ReadBytes(DataFile("scores.ran")), expected);
}

} // namespace
} // namespace zarle::testing
