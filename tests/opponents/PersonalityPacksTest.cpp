// Personality packs and comment-set names in a program folder of their own: the chat sounds
// installed and removed by personality, Zadure speaking with Vova's pack, and names that would
// reach outside their folder finding nothing.

#include "opponents/PersonalityPacks.h"
#include "opponents/CommentSets.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>

namespace zarle::testing {
namespace {

namespace fs = std::filesystem;

class PersonalityPacksTest : public ::testing::Test {
  protected:
    void SetUp() override {
        for (const char* dir : {"Data/PMS/Vova", "Sounds"}) fs::create_directories(app_ / dir);
        for (const char* file :
             {"HelloVova.wav", "ByeVova.wav", "Vova1.png", "Vova7.png", "notes.txt", "Other.wav"})
            Write(std::string("Data/PMS/Vova/") + file, file);
        Write("Data/PMS/Quenor.pms", "no pack beside it");
    }

    void Write(const std::string& relative, const std::string& text) {
        std::ofstream(app_ / relative) << text;
    }
    std::set<std::string> Sounds() const {
        std::set<std::string> names;
        for (const auto& entry : fs::directory_iterator(app_ / "Sounds"))
            names.insert(entry.path().filename().string());
        return names;
    }

    TempFolder folder_;
    const fs::path app_ = folder_.Path();
};

TEST_F(PersonalityPacksTest, InstallingCopiesTheCallsAsPmwFilesAndZadureSpeaksWithVovasPack) {
    EXPECT_TRUE(InstallPackSounds(app_, "Zadure"));
    EXPECT_EQ(Sounds(), (std::set<std::string>{"HelloVova.pmw", "ByeVova.pmw"}));
    std::ifstream copied(app_ / "Sounds/HelloVova.pmw");
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(copied), {}), "HelloVova.wav");
    EXPECT_TRUE(InstallPackSounds(app_, "vova")) << "names are matched without regard to case";
    EXPECT_FALSE(InstallPackSounds(app_, "Quenor")) << "a personality without a pack";
    EXPECT_EQ(Sounds().size(), 2u);
}

TEST_F(PersonalityPacksTest, RemovingDeletesOnlyThatPersonalitysInstalledSounds) {
    for (const char* file : {"HelloVova.pmw", "ByeVOVA.pmw", "HelloQuenor.pmw", "VovaWin1.wav", "Vova.wav"})
        Write(std::string("Sounds/") + file, "x");
    RemovePackSounds(app_, "");
    EXPECT_EQ(Sounds().size(), 5u) << "an empty name removes nothing";
    RemovePackSounds(app_, "Vova");
    EXPECT_EQ(Sounds(), (std::set<std::string>{"HelloQuenor.pmw", "VovaWin1.wav", "Vova.wav"}));
}

TEST_F(PersonalityPacksTest, FramesComeFromThePackAndUnsafeNamesHaveNoPack) {
    EXPECT_EQ(PackFrame(app_, "Zadure", 1), app_ / "Data/PMS/Vova/Vova1.png");
    EXPECT_EQ(PackFrame(app_, "Vova", 7), app_ / "Data/PMS/Vova/Vova7.png");
    for (int frame : {0, 2, 8}) EXPECT_FALSE(PackFrame(app_, "Vova", frame)) << frame;
    for (const char* name : {"", ".", "..", "../PMS/Vova", "Vova/..", "PMS\\Vova", "C:Vova", "Vo*a"}) {
        EXPECT_FALSE(PackFolder(app_, name)) << name;
        EXPECT_FALSE(PackFrame(app_, name, 1)) << name;
        EXPECT_FALSE(InstallPackSounds(app_, name)) << name;
    }
    EXPECT_TRUE(Sounds().empty());
}

TEST(CommentSetNames, ATypedExtensionIsCutOnceAndANameNeverLeavesUsers) {
    const std::pair<const char*, const char*> typed[] = {
        {"Mine", "Mine"},     {"Mine.cmt", "Mine"}, {"Mine.CMT", "Mine"}, {"x.cmt.cmt", "x.cmt"},
        {"a.cmtx", "a.cmtx"}, {".cmt", ""},         {"cmt", "cmt"},
    };
    for (const auto& [in, out] : typed) EXPECT_EQ(CommentSetName(in), out) << in;
    const fs::path app = "/game";
    EXPECT_EQ(CommentSetPath(app, "Mine"), app / "users" / "Mine.cmt");
    for (const char* name : {"", "  ", "..", "../Players", "a/b", "a\\b", "C:x", "x?"})
        EXPECT_FALSE(CommentSetPath(app, name)) << name;
}

} // namespace
} // namespace zarle::testing
