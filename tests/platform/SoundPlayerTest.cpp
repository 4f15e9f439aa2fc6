#include "platform/sound/SoundPlayer.h"

#include "platform/resources/Resources.h"
#include "platform/sound/WavFile.h"

#include "tests/platform/WavBuilder.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include "tests/platform/QtPrinting.h"

#include <gtest/gtest.h>

#include <memory>

using namespace zarle;

namespace {

// Plays each sound for its length on a timer and writes down what it was asked to do.
class FakeOutput : public AudioOutput {
  public:
    FakeOutput(QStringList& log, bool deviceWorks) : log_(log), deviceWorks_(deviceWorks) {
        timer_.setSingleShot(true);
        timer_.setTimerType(Qt::PreciseTimer);
    }

    bool Start(const PcmSound& sound, std::function<void()> ended) override {
        log_ << QStringLiteral("start %1ms").arg(qRound(sound.Seconds() * 1000));
        if (!deviceWorks_) return false;
        timer_.disconnect();
        QObject::connect(&timer_, &QTimer::timeout, ended);
        timer_.start(qRound(sound.Seconds() * 1000));
        return true;
    }
    void Stop() override {
        if (!timer_.isActive()) return;
        timer_.stop();
        log_ << QStringLiteral("stop");
    }

  private:
    QStringList& log_;
    bool deviceWorks_;
    QTimer timer_;
};

class SoundPlayerTest : public ::testing::Test {
  protected:
    QString Tone(double seconds) {
        const QString path = dir_.filePath(QStringLiteral("tone%1.wav").arg(seconds));
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(test::ToneWav(seconds));
        return path;
    }
    std::unique_ptr<SoundPlayer> FakePlayer(bool deviceWorks = true) {
        return std::make_unique<SoundPlayer>(std::make_unique<FakeOutput>(log_, deviceWorks));
    }
    // Returning at once, told apart from waiting out a half-second sound on a busy machine.
    static constexpr qint64 AtOnceMs = 250;
    static qint64 Timed(const std::function<void()>& play) {
        QElapsedTimer clock;
        clock.start();
        play();
        return clock.elapsed();
    }

    QTemporaryDir dir_;
    QStringList log_;
};

} // namespace

TEST_F(SoundPlayerTest, WhatIsNotASoundPlaysNothingAndReturnsAtOnce) {
    QFile junk(dir_.filePath(QStringLiteral("junk.wav")));
    junk.open(QIODevice::WriteOnly);
    junk.write("this is not a wave file");
    junk.close();
    auto player = FakePlayer();
    for (const QString& path :
         {dir_.filePath(QStringLiteral("missing.wav")), dir_.path(), junk.fileName(), QString()}) {
        EXPECT_LT(Timed([&] { player->Play(path, true); }), AtOnceMs) << qPrintable(path);
        EXPECT_FALSE(player->IsPlaying());
    }
    player->PlayBytes(LoadResData(99999), true);
    EXPECT_TRUE(log_.isEmpty()) << qPrintable(log_.join(u','));
}

// Sounds past the largest file or the longest length play nothing and hold nothing up: no device
// is asked to play them, however long they would last.
TEST_F(SoundPlayerTest, TooLargeOrTooLongPlaysNothingAndReturnsAtOnce) {
    // Just past the largest file: a header and a data chunk that runs to the file's end.
    const QString large = dir_.filePath(QStringLiteral("large.wav"));
    {
        QFile file(large);
        file.open(QIODevice::WriteOnly);
        file.write(test::Riff(test::Chunk("fmt ", test::FmtBody(1, 1, 22050, 16)) +
                              test::Chunk("data", {}, uint32_t(LargestSoundFile))));
        file.resize(LargestSoundFile + 1);
    }
    // A few hundred bytes that last for minutes: 200 samples a second.
    const QString slow = dir_.filePath(QStringLiteral("slow.wav"));
    {
        QFile file(slow);
        file.open(QIODevice::WriteOnly);
        file.write(test::Wav(1, 200, 8, QByteArray(200 * (LongestSoundSeconds + 1), '\x80')));
    }
    auto player = FakePlayer(false);
    for (const QString& path : {large, slow}) {
        EXPECT_LT(Timed([&] { player->Play(path, true); }), AtOnceMs) << qPrintable(path);
        EXPECT_FALSE(player->IsPlaying());
    }
    EXPECT_TRUE(log_.isEmpty()) << qPrintable(log_.join(u','));

    // The longest sound still plays.
    player->Play(Tone(LongestSoundSeconds), false);
    EXPECT_EQ(log_, QStringList{QStringLiteral("start %1ms").arg(LongestSoundSeconds * 1000)});
}

TEST_F(SoundPlayerTest, UntilEndReturnsWhenTheSoundIsOverWithEventsRunning) {
    auto player = FakePlayer();
    bool timerRan = false;
    QTimer::singleShot(30, [&] { timerRan = true; });
    const qint64 ms = Timed([&] { player->Play(Tone(0.3), true); });
    EXPECT_GE(ms, 290);
    EXPECT_LT(ms, 1500);
    EXPECT_TRUE(timerRan);
    EXPECT_FALSE(player->IsPlaying());
    EXPECT_EQ(log_, QStringList{QStringLiteral("start 300ms")});
}

TEST_F(SoundPlayerTest, ANewSoundCutsTheOnePlaying) {
    auto player = FakePlayer();
    player->Play(Tone(0.5), false);
    EXPECT_TRUE(player->IsPlaying());
    player->Play(Tone(0.2), false);
    EXPECT_EQ(log_, (QStringList{"start 500ms", "stop", "start 200ms"}));

    // A sound waited for ends its wait when another one cuts it off.
    player->Stop();
    log_.clear();
    QTimer::singleShot(100, [&] { player->Play(Tone(0.4), false); });
    const qint64 ms = Timed([&] { player->Play(Tone(1.0), true); });
    EXPECT_LT(ms, 900);
    EXPECT_TRUE(player->IsPlaying()) << "the sound that cut in keeps playing";
    EXPECT_EQ(log_, (QStringList{"start 1000ms", "stop", "start 400ms"}));

    // Even a request that plays nothing silences the channel.
    player->Play(dir_.filePath(QStringLiteral("missing.wav")), false);
    EXPECT_FALSE(player->IsPlaying());
}

TEST_F(SoundPlayerTest, NoDeviceMeansSilenceWithoutWaiting) {
    auto player = FakePlayer(false);
    EXPECT_LT(Timed([&] { player->Play(Tone(0.5), true); }), AtOnceMs);
    EXPECT_FALSE(player->IsPlaying());
}

TEST_F(SoundPlayerTest, TheMachinesOwnDeviceNeverHangsOrCrashes) {
    // Plays where there is an audio device, stays silent where there is none.
    SoundPlayer player;
    const QString tone = Tone(0.2);
    const qint64 ms = Timed([&] { player.Play(tone, true); });
    EXPECT_LT(ms, 200 + 1000 + 1500);
    EXPECT_FALSE(player.IsPlaying());
    player.Play(tone, false);
    player.Play(tone, false);
    player.Stop();
    EXPECT_FALSE(player.IsPlaying());
}
