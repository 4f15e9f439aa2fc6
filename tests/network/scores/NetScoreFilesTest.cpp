// The score files written at the end of a network game, byte by byte: the owner's record 1, an
// opponent per record for two players, line-ups for three and four players, competitions apart.

#include "network/scores/NetScoreFiles.h"
#include "tests/support/engine/FakeServices.h"
#include "network/scores/NetScoreLists.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

namespace zarle {
namespace {

using Bytes = std::vector<uint8_t>;

Bytes Record(std::string_view name, int16_t games, int16_t wins, int16_t margin, int16_t lastRec) {
    const auto encoded = NetScoreRecord{std::string(name), games, wins, margin, lastRec}.Encode();
    return {encoded.begin(), encoded.end()};
}

Bytes Join(std::initializer_list<Bytes> records) {
    Bytes all;
    for (const auto& r : records) all.insert(all.end(), r.begin(), r.end());
    return all;
}

class NetScoreFilesTest : public ::testing::Test, protected testing::TempFolder {
  protected:
    void SetUp() override {
        s.AppPath = Path("").string();
        s.PlayerName = "Alice";
    }
    // A game of `names` (seats 2..) where the owner won when `sideLeft` is 0; every opponent has
    // `opponentLeft` cards left in the side pile.
    void Play(std::vector<std::string> names, int sideLeft, int opponentLeft, std::string winner = "",
              std::string competition = "") {
        s.NumPlayers = static_cast<int16_t>(names.size() + 1);
        for (int seat = 2; seat <= s.NumPlayers; ++seat) {
            s.Seat(seat).Name = names[seat - 2];
            s.Seat(seat).SideCount = static_cast<int16_t>(opponentLeft);
        }
        s.SideCount = static_cast<int16_t>(sideLeft);
        const auto done = Scores_Net(s, box, winner, competition);
        EXPECT_TRUE(done.Written) << done.Error;
    }
    Bytes File(const char* name) { return testing::ReadBytes(Path("users") / name); }

    GameState s;
    testing::Transcript log;
    testing::FakeMessageBox box{log};
};

TEST_F(NetScoreFilesTest, TwoPlayersKeepOneRecordPerOpponentMetWithoutRegardToCase) {
    Play({"Bob"}, 0, 7);
    EXPECT_EQ(File("Alice_2.ran"), Join({Record("Alice", 1, 1, 7, 2), Record("Bob", 1, 1, 7, 2)}));
    EXPECT_EQ(File("Alice_2.ran").size(), 56u);
    EXPECT_EQ(s.NetMargin, 7);

    Play({"BOB"}, 3, 0); // a loss by 3 against the same opponent, who now spells it differently
    Play({"Carol"}, 2, 0);
    EXPECT_EQ(File("Alice_2.ran"),
              Join({Record("Alice", 3, 1, 2, 3), Record("BOB", 2, 1, 4, 2), Record("Carol", 1, 0, -2, 3)}));
    EXPECT_EQ(s.NetMargin, 2);
    EXPECT_TRUE(log.Lines().empty()) << log.Dump();
}

TEST_F(NetScoreFilesTest, ALineUpIsFoundAgainInAnySeatOrder) {
    Play({"Bob", "Carol"}, 0, 4);          // Alice wins by 8
    Play({"Carol", "Bob"}, 5, 0, "Carol"); // Carol wins by 5: the same line-up
    Play({"Bob", "Dave"}, 0, 1);           // another line-up
    EXPECT_EQ(File("Alice_3.ran"),
              Join({Record("Alice", 3, 2, 5, 5), Record("Alice", 2, 1, 3, 2), Record("Bob", 2, 0, -13, 2),
                    Record("Carol", 2, 1, -3, 2), Record("Alice", 1, 1, 2, 5), Record("Bob", 1, 0, -2, 5),
                    Record("Dave", 1, 0, -2, 5)}));
}

TEST_F(NetScoreFilesTest, FourPlayersCountTheWinnerFromItsOwnSide) {
    Play({"Bob", "Carol", "Dave"}, 2, 1, "Dave"); // margin 2 + 3
    EXPECT_EQ(File("Alice_4.ran"),
              Join({Record("Alice", 1, 0, -5, 2), Record("Alice", 1, 0, -5, 2), Record("Bob", 1, 0, -5, 2),
                    Record("Carol", 1, 0, -5, 2), Record("Dave", 1, 1, 5, 2)}));
}

TEST_F(NetScoreFilesTest, ACompetitionChangesOnlyItsOwnFile) {
    Play({"Bob"}, 0, 7);
    const Bytes before = File("Alice_2.ran");
    Play({"Bob"}, 0, 2, "", "Cup");
    EXPECT_EQ(File("Alice_2.ran"), before);
    EXPECT_EQ(File("Alice_2_Cup.rcm"), Join({Record("Alice", 1, 1, 2, 2), Record("Bob", 1, 1, 2, 2)}));
    EXPECT_EQ(ListScoreFiles(Path("users"), "Alice"), std::vector<std::string>{"2_Cup"});
}

TEST_F(NetScoreFilesTest, PeerNamesAreCleanedBeforeTheyAreStored) {
    Play({"B|o:b\x01"}, 0, 1);
    EXPECT_EQ(File("Alice_2.ran"), Join({Record("Alice", 1, 1, 1, 2), Record("Bob", 1, 1, 1, 2)}));
}

} // namespace
} // namespace zarle
