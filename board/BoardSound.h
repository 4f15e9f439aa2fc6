#pragma once
// The engine's sounds on the program's one sound channel: the sound resources' temporary files,
// the skin's card sounds and sound files, at the game's sound level.

#include "engine/GameState.h"
#include "base/records/ProfileState.h"
#include "engine/ServicePorts.h"
#include "rendering/sound/SoundOutput.h"

namespace zarle {

// The platform's sound player as the sound effects' output.
class ChannelOutput : public SoundOutput {
  public:
    void PlayFile(const std::string& path, bool untilEnd) override;
    // Readies the sound device for the first sound.
    void Prepare();
};

class BoardSound : public SoundPort {
  public:
    BoardSound(const GameState& game, const ProfileState& profile, SoundOutput& output)
        : game_(game), profile_(profile), out_(output) {}

    void PlayResource(int id, SoundPlay how) override;
    void PlayFile(std::string_view path, SoundPlay how) override;
    void PlayCardSound(int effect) override;
    void PlayFileAtAnyLevel(std::string_view path, SoundPlay how) override;

  private:
    const GameState& game_;
    const ProfileState& profile_;
    SoundOutput& out_;
};

} // namespace zarle
