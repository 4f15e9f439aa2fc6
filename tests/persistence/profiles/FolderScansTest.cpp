// Lists of the data folders, the personality list, the opponent's name and importing an avatar.

#include "base/records/PersonalityRecord.h"
#include "tests/persistence/profiles/ProfileFixture.h"

#include <gtest/gtest.h>

namespace zarle::testing {
namespace {

using Names = std::vector<std::string>;

class FolderScansTest : public ProfilesTest {
  protected:
    void Personality(const std::string& file, const std::string& description) {
        PersonalityRecord rec;
        rec.Comments[0] = description;
        RecordFile pms(Root() / "Data/PMS" / file, PersonalityRecord::Size, RecordFile::Access::Create);
        WriteRecord(pms, 1, rec);
    }
};

TEST_F(FolderScansTest, PicturesAreListedByTheirLastThreeLetters) {
    for (const char* name : {"b.JPG", "a.jpg", "c.gif", "d.Bmp", "e.jpeg", "f.png", "notes.txt"})
        Touch(std::string("Avatars/") + name);
    std::filesystem::create_directories(Root() / "Avatars/folder.jpg");
    profiles.ReadAvatars();
    EXPECT_EQ(profile.Avatars, (Names{"a.jpg", "b.JPG", "c.gif", "d.Bmp"}));

    std::filesystem::remove_all(Root() / "backgrounds");
    profiles.ReadBacks();
    EXPECT_EQ(profile.BackCount, 0) << "a missing folder lists nothing";
    EXPECT_EQ(profile.DefaultBackIdx, 0);
    std::filesystem::create_directories(Root() / "backgrounds");
    for (const char* name : {"tile_wood.jpg", "felt.bmp", "Tile_Wood.JPG"})
        Touch(std::string("backgrounds/") + name);
    profiles.ReadBacks();
    EXPECT_EQ(profile.BackList, (Names{"felt.bmp", "Tile_Wood.JPG", "tile_wood.jpg"}));
    EXPECT_EQ(profile.BackCount, 3);
    EXPECT_EQ(profile.DefaultBackIdx, 3) << "only the exact name is the default";
}

TEST_F(FolderScansTest, ScoreFilesAndCommentSetsAreListedWithoutTheirExtension) {
    for (const char* name : {"Ann_1.ran", "tempScore.RAN", "Rude.cmt", "Custom.CMT", "Ann.avt"})
        Touch(std::string("users/") + name);
    profiles.Read_Users();
    profiles.ReadComments();
    EXPECT_EQ(profile.UserList, (Names{"Ann_1", "tempScore"}));
    EXPECT_EQ(profile.CommentFiles, (Names{"Custom", "Rude"}));
}

TEST_F(FolderScansTest, ThePersonalityListLeadsWithZarleAndEndsWithZadure) {
    struct Case {
        const char* label;
        std::vector<std::string> files;
        Names names;
        Names descriptions;
    };
    const Case cases[] = {
        {"all four",
         {"Zadure.pms", "Vova.pms", "Zarle.pms", "Quenor.pms"},
         {"Zarle", "Quenor", "Vova", "Zadure"},
         {"about Zarle.pms", "about Quenor.pms", "about Vova.pms", "about Zadure.pms"}},
        {"only the lead reads no file", {"Zarle.pms"}, {"Zarle"}, {""}},
        {"the lead's file missing",
         {"Quenor.pms", "Vova.pms"},
         {"Zarle", "Quenor", "Vova"},
         {"", "about Quenor.pms", "about Vova.pms"}},
        {"an upper-case Zadure",
         {"ZADURE.PMS", "Zarle.pms"},
         {"Zarle", "Zadure"},
         {"about Zarle.pms", "about ZADURE.PMS"}},
        {"no personality files", {}, {"Zarle"}, {""}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        std::filesystem::remove_all(Root() / "Data/PMS");
        std::filesystem::create_directories(Root() / "Data/PMS");
        for (const auto& file : c.files) Personality(file, "about " + file);
        profiles.ReadPeople();
        EXPECT_EQ(state.Personalities[1], c.names);
        EXPECT_EQ(state.Personalities[0], c.descriptions);
        EXPECT_EQ(profiles.PersonalityCount(), static_cast<int>(c.names.size()) - 1);
    }
}

TEST_F(FolderScansTest, TheFirstOpponentIsFoundInThePersonalityList) {
    state.Personalities[1] = {"Zarle", "Quenor", "Vova"};
    state.Personalities[0] = {"", "", ""};
    state.SeatRec1.Name = "Vova";
    profiles.ChangePerson();
    EXPECT_EQ(profile.PersonalityIdx, 2);
    EXPECT_EQ(state.OppName1, "Vova");
    EXPECT_TRUE(host.Logged("Caption Label9(4) Vova"));

    state.SeatRec1.Name = "Stranger";
    profiles.ChangePerson();
    EXPECT_EQ(profile.PersonalityIdx, 3);

    profile.ReloadLeadPictures = true;
    state.SeatRec1.Name = "Zarle";
    profiles.ChangePerson();
    EXPECT_EQ(profile.PersonalityIdx, 0);
    EXPECT_TRUE(host.Logged("ReloadLeadPersonalityPictures"));
    EXPECT_FALSE(profile.ReloadLeadPictures);
}

TEST_F(FolderScansTest, AnAvatarPictureIsImportedIntoTheAvatarFolder) {
    host.Shown["ImgAvatar"] = false;
    host.ChosenFile.reset();
    profiles.Get_Avatars();
    EXPECT_TRUE(host.Shown["ImgAvatar"]);
    EXPECT_EQ(host.Lines("ShowOpen"),
              Names{"ShowOpen 4100 Change/Import Avatar Pic Pictures (*.jpg;*.gif;*.bmp)|*.jpg;*.gif;*.bmp"});
    EXPECT_TRUE(profile.ImportedAvatar.empty()) << "a cancelled dialog chooses nothing";

    const auto outside = Path("Holiday.jpg");
    WriteBytes(outside, {1, 2, 3});
    host.ChosenFile = outside.string();
    profiles.Get_Avatars();
    EXPECT_EQ(ReadBytes(Root() / "Avatars/Holiday.jpg"), (std::vector<uint8_t>{1, 2, 3}));
    EXPECT_EQ(profile.ImportedAvatar, "Holiday.jpg");
    EXPECT_TRUE(host.Logged("ScaleAvatar Holiday.jpg"));

    host.ChosenFile = (Root() / "Avatars/./Holiday.jpg").string();
    profiles.Get_Avatars();
    EXPECT_EQ(ReadBytes(Root() / "Avatars/Holiday.jpg"), (std::vector<uint8_t>{1, 2, 3}))
        << "copied onto itself";
}

} // namespace
} // namespace zarle::testing
