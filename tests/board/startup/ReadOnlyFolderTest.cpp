// A program folder the game may not write to: it starts, plays and closes after one clear message,
// and changes nothing.

#include "ProgramFolderFixture.h"

#include <QWidget>

#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace zarle::test {
namespace {

namespace fs = std::filesystem;

constexpr uid_t Nobody = 65534;

class ReadOnlyProgramFolderTest : public ProgramFolderTest {
  protected:
    void MakeReadOnly() {
        for (const auto& entry : fs::recursive_directory_iterator(Root()))
            fs::permissions(entry.path(), entry.is_directory() ? fs::perms(0555) : fs::perms(0444));
        fs::permissions(Root(), fs::perms(0555));
        // The folder that holds the program folder must stay reachable.
        fs::permissions(Root().parent_path(), fs::perms(0755));
    }
    void TearDown() override {
        for (const fs::path& p : {Root().parent_path(), Root()})
            fs::permissions(p, fs::perms::owner_all, fs::perm_options::add);
        for (const auto& entry : fs::recursive_directory_iterator(Root()))
            fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add);
        ProgramFolderTest::TearDown();
    }
};

TEST_F(ReadOnlyProgramFolderTest, StartsPlaysAndClosesAfterOneMessage) {
    MakeReadOnly();
    const FolderSnapshot before = Snapshot();
    const auto scenario = [&] {
        ASSERT_EQ(Start("Tester"), StartOutcome::Running);
        Window->TheEngine().Command2_Click();
        EXPECT_GT(Game->SideCount, 0) << "the game is dealt";
        Close();
        EXPECT_FALSE(Window->Window().isVisible());
        ASSERT_EQ(Box.Shown.size(), 1u);
        EXPECT_NE(Box.Shown[0].Text.find("ZarleNET cannot write to"), std::string::npos) << Box.Shown[0].Text;
        EXPECT_TRUE(Snapshot() == before) << "a file was written";
    };
    // Permissions do not hold back the superuser: the run then goes on as an ordinary user.
    if (::geteuid() != 0) return scenario();
    EXPECT_EXIT(
        {
            if (::setgid(Nobody) != 0 || ::setuid(Nobody) != 0) std::exit(2);
            scenario();
            std::exit(::testing::Test::HasFailure() ? 1 : 0);
        },
        ::testing::ExitedWithCode(0), "");
}

} // namespace
} // namespace zarle::test
