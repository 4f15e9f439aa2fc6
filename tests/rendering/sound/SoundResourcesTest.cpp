#include "rendering/sound/SoundResources.h"
#include "rendering/sound/SoundFiles.h"
#include "rendering/sound/SoundIds.h"
#include "rendering/sound/SoundSetUp.h"
#include "tests/support/TempFolder.h"
#include "tests/rendering/sound/WaveInfo.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using namespace zarle;
using namespace zarle::test;
using zarle::testing::ReadText;
using zarle::testing::TempFolder;

TEST(SoundResources, EveryIdIsAMonoPcmWaveOfItsFormatAndASensibleSound) {
    for (int id = FirstSoundId; id <= LastSoundId; ++id) {
        SCOPED_TRACE(id);
        const auto bytes = ReadProgramResource(id);
        ASSERT_TRUE(bytes);
        const auto wave = ParseWave(*bytes);
        ASSERT_TRUE(wave) << "not a well-formed wave file";
        EXPECT_EQ(wave->format, 1);
        EXPECT_EQ(wave->channels, 1);
        EXPECT_EQ(wave->rate, id == 123 ? 11025u : 22050u);
        EXPECT_EQ(wave->bits, id == 120 ? 8 : 16);
        EXPECT_EQ(wave->dataBytes, wave->samples.size() * wave->bits / 8);
        EXPECT_GE(wave->Seconds(), 0.01);
        EXPECT_LE(wave->Seconds(), 1.9);

        double peak = 0;
        for (double s : wave->samples) peak = std::max(peak, std::abs(s));
        EXPECT_GT(peak, 0.25) << "too quiet to hear";
        EXPECT_LT(peak, 0.95) << "at the edge of clipping";
        // Fades: no sound may start or stop with a click. 8-bit dither leaves one step.
        const double quiet = wave->bits == 8 ? 1.5 / 128 : 0.01;
        EXPECT_LE(std::abs(wave->samples.front()), quiet);
        EXPECT_LE(std::abs(wave->samples.back()), quiet);
    }
}

TEST(SoundResources, UnknownIdIsNotFoundAndWritesNothing) {
    TempFolder folder;
    EXPECT_FALSE(ReadProgramResource(124));
    EXPECT_FALSE(ReadProgramResource(105, "CURSOR"));
    const auto target = folder.Path() / "x.tmp";
    EXPECT_EQ(SaveResToFile(124, "SOUND", target.string()), ResourceNotFound);
    EXPECT_FALSE(std::filesystem::exists(target));
}

TEST(SoundResources, SetUpSoundsWritesEveryResourceUnchanged) {
    TempFolder app;
    std::filesystem::create_directory(app.Path() / "Data");
    // A longer file left behind by an earlier run must not keep its tail.
    app.Write("Data/~105.tmp", std::string(200000, 'x'));

    SetUpSounds(app.Path().string());

    for (int id = FirstSoundId; id <= LastSoundId; ++id) {
        SCOPED_TRACE(id);
        const std::string path = SoundTempPath(app.Path().string(), id);
        EXPECT_EQ(path, (app.Path() / "Data" / ("~" + std::to_string(id) + ".tmp")).string());
        const auto bytes = ReadProgramResource(id);
        ASSERT_TRUE(bytes);
        EXPECT_EQ(ReadText(path), std::string(bytes->begin(), bytes->end()));
    }
}

TEST(SoundResources, AMissingDataFolderIsReportedAndSetUpGoesOn) {
    TempFolder app; // no Data folder
    EXPECT_EQ(SaveResToFile(105, "SOUND", SoundTempPath(app.Path().string(), 105)), FileAccessError);
    SetUpSounds(app.Path().string());
    EXPECT_FALSE(std::filesystem::exists(app.Path() / "Data"));
}
