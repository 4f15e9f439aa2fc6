#include "rendering/sound/SoundEffects.h"
#include "rendering/sound/SoundFiles.h"
#include "rendering/sound/SoundIds.h"
#include "rendering/sound/SoundSetUp.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <vector>

using namespace zarle;
using zarle::testing::TempFolder;
namespace fs = std::filesystem;

namespace {

struct Played {
    std::string path;
    bool untilEnd;
    bool existed; // the file was there when it started playing
};

class RecordingOutput : public SoundOutput {
  public:
    void PlayFile(const std::string& path, bool untilEnd) override {
        played.push_back({path, untilEnd, fs::exists(path)});
    }
    std::vector<Played> played;
};

// A program folder with the sound resources written out and a personality with a cheer and a
// goodbye sound.
class SoundEffectsTest : public ::testing::Test {
  protected:
    SoundEffectsTest() {
        fs::create_directories(app.Path() / "Data");
        SetUpSounds(app.Path().string());
        sounds[0] = " 1";
        sounds[ExitSoundIndex] = app.Write("Sounds/VovaTurnOver.wav", "bye");
        sounds[CheerSoundIndex] = app.Write("Sounds/VovaYeah.wav", "yeah");
    }
    SoundSettings Level(int16_t level, int16_t skin = 0) const { return {app.Path().string(), level, skin}; }

    TempFolder app;
    PersonalitySounds sounds;
    RecordingOutput out;
};

} // namespace

TEST_F(SoundEffectsTest, EachCardEffectPlaysItsSkinsTemporaryFile) {
    struct Case {
        int effect;
        int16_t skin;
        const char* file;
    };
    const std::array<Case, 11> cases{{
        {1, 1, "~113.tmp"},
        {2, 1, "~112.tmp"},
        {3, 1, "~111.tmp"},
        {4, 1, "~115.tmp"},
        {5, 1, "~114.tmp"},
        {1, 0, "~118.tmp"},
        {2, 0, "~117.tmp"},
        {3, 0, "~116.tmp"},
        {4, 0, "~120.tmp"},
        {5, 0, "~119.tmp"},
        {1, 2, "~118.tmp"}, // any skin but 1 has the wooden sounds
    }};
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "effect " << c.effect << " skin " << c.skin);
        out.played.clear();
        PlayCardSound(out, Level(AllSounds, c.skin), c.effect);
        ASSERT_EQ(out.played.size(), 1u);
        EXPECT_EQ(out.played[0].path, (app.Path() / "Data" / c.file).string());
        EXPECT_FALSE(out.played[0].untilEnd);
    }
}

TEST_F(SoundEffectsTest, CardEffectsOutsideOneToFivePlayNothing) {
    for (int effect : {-1, 0, 6, 88}) PlayCardSound(out, Level(AllSounds, 1), effect);
    EXPECT_TRUE(out.played.empty());
}

TEST_F(SoundEffectsTest, SoundLevelDecidesWhatPlays) {
    struct Case {
        int16_t level;
        bool effects;     // resource sounds, card sounds, program sound files
        bool personality; // personality and reaction sounds
    };
    // 7: a corrupt setting counts as silence.
    const std::array<Case, 4> cases{
        {{0, true, true}, {1, true, false}, {2, false, false}, {7, false, false}}};
    const std::string slap = app.Write("Sounds/slap.wav", "slap");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.level);
        const SoundSettings s = Level(c.level);
        out.played.clear();
        PlayResourceSound(out, s, SoundId::Deal);
        PlayCardSound(out, s, 1);
        PlaySoundFile(out, s, slap);
        EXPECT_EQ(out.played.size(), c.effects ? 3u : 0u);
        out.played.clear();
        PlayPersonalitySound(out, s, sounds[CheerSoundIndex]);
        EXPECT_EQ(out.played.size(), c.personality ? 1u : 0u);
    }
}

TEST_F(SoundEffectsTest, MissingOrUnreadableFilesPlayNothing) {
    TempFolder bare; // no sound resources written out
    const SoundSettings s{bare.Path().string(), AllSounds, 0};
    PlayCardSound(out, s, 1);
    PlayResourceSound(out, s, SoundId::Alert, true);
    PlayResourceSound(out, Level(AllSounds), 999);
    for (const std::string& path :
         {std::string(), app.Path().string() + "/Sounds/gone.wav", app.Path().string() + "/Data"})
        PlayPersonalitySound(out, Level(AllSounds), path);
    const std::string locked = app.Write("Sounds/locked.wav", "x");
    fs::permissions(locked, fs::perms::none);
    if (!std::ifstream(locked).is_open())
        PlaySoundFile(out, Level(AllSounds), locked); // root reads it anyway
    EXPECT_TRUE(out.played.empty());
}

TEST_F(SoundEffectsTest, ChangeNoiseAnnouncesTheLevel) {
    struct Case {
        int16_t level;
        const char* line;
        std::vector<std::pair<int, bool>> played; // sound index, played to its end
    };
    const std::array<Case, 3> cases{{
        {0, "YEAH!", {{CheerSoundIndex, true}, {ExitSoundIndex, false}}},
        {1, "Let's hold it down a little guys!", {{ExitSoundIndex, false}}},
        {2, "Ahhh... the sounds of silence...", {{ExitSoundIndex, false}}},
    }};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.level);
        out.played.clear();
        EXPECT_EQ(ChangeNoise(out, Level(c.level), sounds), c.line);
        ASSERT_EQ(out.played.size(), c.played.size());
        for (size_t i = 0; i < c.played.size(); ++i) {
            EXPECT_EQ(out.played[i].path, sounds[c.played[i].first]);
            EXPECT_EQ(out.played[i].untilEnd, c.played[i].second);
        }
    }
}

TEST_F(SoundEffectsTest, CleanUpPlaysTheGoodbyeFirstThenDeletesTheTemporaryFiles) {
    // An unpacked personality sound is deleted at exit: it must still be there while it plays.
    sounds[ExitSoundIndex] = app.Write("Sounds/VovaBye.pmw", "bye");
    const std::vector<std::string> doomed{app.Write("Data/7.tmp", "card"), app.Write("Data/OLD.TMP", "old"),
                                          app.Write("Sounds/Quenor.PMW", "chat"), sounds[ExitSoundIndex]};
    const std::vector<std::string> kept{app.Write("Data/empty.wav", ""), app.Write("Data/Players.sav", "p"),
                                        app.Write("Data/PMS/Vova1.tmp", "frame"),
                                        app.Write("Data/tmp", "no extension"), sounds[CheerSoundIndex]};

    CleanUpSounds(out, Level(AllSounds), sounds);

    ASSERT_EQ(out.played.size(), 1u);
    EXPECT_EQ(out.played[0].path, sounds[ExitSoundIndex]);
    EXPECT_TRUE(out.played[0].existed);
    EXPECT_TRUE(out.played[0].untilEnd);
    for (int id = FirstSoundId; id <= LastSoundId; ++id)
        EXPECT_FALSE(fs::exists(SoundTempPath(app.Path().string(), id)));
    for (const std::string& f : doomed) EXPECT_FALSE(fs::exists(f)) << f;
    for (const std::string& f : kept) EXPECT_TRUE(fs::exists(f)) << f;
}

TEST_F(SoundEffectsTest, CleanUpWithFewerSoundsIsSilentAndCopesWithMissingFolders) {
    CleanUpSounds(out, Level(FewerSounds), sounds);
    EXPECT_TRUE(out.played.empty());
    EXPECT_FALSE(fs::exists(SoundTempPath(app.Path().string(), 105)));

    TempFolder empty;
    CleanUpSounds(out, {empty.Path().string(), AllSounds, 0}, PersonalitySounds{});
    EXPECT_TRUE(out.played.empty());
}
