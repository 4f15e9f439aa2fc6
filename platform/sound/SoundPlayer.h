#pragma once
// The one sound channel of the program. Playing a sound cuts off the one playing; a file
// that is missing, unreadable or not a sound plays nothing at all, not even a beep, and
// so does a machine without an audio device.

#include "platform/sound/AudioOutput.h"

#include <QByteArray>
#include <QString>

#include <memory>

namespace zarle {

// The game's sounds last under three seconds. A file past four megabytes (twenty seconds of
// CD-quality stereo) or a sound longer than twenty seconds plays nothing: brought to the device's
// rate, a sound takes several copies of its length in memory, and a wait for its end holds the game.
inline constexpr qint64 LargestSoundFile = 4 * 1024 * 1024;
inline constexpr int LongestSoundSeconds = 20;

class SoundPlayer {
  public:
    explicit SoundPlayer(std::unique_ptr<AudioOutput> output = MakeDeviceAudioOutput());
    ~SoundPlayer();
    SoundPlayer(const SoundPlayer&) = delete;
    SoundPlayer& operator=(const SoundPlayer&) = delete;

    // Plays a WAVE file. With `untilEnd` it returns when the sound is over (played out,
    // cut off by another sound, or stopped), keeping the windows live meanwhile; without,
    // at once.
    void Play(const QString& path, bool untilEnd);
    // The same for a sound held in memory (a resource).
    void PlayBytes(const QByteArray& wave, bool untilEnd);
    void Stop();
    bool IsPlaying() const { return playing_; }
    // Readies the device for the first sound, which then starts as fast as every later one.
    void Prepare() { output_->Prepare(); }

  private:
    std::unique_ptr<AudioOutput> output_;
    // Counts the sounds started, so that a wait knows whether its own sound is still on.
    unsigned long long started_ = 0;
    bool playing_ = false;
};

// The program's channel, made on first use.
SoundPlayer& ProgramSound();

} // namespace zarle
