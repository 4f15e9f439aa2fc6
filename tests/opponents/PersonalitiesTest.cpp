// Personality files and comment sets in a program folder of their own: what a seat says and plays,
// and the stand-ins for what is missing, short or named unsafely.

#include "opponents/Personalities.h"
#include "engine/BoardPort.h"
#include "base/records/CommentRecord.h"
#include "tests/support/engine/FakeBoard.h"
#include "base/records/PersonalityRecord.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>

namespace zarle::testing {
namespace {

namespace fs = std::filesystem;

class PersonalitiesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        for (const char* dir : {"Data/PMS", "Sounds", "users"}) fs::create_directories(app_ / dir);
        s.AppPath = app_.string();
        WritePersonality("Zarle", 15);
        WritePersonality("Quenor", 16);
        Write("Data/PMS/Broken.pms", std::string(100, 'x'));
        WriteCommentSet("Custom", 20);
        WriteCommentSet("Short", 5);
    }

    void Write(const std::string& relative, const std::string& bytes) {
        std::ofstream(app_ / relative, std::ios::binary) << bytes;
    }
    // Comment lines "<name> k"; sound files <name><k>.wav (set 0) and <name>Alt<k>.wav (set 1), of
    // which the events below `soundsPresent` exist.
    void WritePersonality(const std::string& name, int soundsPresent) {
        PersonalityRecord rec;
        for (int k = 1; k < PersonalityRecord::CommentLines; ++k)
            rec.Comments[k] = name + " " + std::to_string(k);
        rec.Sounds[0][0] = "3";
        for (int k = 1; k < PersonalityRecord::SoundEvents; ++k) {
            rec.Sounds[0][k] = name + std::to_string(k) + ".wav";
            rec.Sounds[1][k] = name + "Alt" + std::to_string(k) + ".wav";
            if (k >= soundsPresent) continue;
            Write("Sounds/" + rec.Sounds[0][k], "RIFF");
            Write("Sounds/" + rec.Sounds[1][k], "RIFF");
        }
        rec.Picture = name + ".jpg";
        const auto bytes = rec.Encode();
        Write("Data/PMS/" + name + ".pms", std::string(bytes.begin(), bytes.end()));
    }
    void WriteCommentSet(const std::string& name, int lines) {
        std::string bytes;
        for (int n = 1; n <= lines; ++n) {
            const auto line = CommentRecord{name + " line " + std::to_string(n)}.Encode();
            bytes.append(line.begin(), line.end());
        }
        Write("users/" + name + ".cmt", bytes);
    }
    std::set<std::string> Files() const {
        std::set<std::string> files;
        for (const auto& entry : fs::recursive_directory_iterator(app_)) files.insert(entry.path().string());
        return files;
    }
    std::string SoundPath(const std::string& file) const { return (app_ / "Sounds" / file).string(); }
    std::string Silent() const { return (app_ / "Data" / "empty.wav").string(); }

    // A seat chosen in the profile, parsed and loaded as opponent `entry`.
    SeatRecord Load(OpponentSlot slot, int entry = 2) {
        SeatRecord rec;
        ParsePersonality(rec, slot);
        LoadOpponent(s, profile, board, rec, entry);
        return rec;
    }

    GameState s;
    ProfileState profile;
    Transcript log;
    FakeBoard board{log};

  private:
    TempFolder folder_;
    const fs::path app_ = folder_.Path();
};

OpponentSlot Slot(std::string name, std::string comments = "Default Personality", int16_t soundSet = 0) {
    OpponentSlot slot;
    slot.Name = std::move(name);
    slot.Comments = std::move(comments);
    slot.SoundSet = soundSet;
    return slot;
}

TEST_F(PersonalitiesTest, APersonalityBringsItsLinesSoundsAndPicture) {
    const SeatRecord rec = Load(Slot("Quenor"));
    EXPECT_EQ(rec.Name, "Quenor");
    EXPECT_EQ(rec.Comments[1], "Quenor 1");
    EXPECT_EQ(rec.Comments[33], "Quenor 33");
    EXPECT_EQ(rec.Sounds[0], " 3");
    EXPECT_EQ(rec.Sounds[1], SoundPath("Quenor1.wav"));
    EXPECT_EQ(rec.Avatar, "Quenor.jpg");
    EXPECT_EQ(rec.PersonalityPicture, "Quenor.jpg");
    EXPECT_EQ(s.PersonalityPicture, "") << "the board shows the first opponent's";
    Load(Slot("Quenor"), 1);
    EXPECT_EQ(s.PersonalityPicture, "Quenor.jpg");
}

TEST_F(PersonalitiesTest, SoundSetOneTakesTheSecondNameAndAMissingSoundIsSilent) {
    const SeatRecord rec = Load(Slot("Zarle", "Default Personality", 1));
    EXPECT_EQ(rec.Sounds[2], SoundPath("ZarleAlt2.wav"));
    EXPECT_EQ(rec.Sounds[15], Silent());
}

struct StandIn {
    const char* name;
    const char* personality;
};

class LeadPersonalityTest : public PersonalitiesTest, public ::testing::WithParamInterface<StandIn> {};

TEST_P(LeadPersonalityTest, TheLeadPersonalityStandsInAndNothingIsCreated) {
    const std::set<std::string> before = Files();
    const SeatRecord rec = Load(Slot(GetParam().personality));
    EXPECT_EQ(rec.Name, "Zarle");
    EXPECT_EQ(rec.Comments[1], "Zarle 1");
    EXPECT_EQ(rec.Sounds[1], SoundPath("Zarle1.wav"));
    EXPECT_EQ(Files(), before);
}

INSTANTIATE_TEST_SUITE_P(Names, LeadPersonalityTest,
                         ::testing::Values(StandIn{"Missing", "Nobody"}, StandIn{"ShortFile", "Broken"},
                                           StandIn{"UpAndAcross", "../PMS/Quenor"},
                                           StandIn{"FromTheRoot", "/etc/passwd"}),
                         [](const auto& info) { return std::string(info.param.name); });

struct DamagedPersonality {
    const char* name;
    std::string bytes;
    const char* found;
};

class DamagedPersonalityTest : public PersonalitiesTest,
                               public ::testing::WithParamInterface<DamagedPersonality> {};

// The seat chose Wrecked with Quenor's picture; the lead personality takes the seat with its own
// name and picture, and the damage is noted once.
TEST_P(DamagedPersonalityTest, TheLeadTakesTheSeatWithItsOwnPictureAndTheDamageIsNotedOnce) {
    Write("Data/PMS/Wrecked.pms", GetParam().bytes);
    OpponentSlot slot = Slot("Wrecked");
    slot.Avatar = "Quenor.jpg";
    const SeatRecord rec = Load(slot, 1);
    EXPECT_EQ(rec.Name, "Zarle");
    EXPECT_EQ(rec.Avatar, "Zarle.jpg");
    EXPECT_TRUE(log.Has("ScaleAvatar \"Zarle.jpg\"")) << log.Dump();
    Load(slot, 2);
    ASSERT_EQ(profile.DamageNotices.size(), 1u);
    EXPECT_NE(profile.DamageNotices[0].find(std::string("Wrecked.pms is ") + GetParam().found +
                                            ". Zarle takes the seat of Wrecked."),
              std::string::npos)
        << profile.DamageNotices[0];
}

std::string GarbagePersonality() {
    PersonalityRecord rec;
    rec.Comments[1] = "Hello";
    rec.Picture = "Quenor.jpg";
    auto bytes = rec.Encode();
    for (size_t i = 200; i < 260; ++i) bytes[i] = static_cast<uint8_t>(i % 31);
    return std::string(bytes.begin(), bytes.end());
}

INSTANTIATE_TEST_SUITE_P(
    Files, DamagedPersonalityTest,
    ::testing::Values(DamagedPersonality{"Empty", "", "empty"},
                      DamagedPersonality{"CutShort", std::string(PersonalityRecord::Size - 1, 'x'), "cut short"},
                      DamagedPersonality{"Garbage", GarbagePersonality(), "damaged (it holds garbage)"}),
    [](const auto& info) { return std::string(info.param.name); });

// With the lead personality's own file damaged there is no one to take the seat.
TEST_F(PersonalitiesTest, ADamagedLeadPersonalitySaysTheSeatPlaysWithoutItsLines) {
    Write("Data/PMS/Zarle.pms", std::string(100, 'x'));
    for (const char* chosen : {"Zarle", "zarle", "Nobody"}) {
        profile.DamagedFilesSeen.clear();
        profile.DamageNotices.clear();
        const SeatRecord rec = Load(Slot(chosen));
        EXPECT_EQ(rec.Name, "Zarle");
        EXPECT_EQ(rec.Comments[1], "");
        ASSERT_EQ(profile.DamageNotices.size(), 1u) << chosen;
        EXPECT_NE(profile.DamageNotices[0].find(
                      "Zarle.pms is cut short. The seat plays without its lines and sounds."),
                  std::string::npos)
            << profile.DamageNotices[0];
        EXPECT_EQ(profile.DamageNotices[0].find("takes the seat"), std::string::npos)
            << profile.DamageNotices[0];
    }
}

TEST_F(PersonalitiesTest, ADamagedCommentSetIsNotedOnceAndTheOwnLinesAreSaid) {
    Write("users/Noise.cmt", std::string(20 * CommentRecord::Size, '\x01'));
    for (const char* set : {"Short", "Noise", "Short", "Nowhere"}) {
        const SeatRecord rec = Load(Slot("Quenor", set));
        EXPECT_EQ(rec.Comments[1], "Quenor 1") << set;
    }
    ASSERT_EQ(profile.DamageNotices.size(), 2u);
    EXPECT_NE(profile.DamageNotices[0].find(
                  "Short.cmt is cut short. The personality's own lines are used instead."),
              std::string::npos)
        << profile.DamageNotices[0];
    EXPECT_NE(profile.DamageNotices[1].find("Noise.cmt is damaged (it holds garbage)."), std::string::npos)
        << profile.DamageNotices[1];
}

TEST_F(PersonalitiesTest, ACommentSetReplacesTheFirstTwentyLines) {
    const SeatRecord rec = Load(Slot("Quenor", "Custom"));
    EXPECT_EQ(rec.Comments[1], "Custom line 1");
    EXPECT_EQ(rec.Comments[20], "Custom line 20");
    EXPECT_EQ(rec.Comments[21], "Quenor 21");
}

TEST_F(PersonalitiesTest, AMissingShortOrUnsafeCommentSetLeavesThePersonalitysOwnLines) {
    for (const char* set : {"Nowhere", "Short", "../users/Custom"}) {
        const SeatRecord rec = Load(Slot("Quenor", set));
        EXPECT_EQ(rec.CommentSet, "Default Personality") << set;
        EXPECT_EQ(rec.Comments[1], "Quenor 1") << set;
    }
}

TEST_F(PersonalitiesTest, NoCommentsSilencesTheFirstOpponentButKeepsItsHelpLines) {
    const SeatRecord rec = Load(Slot("Quenor", "No Comments"), 1);
    EXPECT_TRUE(s.NoComments);
    EXPECT_EQ(s.Comments[1], "");
    EXPECT_EQ(s.Comments[33], "");
    EXPECT_EQ(s.Comments[34], "Quenor 34");
    EXPECT_EQ(rec.Comments[35], "Quenor 35");
    EXPECT_TRUE(log.Has("ScaleAvatar \"Quenor.jpg\""));
}

TEST_F(PersonalitiesTest, AnEmptySeatBecomesTheLeadPersonalityAndALevelIsKeptInRange) {
    OpponentSlot empty = Slot("   ");
    SeatRecord rec;
    ParsePersonality(rec, empty);
    EXPECT_EQ(empty.Name, "Zarle");
    EXPECT_EQ(rec.Avatar, "Zarle.jpg");
    EXPECT_EQ(rec.CommentSet, "Default Personality");

    for (auto [stored, level] : {std::pair<int16_t, int16_t>{7, 2}, {-3, 0}, {1, 1}}) {
        OpponentSlot slot = Slot(" Quenor ");
        slot.Level = stored;
        ParsePersonality(rec, slot);
        EXPECT_EQ(rec.Level, level);
        EXPECT_EQ(slot.Name, "Quenor");
    }
}

TEST_F(PersonalitiesTest, ThePersonalityAndCommentFilesFillTheFirstTwentyLines) {
    LoadPersonalityFile(s, profile, "Quenor");
    EXPECT_EQ(s.Comments[20], "Quenor 20");
    EXPECT_EQ(s.Comments[21], "");
    LoadCommentFile(s, profile, "Custom");
    EXPECT_EQ(s.Comments[1], "Custom line 1");
    LoadCommentFile(s, profile, "Short");
    EXPECT_EQ(s.Comments[1], "Custom line 1");
    LoadPersonalityFile(s, profile, "Nobody");
    EXPECT_EQ(s.Comments[1], "Zarle 1");
}

} // namespace
} // namespace zarle::testing
