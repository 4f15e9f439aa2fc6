// The program's sounds as a person hears them: each sound resource and a personality's sound,
// played by the program's own player on a real sound server, arrive at the sink loud and about
// as long as the sound. The 11025 Hz and the 8-bit resources are among them.

#include "board/BoardSound.h"
#include "tests/board/sound/PulseServer.h"
#include "rendering/sound/SoundIds.h"
#include "rendering/sound/SoundSetUp.h"
#include "platform/sound/WavFile.h"
#include "platform/wait/Wait.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

namespace zarle::test {
namespace {

// The server starts before the application, so that every sound of the process goes to it.
class SoundServerAndApp : public ::testing::Environment {
  public:
    void SetUp() override {
        server_ = new PulseServer;
        app_ = new QApplication(argc_, argv_);
    }
    void TearDown() override {
        delete app_;
        delete server_;
    }
    static PulseServer& Server() { return *server_; }

  private:
    int argc_ = 1;
    char name_[20] = "heard_sound_tests";
    char* argv_[2] = {name_, nullptr};
    QApplication* app_ = nullptr;
    static inline PulseServer* server_ = nullptr;
};

[[maybe_unused]] const auto* const environment = ::testing::AddGlobalTestEnvironment(new SoundServerAndApp);

constexpr double Audible = 0.01;     // of full scale
constexpr double TailSeconds = 0.15; // the monitor's lag, recorded after each sound

double LengthOf(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return 0;
    const auto sound = DecodeWav(file.readAll());
    return sound ? sound->Seconds() : 0;
}

struct Heard {
    double peak = 0;
    double seconds = 0; // from the first audible sample to the last
};

Heard Listen(const std::vector<double>& samples) {
    Heard h;
    std::ptrdiff_t first = -1, last = -1;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        h.peak = std::max(h.peak, std::abs(samples[i]));
        if (std::abs(samples[i]) < Audible) continue;
        if (first < 0) first = std::ptrdiff_t(i);
        last = std::ptrdiff_t(i);
    }
    if (first >= 0) h.seconds = double(last - first + 1) / MonitorRecorder::Rate;
    return h;
}

TEST(HeardSound, EverySoundResourceAndAPersonalitySoundReachTheSink) {
    const PulseServer& server = SoundServerAndApp::Server();
    if (!server.Failure().isEmpty())
        GTEST_SKIP() << "No sound server to play to: " << server.Failure().toStdString();

    QTemporaryDir folder;
    QDir(folder.path()).mkpath(QStringLiteral("Data"));
    GameState game;
    ProfileState profile;
    game.AppPath = folder.path().toStdString();
    SetUpSounds(game.AppPath);
    ChannelOutput channel;
    BoardSound sound(game, profile, channel);

    struct Sound {
        QString name;
        QString path;
        std::function<void()> play;
    };
    std::vector<Sound> sounds;
    for (int id = FirstSoundId; id <= LastSoundId; ++id) {
        const QString path = QStringLiteral("%1/Data/~%2.tmp").arg(folder.path()).arg(id);
        sounds.push_back(
            {QString::number(id), path, [&sound, id] { sound.PlayResource(id, SoundPlay::ToEnd); }});
    }
    const QString voice = QStringLiteral(ZARLE_DEFAULT_FOLDER "/Sounds/QuenorYeah.wav");
    sounds.push_back(
        {voice, voice, [&sound, voice] { sound.PlayFile(voice.toStdString(), SoundPlay::ToEnd); }});

    MonitorRecorder recorder(server);
    ASSERT_TRUE(recorder.WaitUntilRecording()) << "parec recorded nothing";
    for (const Sound& s : sounds) {
        SCOPED_TRACE(s.name.toStdString());
        const double length = LengthOf(s.path);
        ASSERT_GT(length, 0) << "not a sound file";
        const qsizetype from = recorder.Count();
        s.play();
        Wait(TailSeconds);
        const Heard heard = Listen(recorder.Slice(from, recorder.Count()));
        EXPECT_GT(heard.peak, 0.1) << "silent or nearly";
        EXPECT_GE(heard.seconds, 0.5 * length - 0.005);
        EXPECT_LE(heard.seconds, length + 0.05);
    }
}

} // namespace
} // namespace zarle::test
