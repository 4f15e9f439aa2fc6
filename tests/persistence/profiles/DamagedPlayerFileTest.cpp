// A damaged player file: a short last record keeps its player, and every damage is kept beside
// the file and reported once.

#include "ProfileFixture.h"
#include "WelcomePrompt.h"

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
    EXPECT_EQ(state.PlayerNames, (std::vector<std::string>{"Bob", "Ann"}));
    EXPECT_EQ(state.PlayerRecNo, 3);
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
    EXPECT_EQ(state.PlayerRecNo, 3);
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

TEST_F(DamagedPlayerFileTest, ANameThatIsNotTextIsNeitherOfferedNorStored) {
    PlayerRecord header = Header("Ann\x07\x1b");
    header.Seats[1].Name = "Qu\x01nor";
    WritePlayers({header, Player("Bob"), Player("\x02\x03Eve")});

    profiles.Get_Players();
    EXPECT_EQ(state.LastPlayerName, "");
    EXPECT_EQ(state.PlayerNames, (std::vector<std::string>{"Bob", ""})) << "the records keep their numbers";
    WelcomePrompt welcome{profiles};
    EXPECT_EQ(welcome.Form_Load(), (std::vector<std::string>{"", "Bob", ""}));
    const PlayerRecord stored = StoredPlayer(1);
    EXPECT_EQ(stored.Seats[0].Name, "");
    EXPECT_EQ(stored.Seats[1].Name, "") << "the seat is empty, for the lead personality to take";
}

} // namespace
} // namespace zarle::testing
