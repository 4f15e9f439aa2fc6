// The welcome prompt: refused names, known players in any case, and new players.

#include "tests/persistence/profiles/ProfileFixture.h"
#include "base/text/VbText.h"
#include "persistence/profiles/WelcomePrompt.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace zarle::testing {
namespace {

constexpr size_t Rec = PlayerRecord::Size;

class WelcomeTest : public ProfilesTest {
  protected:
    void Start(const std::vector<PlayerRecord>& records) {
        WritePlayers(records);
        profiles.Get_Players();
        list = welcome.Form_Load();
        host.Log.clear();
    }
    int ListIndex(const std::string& name) const {
        return static_cast<int>(std::ranges::find(list, name) - list.begin());
    }

    WelcomePrompt welcome{profiles};
    std::vector<std::string> list;
};

TEST_F(WelcomeTest, TheListStartsWithTheLastPlayerAndEndsEmpty) {
    Start({Header("Bob"), Player("Ann"), Player("Bob"), Player("Cy")});
    EXPECT_EQ(list, (std::vector<std::string>{"Bob", "Ann", "Cy", ""}));
    EXPECT_EQ(state.PlayerName, "Bob");
}

TEST_F(WelcomeTest, ANewPlayerIsAppendedAsACopyOfTheHeaderWithNoStatistics) {
    PlayerRecord header = Header("Ann");
    header.Games[0] = 99; // left in the header by an older program
    header.BestRuns[0][0] = 5;
    header.AnimSpeed = 70;
    Start({header, Player("Ann")});
    const auto before = PlayersBytes();

    EXPECT_EQ(welcome.Command1_Click("  Carl ", -1), WelcomeAnswer::Accepted);

    const auto after = PlayersBytes();
    ASSERT_EQ(after.size(), 3 * Rec);
    EXPECT_TRUE(std::equal(before.begin() + Rec, before.end(), after.begin() + Rec))
        << "Ann's profile changed";
    EXPECT_EQ(TextAt(after, Rec, 1, 122, 20), "Carl");
    EXPECT_EQ(TextAt(after, Rec, 3, 122, 20), "Carl");
    EXPECT_TRUE(std::equal(after.begin() + 2 * Rec, after.begin() + 2 * Rec + 56, before.begin()))
        << "the preferences are not the header's";
    EXPECT_TRUE(std::all_of(after.begin() + 2 * Rec + 56, after.begin() + 2 * Rec + 122, [](uint8_t b) {
        return b == 0;
    })) << "a new player starts with statistics";
    EXPECT_EQ(Int16At(after, Rec, 1, 80), 99) << "the header was rewritten with other statistics";
    EXPECT_EQ(profile.PlayerRecNo, 3);
    EXPECT_EQ(profile.AnimSpeed, 70);
    EXPECT_TRUE(profile.SavePrefs);
    EXPECT_EQ(profile.PlayerNames.back(), "Carl");
    EXPECT_EQ(profile.HoldWinLeft, host.HandLeft);
    EXPECT_EQ(profile.HoldWinTop, host.BoardTop + 3200);
    EXPECT_TRUE(host.Logged("Caption Label9(3) Carl"));
}

TEST_F(WelcomeTest, AKnownPlayerIsFoundWhateverTheCaseAndKeepsTheirRecord) {
    struct Case {
        const char* label;
        std::string stored;
        std::string text;
        bool picked;
    };
    const Case cases[] = {{"typed in capitals", "Ann", "ANN", false},
                          {"typed with blanks", "Ann", "  ann ", false},
                          {"picked from the list", "Ann", "Ann", true},
                          {"accented letters typed in capitals", "Zoë Béla", "ZOË BÉLA", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        FreshState();
        Start({Header("Bob"), Player(c.stored), Player("Bob")});
        const auto sizeBefore = PlayersBytes().size();

        EXPECT_EQ(welcome.Command1_Click(c.text, c.picked ? ListIndex(c.stored) : -1),
                  WelcomeAnswer::Accepted);
        EXPECT_EQ(profile.PlayerRecNo, 2);
        EXPECT_EQ(state.PlayerName, c.stored) << "the stored spelling is used";
        EXPECT_EQ(profile.AnimSpeed, 120) << "the player's own profile is in force";
        profiles.SavePlayer(false);
        const auto bytes = PlayersBytes();
        EXPECT_EQ(bytes.size(), sizeBefore);
        EXPECT_EQ(TextAt(bytes, Rec, 1, 122, 20), c.stored);
        EXPECT_EQ(TextAt(bytes, Rec, 2, 122, 20), c.stored);
        EXPECT_EQ(Int16At(bytes, Rec, 2, 80), 7);
    }
}

TEST_F(WelcomeTest, AHeaderNameInAnotherCaseStillLeadsToThePlayersOwnRecord) {
    Start({Header("ann"), Player("Ann")});
    ASSERT_EQ(profile.PlayerRecNo, 1);

    EXPECT_EQ(welcome.Command1_Click("ann", 0), WelcomeAnswer::Accepted);
    EXPECT_EQ(profile.PlayerRecNo, 2);
    profile.AnimSpeed = 180;
    profiles.SavePlayer(false);

    const auto bytes = PlayersBytes();
    EXPECT_EQ(Int16At(bytes, Rec, 2, 22), 180);
    EXPECT_EQ(Int16At(bytes, Rec, 1, 22), 45) << "the header took the player's profile";
    EXPECT_EQ(Int16At(bytes, Rec, 1, 80), 0) << "the header took the player's statistics";
}

TEST_F(WelcomeTest, TheSameNameAgainNeitherReloadsNorSaves) {
    Start({Header("Ann"), Player("Ann")});
    const auto before = PlayersBytes();
    profile.AnimSpeed = 180;

    EXPECT_EQ(welcome.Command1_Click("Ann", -1), WelcomeAnswer::Accepted);
    EXPECT_EQ(PlayersBytes(), before);
    EXPECT_TRUE(host.Lines("SetCardSizePics").empty()) << "the profile was applied again";
    EXPECT_EQ(profile.AnimSpeed, 180);
    EXPECT_TRUE(profile.SavePrefs);
}

TEST_F(WelcomeTest, UnusableNamesAreRefusedWithTheirMessages) {
    const std::string crlf(CRLF);
    const std::string badChars = "MsgBox 48 [Non-standard filename character] ";
    struct Case {
        std::string text;
        WelcomeAnswer answer;
        std::string message; // the start of the box's log line
    };
    const Case cases[] = {
        {"zarle", WelcomeAnswer::TryAgainEmpty,
         "MsgBox 48 [Impersonator Alert] There can ONLY be" + crlf + "ONE Zarle" + crlf + "and that's me!" +
             crlf + "Enter your real name please."},
        {" Quenor ", WelcomeAnswer::TryAgainEmpty,
         "MsgBox 48 [Impersonator Alert] Sorry dear, that name has been taken..." + crlf +
             "Enter another name please."},
        {"   ", WelcomeAnswer::TryAgain,
         "MsgBox 48 [Unknown Player] Please enter a name..." + crlf +
             "I'd like to know who I'm playing with!"},
        {"a/b", WelcomeAnswer::TryAgain, badChars},
        {"Mr. X", WelcomeAnswer::TryAgain, badChars},
        {"\xE5\x90\x8D\xE5\x89\x8D", WelcomeAnswer::TryAgain, badChars}, // no single-byte form
        {"tab\there", WelcomeAnswer::TryAgain, badChars},
    };
    Start({Header("Ann"), Player("Ann")});
    const auto before = PlayersBytes();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        host.Log.clear();
        EXPECT_EQ(welcome.Command1_Click(c.text, -1), c.answer);
        const auto boxes = host.Lines("MsgBox");
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_TRUE(boxes[0].starts_with(c.message)) << boxes[0];
    }
    EXPECT_EQ(PlayersBytes(), before);
    EXPECT_EQ(profile.PlayerNames, std::vector<std::string>{"Ann"});
    EXPECT_EQ(welcome.Command1_Click("Zoë", -1), WelcomeAnswer::Accepted) << "single-byte letters are fine";
}

TEST_F(WelcomeTest, ANewNameIsRefusedWhenThePlayerFileHasNoRecordLeft) {
    Start({Header("Ann"), Player("Ann")});
    profile.PlayerNames.resize(LastPlayerRecord - 1, "Someone"); // records 2..32767 are taken
    const auto before = PlayersBytes();
    EXPECT_EQ(welcome.Command1_Click("Newcomer", -1), WelcomeAnswer::TryAgain);
    const auto boxes = host.Lines("MsgBox");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_TRUE(boxes[0].starts_with("MsgBox 48 [Too Many Players] There is no room for another player."))
        << boxes[0];
    EXPECT_EQ(PlayersBytes(), before);
    EXPECT_EQ(profile.PlayerNames.size(), size_t(LastPlayerRecord - 1));
    EXPECT_EQ(welcome.Command1_Click("Ann", -1), WelcomeAnswer::Accepted) << "a known player still comes in";
}

TEST_F(WelcomeTest, ANamePickedFromTheListIsNotTestedAgain) {
    Start({Header("Ann"), Player("Ann"), Player("Dr. Who")});
    EXPECT_EQ(welcome.Command1_Click("Dr. Who", ListIndex("Dr. Who")), WelcomeAnswer::Accepted);
    EXPECT_EQ(profile.PlayerRecNo, 3);
    EXPECT_TRUE(host.Lines("MsgBox").empty());
}

} // namespace
} // namespace zarle::testing
