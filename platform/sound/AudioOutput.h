#pragma once
// Where the sound player's samples go: the machine's audio device, or a stand-in in tests.

#include <functional>
#include <memory>

namespace zarle {

struct PcmSound;

class AudioOutput {
  public:
    virtual ~AudioOutput() = default;
    // Starts the sound. False when there is no device or it cannot take the sound; then
    // nothing plays. `ended` runs once, later, when the sound has played out (at most a
    // second after its length, whatever the device does); never when it is stopped.
    virtual bool Start(const PcmSound& sound, std::function<void()> ended) = 0;
    // Silences the sound playing now, if any.
    virtual void Stop() = 0;
    // Opens the way to the device ahead of the first sound, so that it starts at once.
    virtual void Prepare() {}
};

// The default audio device of the machine, looked up anew for every sound.
std::unique_ptr<AudioOutput> MakeDeviceAudioOutput();

} // namespace zarle
