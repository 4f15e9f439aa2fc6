// A damaged player file: a short last record keeps its player, names that are not text and
// counts out of range are repaired in the file, and every damage is kept beside the file (one
// copy, none of a file too large) and reported once.

#include "base/records/DamagedFile.h"
#include "tests/persistence/profiles/ProfileFixture.h"
#include "persistence/profiles/WelcomePrompt.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace zarle::testing {
namespace {

namespace fs = std::filesystem;

constexpr size_t Rec = PlayerRecord::Size;

class DamagedPlayerFileTest : public ProfilesTest {
  protected:
    fs::path PlayersFile() const { return Root() / "Data/Players.sav"; }
    std::vector<std::string> Boxes() const {
        std::vector<std::string> boxes;
        std::ranges::copy_if(host.Log, std::back_inserter(boxes),
                             [](const std::string& line) { return line.starts_with("MsgBox"); });
        return boxes;
    }
};

TEST_F(DamagedPlayerFileTest, AShortLastRecordKeepsItsPlayerAndIsWrittenWholeAgain) {
    PlayerRecord ann = Player("Ann");
    ann.Games[0] = 7;
    ann.Wins[0] = 3;
    WritePlayers({Header("Ann"), Player("Bob"), ann});
    auto bytes = PlayersBytes();
    bytes.resize(2 * Rec + 300); // the name and the game counts survive, the seats do not
    WriteBytes(PlayersFile(), bytes);

    profiles.Get_Players();
    EXPECT_EQ(profile.PlayerNames, (std::vector<std::string>{"Bob", "Ann"}));
    EXPECT_EQ(profile.PlayerRecNo, 3);
    EXPECT_EQ(PlayersBytes().size(), 3 * Rec);
    EXPECT_EQ(ReadBytes(Root() / "Data/Players.sav.damaged"), bytes);
    const auto boxes = Boxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].find("Players.sav is cut short."), std::string::npos) << boxes[0];
    EXPECT_NE(boxes[0].find("kept as Players.sav.damaged"), std::string::npos) << boxes[0];

    // Ann names herself and keeps her profile and statistics.
    WelcomePrompt welcome{profiles};
    welcome.Form_Load();
    EXPECT_EQ(welcome.Command1_Click("Ann", -1), WelcomeAnswer::Accepted);
    EXPECT_EQ(profile.PlayerRecNo, 3);
    profiles.SavePlayer(false);
    const PlayerRecord stored = StoredPlayer(3);
    EXPECT_EQ(stored.Seats[0].Name, "Ann");
    EXPECT_EQ(stored.Games[0], 7);
    EXPECT_EQ(stored.Wins[0], 3);
    EXPECT_EQ(PlayersBytes().size(), 3 * Rec);
}

TEST_F(DamagedPlayerFileTest, DamageIsKeptBesideTheFileAndReportedOnce) {
    struct Case {
        const char* label;
        std::vector<uint8_t> bytes;
        const char* found;
    };
    std::vector<uint8_t> garbage(3 * Rec);
    for (size_t i = 0; i < garbage.size(); ++i) garbage[i] = static_cast<uint8_t>(i * 7 + 3);
    const Case cases[] = {
        {"empty", {}, "Players.sav is empty."},
        {"a header cut short", std::vector<uint8_t>(100, 0), "Players.sav is cut short."},
        {"garbage", garbage, "Players.sav is damaged (it holds garbage)."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        fs::remove(Root() / "Data/Players.sav.damaged");
        WriteBytes(PlayersFile(), c.bytes);
        FreshState();
        host.Log.clear();

        profiles.Get_Players();
        profiles.Get_Players();

        const auto boxes = Boxes();
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_NE(boxes[0].find(c.found), std::string::npos) << boxes[0];
        EXPECT_EQ(ReadBytes(Root() / "Data/Players.sav.damaged"), c.bytes);
        EXPECT_FALSE(fs::exists(Root() / "Data/Players.sav.damaged2")) << "one copy of one damage";
        EXPECT_EQ(PlayersBytes().size() % Rec, 0u);
    }
}

TEST_F(DamagedPlayerFileTest, TheRepairIsWrittenOnceAndTheNextStartIsQuiet) {
    PlayerRecord header = Header("Ann\x07\x1b");
    header.Seats[1].Name = "Qu\x01nor";
    PlayerRecord bob = Player("Bob");
    bob.Games[0] = -32768;
    bob.Wins[0] = -32768;
    bob.Games[2] = 3;
    bob.Wins[2] = 9; // more wins than games
    bob.BestRuns[1][2] = -5;
    WritePlayers({header, bob, Player("\x02\x03Eve"), Player("Player 2")});
    const auto damaged = PlayersBytes();

    profiles.Get_Players();
    auto boxes = Boxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].find("Players.sav is damaged"), std::string::npos) << boxes[0];
    EXPECT_NE(boxes[0].find("\"Player 3\""), std::string::npos) << boxes[0];
    EXPECT_NE(boxes[0].find("kept as Players.sav.damaged"), std::string::npos) << boxes[0];
    EXPECT_EQ(ReadBytes(Root() / "Data/Players.sav.damaged"), damaged);
    // The player without a readable name keeps the record and its games under a name of its own.
    EXPECT_EQ(profile.LastPlayerName, "");
    EXPECT_EQ(profile.PlayerNames, (std::vector<std::string>{"Bob", "Player 3", "Player 2"}));
    const PlayerRecord storedBob = StoredPlayer(2);
    EXPECT_EQ(storedBob.Games[0], 0);
    EXPECT_EQ(storedBob.Wins[0], 0);
    EXPECT_EQ(storedBob.Games[2], 3);
    EXPECT_EQ(storedBob.Wins[2], 3);
    EXPECT_EQ(storedBob.BestRuns[1][2], 0);
    EXPECT_EQ(StoredPlayer(3).Games[0], 7);
    EXPECT_EQ(StoredPlayer(1).Seats[1].Name, "") << "the seat is empty, for the lead personality to take";

    // The next start finds the file repaired: no box and no second copy.
    FreshState();
    host.Log.clear();
    profiles.Get_Players();
    EXPECT_TRUE(Boxes().empty());
    EXPECT_EQ(profile.PlayerNames, (std::vector<std::string>{"Bob", "Player 3", "Player 2"}));
    EXPECT_FALSE(fs::exists(Root() / "Data/Players.sav.damaged2"));
    WelcomePrompt welcome{profiles};
    EXPECT_EQ(welcome.Form_Load(), (std::vector<std::string>{"", "Bob", "Player 3", "Player 2", ""}));
}

TEST_F(DamagedPlayerFileTest, OneCopyIsKeptOfAFileAndNoneOfAFileTooLargeToCopy) {
    // Damage found again later replaces the copy of the earlier damage.
    WritePlayers({Header("Ann"), Player("Ann")});
    WriteBytes(Root() / "Data/Players.sav.damaged", std::vector<uint8_t>(10, 1));
    auto bytes = PlayersBytes();
    bytes.resize(Rec + 20);
    WriteBytes(PlayersFile(), bytes);
    profiles.Get_Players();
    EXPECT_EQ(ReadBytes(Root() / "Data/Players.sav.damaged"), bytes);
    EXPECT_FALSE(fs::exists(Root() / "Data/Players.sav.damaged2"));

    // A file larger than a copy may be is not copied, and the box says so.
    WritePlayers({Header("Ann"), Player("Ann")});
    fs::remove(Root() / "Data/Players.sav.damaged");
    fs::resize_file(PlayersFile(), LargestDamagedCopy + 100);
    FreshState();
    host.Log.clear();
    profiles.Get_Players();
    const auto boxes = Boxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].find("Players.sav is cut short."), std::string::npos) << boxes[0];
    EXPECT_NE(boxes[0].find("No copy of the damaged file was kept: it is larger than 4 MB."), std::string::npos)
        << boxes[0];
    EXPECT_FALSE(fs::exists(Root() / "Data/Players.sav.damaged"));
    EXPECT_EQ(profile.PlayerNames.front(), "Ann");
}

TEST_F(DamagedPlayerFileTest, AFileLongerThanTheGameCanReachIsCutAfterItsLastPlayer) {
    WritePlayers({Header("Ann"), Player("Ann"), Player("Bob")});
    fs::resize_file(PlayersFile(), (LastPlayerRecord + 5) * Rec + 10); // blank records, then a hole
    profiles.Get_Players();
    const auto boxes = Boxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].find("Players.sav is damaged (it holds garbage). It holds more records than the game "
                            "can reach; those after the last player were cut off."),
              std::string::npos)
        << boxes[0];
    EXPECT_EQ(PlayersBytes().size(), 3 * Rec);
    EXPECT_EQ(profile.PlayerNames, (std::vector<std::string>{"Ann", "Bob"}));

    FreshState();
    host.Log.clear();
    profiles.Get_Players();
    EXPECT_TRUE(Boxes().empty());
}

} // namespace
} // namespace zarle::testing
