// A program folder the game may not write to: it starts, plays and closes, tells every save that
// failed and why, and changes nothing.

#include "tests/support/board/ProgramFolderFixture.h"

#include <QWidget>

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace zarle::test {
namespace {

namespace fs = std::filesystem;

// While it lives, this thread's file accesses obey the permission bits even for the superuser,
// who otherwise passes them by.
class PermissionsHold {
  public:
    PermissionsHold() {
        header_.version = _LINUX_CAPABILITY_VERSION_3;
        header_.pid = 0;
        held_ = ::syscall(SYS_capget, &header_, saved_) == 0;
        if (!held_) return;
        __user_cap_data_struct lowered[2] = {saved_[0], saved_[1]};
        for (const int cap : {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH, CAP_FOWNER})
            lowered[0].effective &= ~(1u << cap);
        held_ = ::syscall(SYS_capset, &header_, lowered) == 0;
    }
    ~PermissionsHold() {
        if (held_) ::syscall(SYS_capset, &header_, saved_);
    }
    PermissionsHold(const PermissionsHold&) = delete;
    PermissionsHold& operator=(const PermissionsHold&) = delete;
    bool Held() const { return held_; }

  private:
    __user_cap_header_struct header_{};
    __user_cap_data_struct saved_[2]{};
    bool held_ = false;
};

class ReadOnlyProgramFolderTest : public ProgramFolderTest {
  protected:
    void MakeReadOnly() {
        for (const auto& entry : fs::recursive_directory_iterator(Root()))
            fs::permissions(entry.path(), entry.is_directory() ? fs::perms(0555) : fs::perms(0444));
        fs::permissions(Root(), fs::perms(0555));
    }
    void TearDown() override {
        fs::permissions(Root(), fs::perms::owner_all, fs::perm_options::add);
        for (const auto& entry : fs::recursive_directory_iterator(Root()))
            fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add);
        ProgramFolderTest::TearDown();
    }
};

TEST_F(ReadOnlyProgramFolderTest, StartsPlaysAndClosesTellingEverySaveThatFailed) {
    MakeReadOnly();
    const FolderSnapshot before = Snapshot();
    const PermissionsHold permissions;
    ASSERT_TRUE(permissions.Held());

    ASSERT_EQ(Start("Tester"), StartOutcome::Running);
    Window->TheEngine().Command2_Click();
    EXPECT_GT(Game->SideCount, 0) << "the game is dealt";
    Close();
    EXPECT_FALSE(Window->Window().isVisible());
    // Every save that failed is told, with the system's reason.
    std::vector<std::string> failed;
    for (const BoxShown& box : Box.Shown) {
        EXPECT_EQ(box.Title, "Files cannot be saved");
        EXPECT_NE(box.Text.find(": Permission denied\r\n\r\n"), std::string::npos) << box.Text;
        failed.push_back(box.Text.substr(0, box.Text.find('\r')));
    }
    EXPECT_EQ(failed, (std::vector<std::string>{"Your profile could not be saved.",
                                                "The automatic copy of this turn could not be saved.",
                                                "Your settings could not be saved.",
                                                "Your profile could not be saved."}));
    EXPECT_TRUE(Snapshot() == before) << "a file was written";
}

} // namespace
} // namespace zarle::test
