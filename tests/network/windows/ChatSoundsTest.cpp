// The chat's personality sounds: installed from each pack, removed when untucked, and left
// alone when the choice stays the same.

#include "network/windows/ChatSounds.h"
#include "tests/support/engine/FakeServices.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <fstream>

namespace zarle {
namespace {

class ChatSoundsTest : public ::testing::Test, protected testing::TempFolder {
  protected:
    void SetUp() override {
        for (const char* name : {"Vova", "Mira", "Odo", "Pia"}) {
            const auto pack = Path("Data") / "PMS" / name;
            std::filesystem::create_directories(pack);
            std::ofstream(pack / (std::string("Hello") + name + ".wav")) << name;
        }
    }
    bool Installed(const std::string& file) { return std::filesystem::exists(Path("Sounds") / file); }

    testing::Transcript log;
    testing::FakeMessageBox box{log};
    std::array<std::string, 3> names;
};

TEST_F(ChatSoundsTest, ChoosingInstallsUnchoosingRemovesAndTheSameChoiceChangesNothing) {
    InstallChatSounds(Path(""), names, {"Vova", "Mira", "Odo"}, box);
    EXPECT_EQ(names, (std::array<std::string, 3>{"Vova", "Mira", "Odo"}));
    EXPECT_TRUE(Installed("HelloVova.pmw") && Installed("HelloMira.pmw") && Installed("HelloOdo.pmw"));

    std::filesystem::remove(Path("Sounds") / "HelloOdo.pmw");
    InstallChatSounds(Path(""), names, {"Vova", "Mira", "Odo"}, box);
    EXPECT_FALSE(Installed("HelloOdo.pmw")) << "nothing was installed again";

    InstallChatSounds(Path(""), names, {"Vova", "Pia"}, box);
    EXPECT_EQ(names, (std::array<std::string, 3>{"Vova", "Pia", ""}));
    EXPECT_FALSE(Installed("HelloMira.pmw"));
    EXPECT_TRUE(Installed("HelloPia.pmw") && Installed("HelloVova.pmw"));
    EXPECT_TRUE(log.Lines().empty()) << log.Dump();
}

TEST_F(ChatSoundsTest, APersonalityWithoutAPackIsMissing) {
    InstallChatSounds(Path(""), names, {"Nobody"}, box);
    EXPECT_EQ(names[0], "Nobody");
    EXPECT_EQ(log.Lines(),
              std::vector<std::string>{"MsgBox \"This personality has not been installed. No sounds "
                                       "available.\" 64 \"Missing Person\" -> 1"});
}

} // namespace
} // namespace zarle
