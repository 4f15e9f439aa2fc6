#include "platform/sound/WavFile.h"
#include "platform/sound/PcmConvert.h"

#include "tests/platform/WavBuilder.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <limits>
#include <vector>

using namespace zarle;
using namespace zarle::test;

namespace {

std::vector<int16_t> SamplesOf(const PcmSound& sound) {
    std::vector<int16_t> out(sound.samples.size() / 2);
    std::memcpy(out.data(), sound.samples.data(), out.size() * 2);
    return out;
}

QByteArray Floats(std::initializer_list<float> values) {
    QByteArray data;
    for (float v : values) {
        uint32_t bits;
        std::memcpy(&bits, &v, 4);
        Put32(data, bits);
    }
    return data;
}

} // namespace

TEST(WavFile, ReadsEverySampleFormatAsSixteenBits) {
    struct Case {
        const char* what;
        QByteArray file;
        std::vector<int16_t> samples;
    };
    QByteArray pcm16;
    for (int16_t v : {0, 1000, -1000, 32767}) Put16(pcm16, uint16_t(v));
    const std::array<Case, 5> cases{{
        {"16-bit", Wav(1, 22050, 16, pcm16), {0, 1000, -1000, 32767}},
        {"8-bit unsigned", Wav(1, 22050, 8, QByteArray("\x80\xff\x00", 3)), {0, 32512, -32768}},
        {"24-bit", Wav(1, 22050, 24, QByteArray("\x00\x34\x12\xff\xff\xff", 6)), {0x1234, -1}},
        {"32-bit integer", Wav(1, 22050, 32, QByteArray("\x00\x00\x34\x12", 4)), {0x1234}},
        {"32-bit float",
         Riff(Chunk("fmt ", FmtBody(3, 1, 22050, 32)) +
              Chunk("data", Floats({1.0f, -1.0f, 2.0f, std::numeric_limits<float>::quiet_NaN()}))),
         {32767, -32767, 32767, 0}},
    }};
    for (const Case& c : cases) {
        const std::optional<PcmSound> sound = DecodeWav(c.file);
        ASSERT_TRUE(sound) << c.what;
        EXPECT_EQ(sound->sampleRate, 22050) << c.what;
        EXPECT_EQ(SamplesOf(*sound), c.samples) << c.what;
    }
}

TEST(WavFile, ToleratesWhatRealFilesContain) {
    // Extensible layout naming PCM, an odd-sized chunk before the format, a RIFF size of 0
    // and a data chunk claiming more than the file holds (the half frame at the end is dropped).
    QByteArray fmt = FmtBody(0xFFFE, 2, 11025, 16);
    Put16(fmt, 22);
    Put16(fmt, 16);
    Put32(fmt, 3);
    Put16(fmt, 1); // sub-format: PCM
    fmt += QByteArray(14, '\0');
    QByteArray file =
        Riff(Chunk("LIST", "abc") + Chunk("fmt ", fmt) + Chunk("data", QByteArray(10, '\1'), 4000));
    file[4] = file[5] = file[6] = file[7] = 0;

    const std::optional<PcmSound> sound = DecodeWav(file);
    ASSERT_TRUE(sound);
    EXPECT_EQ(sound->channels, 2);
    EXPECT_EQ(sound->sampleRate, 11025);
    EXPECT_EQ(sound->FrameCount(), 2);
    EXPECT_DOUBLE_EQ(sound->Seconds(), 2.0 / 11025);
}

TEST(WavFile, RefusesWhatIsNotPlayablePcm) {
    const std::array<std::pair<const char*, QByteArray>, 7> cases{{
        {"empty", QByteArray()},
        {"not RIFF", QByteArray("RIFX\0\0\0\0WAVE", 12) + Chunk("data", "xx")},
        {"compressed", Riff(Chunk("fmt ", FmtBody(2, 1, 22050, 4)) + Chunk("data", "xxxx"))},
        {"no channels", Wav(0, 22050, 16, "xxxx")},
        {"odd bit depth", Wav(1, 22050, 12, "xxxx")},
        {"data before format", Riff(Chunk("data", "xxxx") + Chunk("fmt ", FmtBody(1, 1, 22050, 16)))},
        {"format chunk cut short",
         Riff(Chunk("fmt ", FmtBody(1, 1, 22050, 16).left(10)) + Chunk("data", "xxxx"))},
    }};
    for (const auto& [what, file] : cases) EXPECT_FALSE(DecodeWav(file)) << what;
}

// The player brings every sound to the device's rate and channels: as long as before, a steady
// level stays steady, a ramp stays a ramp.
TEST(PcmConvert, KeepsLengthAndShapeAcrossRatesAndChannels) {
    struct Case {
        int rate, channels, toRate, toChannels;
    };
    for (const Case c : {Case{11025, 1, 48000, 2}, Case{22050, 1, 44100, 1}, Case{48000, 2, 22050, 1}}) {
        SCOPED_TRACE(c.rate);
        PcmSound in{c.rate, c.channels, {}};
        std::vector<int16_t> ramp;
        for (int i = 0; i < c.rate / 10; ++i)
            for (int k = 0; k < c.channels; ++k) ramp.push_back(static_cast<int16_t>(i));
        in.samples = QByteArray(reinterpret_cast<const char*>(ramp.data()), qsizetype(ramp.size() * 2));

        const PcmSound out = ConvertPcm(in, c.toRate, c.toChannels);
        EXPECT_EQ(out.sampleRate, c.toRate);
        EXPECT_EQ(out.channels, c.toChannels);
        EXPECT_NEAR(out.Seconds(), in.Seconds(), 1.0 / c.toRate);
        const auto samples = SamplesOf(out);
        for (size_t i = c.toChannels; i < samples.size(); ++i)
            ASSERT_GE(samples[i], samples[i - c.toChannels]) << "a ramp never turns back, at " << i;
        EXPECT_NEAR(samples.back(), ramp.back(), double(c.rate) / c.toRate + 1);
    }
}
