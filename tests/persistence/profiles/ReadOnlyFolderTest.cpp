// A program folder the game may not write to: the profile still applies, each save that fails is
// told with the system's reason, nothing is changed and nothing crashes.

#include "tests/persistence/profiles/ProfileFixture.h"
#include "persistence/profiles/WelcomePrompt.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace zarle::testing {
namespace {

constexpr uid_t Nobody = 65534;

class ReadOnlyFolderTest : public ProfilesTest {
  protected:
    // Permissions do not hold back the superuser, so the scenario then runs in a child process
    // as an ordinary user.
    template <class Scenario> void AsOrdinaryUser(Scenario scenario) {
        for (const auto& entry : std::filesystem::recursive_directory_iterator(Root())) {
            std::filesystem::permissions(entry.path(), entry.is_directory() ? std::filesystem::perms(0555)
                                                                            : std::filesystem::perms(0444));
        }
        std::filesystem::permissions(Root(), std::filesystem::perms(0555));
        if (::geteuid() != 0) {
            scenario();
            return;
        }
        EXPECT_EXIT(
            {
                if (::setgid(Nobody) != 0 || ::setuid(Nobody) != 0) std::exit(2);
                scenario();
                std::exit(::testing::Test::HasFailure() ? 1 : 0);
            },
            ::testing::ExitedWithCode(0), "");
    }
    void TearDown() override {
        std::filesystem::permissions(Root(), std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add);
        for (const auto& entry : std::filesystem::recursive_directory_iterator(Root()))
            std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_all,
                                         std::filesystem::perm_options::add);
        ProfilesTest::TearDown();
    }
};

TEST_F(ReadOnlyFolderTest, TheProfileAppliesAndEachFailedSaveIsToldWithItsReason) {
    WritePlayers({Header("Ann"), Player("Ann")});
    WriteBytes(Root() / "Data/scores.ran", std::vector<uint8_t>(18 * 28, 0));
    const auto players = PlayersBytes();
    const auto scores = ReadBytes(Root() / "Data/scores.ran");
    // The folders must stay reachable for the ordinary user.
    std::filesystem::permissions(Path(""), std::filesystem::perms(0755));

    AsOrdinaryUser([&] {
        profiles.Get_Players();
        EXPECT_EQ(profile.PlayerRecNo, 2);
        EXPECT_EQ(profile.AnimSpeed, 120);
        WelcomePrompt welcome(profiles);
        welcome.Form_Load();
        EXPECT_EQ(welcome.Command1_Click("Newcomer", -1), WelcomeAnswer::Accepted);
        EXPECT_EQ(state.PlayerName, "Newcomer");
        EXPECT_TRUE(host.Logged("Caption Label9(3) Newcomer"));
        RecordFile scoresFile(Root() / "Data/scores.ran", 28, RecordFile::Access::ReadOnly);
        EXPECT_NE(profiles.SaveSettings(scoresFile), "");
        profiles.SavePlayer(false);

        // The welcome's save and the exit's, each told with the system's reason.
        const auto boxes = host.Lines("MsgBox");
        ASSERT_EQ(boxes.size(), 2u);
        for (const std::string& box : boxes)
            EXPECT_TRUE(
                box.starts_with("MsgBox 48 [Files cannot be saved] Your profile could not be saved.\r\n"
                                "Cannot open ") &&
                box.find("Players.sav: Permission denied\r\n\r\n") != std::string::npos)
                << box;
        EXPECT_EQ(PlayersBytes(), players);
        EXPECT_EQ(ReadBytes(Root() / "Data/scores.ran"), scores);
    });
}

} // namespace
} // namespace zarle::testing
