// The end of a game: result texts, margin, score categories, and a new game on request.

#include "tests/support/engine/FakeTable.h"

#include <gtest/gtest.h>

namespace zarle::testing {
namespace {

class GameEndTest : public ::testing::Test {
  protected:
    GameEndTest() {
        table.SetTable(2, 20);
        s.WorkName = "Zarle";
        s.Sounds[13] = "/s/13.wav";
        s.Sounds[14] = "/s/14.wav";
        s.Sounds[15] = "/s/15.wav";
        s.Personalities[1] = {"Quenor", "Zarle   ", "Vova"};
    }
    // The human has emptied the side pile; the last opponent to play keeps `left` cards.
    void HumanWins(int players, std::initializer_list<int> opponentsLeft) {
        table.SetTable(players, 20);
        s.SideCount = 0;
        int seat = 2;
        for (int left : opponentsLeft) s.Seat(seat++).SideCount = static_cast<int16_t>(left);
        s.WorkSideCount = s.SeatRec1.SideCount;
        s.PTurn = 1;
        table.Game.Game_End();
    }
    // Seat 2, playing on its working copy, has emptied its side pile.
    void OpponentWins(int humanLeft) {
        s.SideCount = static_cast<int16_t>(humanLeft);
        s.WorkSeat = 2;
        s.WorkSideCount = 0;
        s.SeatRec1.SideCount = 1;
        s.SeatRec1.Name = "Zarle";
        s.PTurn = 2;
        table.Game.Game_End();
    }
    FakeTable table;
    GameState& s = table.State;
};

TEST_F(GameEndTest, ResultTextsOfAWin) {
    struct Case {
        int players;
        std::initializer_list<int> left;
        const char* text;
    };
    const char* won = "That was your LAST CARD! OK, so you won!!!  ";
    const Case cases[] = {
        {2, {1}, "You beat Zarle by one card! I DEMAND a rematch!"},
        {2, {5}, "Whew, that was close!\r\n(Zarle had 5 cards left.)"},
        {2, {8}, "\r\n(Zarle had 8 cards left.)"},
        {2, {11}, "Zarle needs more memory...\r\n(Zarle had 11 cards left.)"},
        {3, {4, 8}, "Zarle needs more memory...\r\n(Your opponents had 12 cards left.)"},
    };
    for (const Case& c : cases) {
        HumanWins(c.players, c.left);
        EXPECT_EQ(s.ResultText, std::string(won) + c.text);
        EXPECT_EQ(table.Board.Captions["Label9(1)"], s.ResultText);
        EXPECT_EQ(s.PTurn, 0);
        EXPECT_FALSE(s.GameBusy);
        EXPECT_FALSE(s.PeekOn) << "the hands are shown face up, but nobody goes on peeking";
    }
}

TEST_F(GameEndTest, ResultTextsOfALoss) {
    const std::pair<int, const char*> cases[] = {
        {1, "You ONLY had 1 card left! That was CLOSE!"},
        {4, "That was pretty close!\r\nYou had 4 cards left!"},
        {8, "\r\nYou had 8 cards left!"},
        {12, "Were you SLEEPING?\r\nYou had 12 cards left!"},
    };
    for (const auto& [left, tail] : cases) {
        OpponentWins(left);
        // The margin is written with its leading blank.
        EXPECT_EQ(s.ResultText, "That was the last card, Zarle WON with a margin of  " +
                                    std::to_string(left) + " ! " + tail);
        EXPECT_EQ(s.SeatRec1.SideCount, 0) << "the winner's working copy went back into its seat";
    }
}

TEST_F(GameEndTest, ALocalWinUpdatesTheThreeCategoriesAndCelebrates) {
    s.SoundLevel = 0;
    s.SeatRec1.Level = 1;
    table.Persistence.StoredScores[0] = {10, 4, 20};
    table.Persistence.StoredScores[2] = {3, 1, -5};
    table.Persistence.StoredScores[5] = {7, 7, 40};
    table.Random.Script = {0.9f};
    HumanWins(3, {4, 6});
    const ScoreCategoryTable& scores = table.Persistence.StoredScores;
    EXPECT_EQ(scores[0].Games, 11);
    EXPECT_EQ(scores[0].Wins, 5);
    EXPECT_EQ(scores[0].Margin, 30);
    EXPECT_EQ(scores[2].Games, 4) << "a Clever first opponent";
    EXPECT_EQ(scores[2].Margin, 5);
    EXPECT_EQ(scores[5].Games, 8) << "three players";
    EXPECT_EQ(scores[1].Games, 0);
    EXPECT_EQ(s.MsgText, "Pat\r\nGames Won: 5\r\nGames Lost: 6");
    EXPECT_EQ(table.Log.Starting(
                  {"StatsCk", "StatsSave", "SoundFile", "Show Command2", "AnimateCardsFlow", "Flash"}),
              (std::vector<std::string>{"StatsCk 1 2", "SoundFile \"/s/14.wav\"", "StatsSave 2 0",
                                        "StatsSave 4 5", "Show Command2", "AnimateCardsFlow 2"}));
    EXPECT_EQ(table.Board.Captions["Label9(2)"], s.MsgText);
}

TEST_F(GameEndTest, ALossSubtractsTheWholeMarginAndShowsTheWinnersFrames) {
    s.SoundLevel = 0;
    table.Persistence.StoredScores[0] = {1, 1, 3};
    OpponentWins(7);
    EXPECT_EQ(table.Persistence.StoredScores[0].Margin, 3 - 7);
    EXPECT_EQ(table.Persistence.StoredScores[4].Games, 1) << "two players";
    EXPECT_EQ(table.Log.Starting({"StatsCk", "SoundFile", "Flash"}),
              (std::vector<std::string>{"StatsCk 3 4", "SoundFile \"/s/15.wav\" to end",
                                        "SoundFile \"/s/13.wav\"", "Flash 1"}));
}

TEST_F(GameEndTest, CountersStopAtTheEndOfTheirRange) {
    table.Persistence.StoredScores[0] = {32767, 32767, 32760};
    table.Persistence.StoredScores[4] = {32000, 0, -32765};
    HumanWins(2, {9});
    EXPECT_EQ(table.Persistence.StoredScores[0].Games, 32767);
    EXPECT_EQ(table.Persistence.StoredScores[0].Wins, 32767);
    EXPECT_EQ(table.Persistence.StoredScores[0].Margin, 32767);
    EXPECT_EQ(table.Persistence.StoredScores[4].Games, 32001);
    const std::string warning =
        "MsgBox \"The number of games you've played will soon exceed my memory.\\r\\nPlease "
        "clear your score file and start fresh!\" 64 \"Score file overflowing\" -> 1";
    EXPECT_EQ(table.Log.Starting({"MsgBox"}), (std::vector<std::string>{warning, warning}));
}

TEST_F(GameEndTest, ALossCannotTakeTheMarginBelowItsRange) {
    table.Persistence.StoredScores[0] = {5, 0, -32765};
    OpponentWins(5);
    EXPECT_EQ(table.Persistence.StoredScores[0].Margin, -32768);
}

TEST_F(GameEndTest, AnUnreadableProfileIsLeftAsItWas) {
    table.Persistence.ProfileReadable = false;
    s.MsgText = "Pat\r\nGames Won: 5\r\nGames Lost: 6"; // the last game's summary
    HumanWins(2, {3});
    EXPECT_FALSE(table.Log.Has("WritePlayerScores"));
    EXPECT_EQ(table.Log.Starting({"StatsSave"}),
              (std::vector<std::string>{"StatsSave 2 0", "StatsSave 4 5"}));
    EXPECT_EQ(table.Board.Captions["Label9(2)"], "") << "no totals of another game";
    EXPECT_FALSE(s.GameBusy);
}

TEST_F(GameEndTest, NothingToEndLeavesTheBoardFree) {
    s.SideCount = 0;
    s.WorkSideCount = 0;
    table.Game.Game_End();
    EXPECT_FALSE(s.GameBusy);
    EXPECT_FALSE(s.GameEnding);
}

TEST_F(GameEndTest, ANetworkGameCountsTheSessionAndTheRemoteWaitsForTheHost) {
    s.NetMode = 1;
    s.IsHost = 0;
    s.NetMargin = 12;
    table.Net.PeerEvents = {[](GameState& g) { g.NetState = NetTurnOver; },
                            [](GameState& g) { g.NetState = NetNewGame; }};
    HumanWins(2, {6});
    EXPECT_EQ(s.NetGames, 1);
    EXPECT_EQ(s.NetWins, 1);
    EXPECT_EQ(s.ResultText, "Your scores this NET session:\r\n1 games played\r\n 1 wins,  12 margin");
    EXPECT_EQ(table.Log.Starting({"Scores_Net", "FontSize", "Label9(2) = \"Your"}),
              (std::vector<std::string>{
                  "Scores_Net \"\"", "FontSize Label9(2) = 8",
                  "Label9(2) = \"Your scores this NET session:\\r\\n1 games played\\r\\n 1 wins,  "
                  "12 margin\"",
                  "FontSize Label9(2) = 10"}));
    EXPECT_TRUE(table.Net.PeerEvents.empty()) << "the remote waited until the host started a new game";
    EXPECT_FALSE(table.Log.Has("ReadPlayerScores"));
    EXPECT_FALSE(s.GameBusy);
}

TEST_F(GameEndTest, ARemoteThatLosesTheHostAfterTheGameEndsTheNetworkGame) {
    s.NetMode = 1;
    s.IsHost = 0;
    table.Net.PeerEvents = {[](GameState& g) { g.NetMode = 0; }};
    OpponentWins(3);
    EXPECT_TRUE(table.Log.Has("Scores_Net \"Zarle\"")) << "the winner's name";
    EXPECT_EQ(s.NetMode, 0);
    EXPECT_FALSE(s.GameEnding);
}

TEST(GameNewTest, AskedWhileTheComputerIsAboutToWin) {
    struct Case {
        int humanLeft, answer;
        const char* box;
        bool dealt;
    };
    const Case cases[] = {
        {12, AnswerOk, "MsgBox \"Sure, go ahead, start a new game when I'm winning!\" 0 \"Zarle\" -> 1",
         true},
        {5, AnswerNo,
         "MsgBox \"Are you serious?!\\r\\nI'm about to win and you want to start a new game???\" 4 \"Zarle\" "
         "-> 7",
         false},
        {5, AnswerYes,
         "MsgBox \"Are you serious?!\\r\\nI'm about to win and you want to start a new game???\" 4 \"Zarle\" "
         "-> 6",
         true},
    };
    for (const Case& c : cases) {
        FakeTable table;
        table.SetTable(2, 20);
        table.Opponents.PlaySeats = false;
        GameState& s = table.State;
        s.PTurn = 1;
        s.SideCount = static_cast<int16_t>(c.humanLeft);
        s.WorkSideCount = 2;
        table.Box.Answers = {c.answer};
        table.Game.Game_New();
        EXPECT_EQ(table.Log.Starting({"MsgBox"}), std::vector<std::string>{c.box});
        EXPECT_EQ(s.SideCount == 20, c.dealt) << c.humanLeft << " " << c.answer;
    }
}

TEST(GameNewTest, ANetworkGameNeedsThePlayersThatAreConnected) {
    FakeTable table;
    table.SetTable(3, 20);
    table.State.NetMode = 1;
    table.State.IsHost = 1;
    table.Game.Game_New();
    EXPECT_EQ(table.Log.Starting({"MsgBox"}),
              std::vector<std::string>{
                  "MsgBox \"You have 1 opponent(s).\\r\\nUse the Internet Menu, Internet Players "
                  "Setup option to change the setup to match the number of players.\" 0 \"\" -> 1"});
    EXPECT_TRUE(table.Net.Sent.empty());
}

} // namespace
} // namespace zarle::testing
