#include "platform/sound/SoundPlayer.h"

#include "platform/files/FileHead.h"
#include "platform/sound/WavFile.h"
#include "platform/wait/Wait.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace zarle {

namespace {

// An output that never reports the end must not hold the game: the wait gives up this long
// after the sound should have ended.
constexpr double EndGraceSeconds = 1.5;

} // namespace

SoundPlayer::SoundPlayer(std::unique_ptr<AudioOutput> output) : output_(std::move(output)) {}

SoundPlayer::~SoundPlayer() {
    Stop();
}

void SoundPlayer::Play(const QString& path, bool untilEnd) {
    // A file too large is not read at all; one that grows meanwhile is read no further.
    const auto head =
        QFileInfo(path).size() > LargestSoundFile ? std::nullopt : ReadFileHead(path, LargestSoundFile);
    if (!head || head->Cut) {
        Stop();
        return;
    }
    PlayBytes(head->Bytes, untilEnd);
}

void SoundPlayer::PlayBytes(const QByteArray& wave, bool untilEnd) {
    Stop();
    const std::optional<PcmSound> sound = DecodeWav(wave);
    if (!sound || sound->FrameCount() == 0 || sound->Seconds() > LongestSoundSeconds) return;
    const unsigned long long mine = ++started_;
    playing_ = output_->Start(*sound, [this, mine] {
        if (mine == started_) playing_ = false;
    });
    if (!playing_ || !untilEnd) return;
    Wait(sound->Seconds() + EndGraceSeconds, {[this, mine] { return mine != started_ || !playing_; }, {}});
    if (mine == started_ && playing_) Stop();
}

void SoundPlayer::Stop() {
    ++started_;
    playing_ = false;
    output_->Stop();
}

SoundPlayer& ProgramSound() {
    static SoundPlayer* player = nullptr;
    if (!player) {
        player = new SoundPlayer;
        // Silenced and gone while the application still exists, not after it.
        qAddPostRoutine([] {
            delete player;
            player = nullptr;
        });
    }
    return *player;
}

} // namespace zarle
