#pragma once
// The sound effects of the board: the sound resources, the card sounds of the two skins, the personality's
// sounds, the sound-level announcement and the clean-up at exit.
//
// Sound levels: at 2 ("No Sound") nothing plays but the few sounds that answer the player's own
// act (PlaySoundFileAtAnyLevel); at 1 ("Some Sound") the personalities'
// sounds are left out; at 0 everything plays. A file that is missing or cannot be read plays
// nothing, not even the platform's error beep.

#include "rendering/sound/SoundOutput.h"

#include <array>
#include <cstdint>
#include <string>

namespace zarle {

inline constexpr int16_t AllSounds = 0;
inline constexpr int16_t FewerSounds = 1;
inline constexpr int16_t NoSounds = 2;

// The game-state values the effects depend on.
struct SoundSettings {
    std::string AppPath; // the program folder
    int16_t SoundLevel = AllSounds;
    int16_t BackgroundIdx = 0; // the skin: 1 picks the metallic card sounds, else the wooden ones
};

// The working personality's `Sounds(0..15)`: full paths of its sound files (0 is not a sound).
using PersonalitySounds = std::array<std::string, 16>;
inline constexpr int ExitSoundIndex = 2;
inline constexpr int CheerSoundIndex = 13;

// Plays the temporary copy of sound resource `id` (105..123), unless sounds are off.
void PlayResourceSound(SoundOutput& out, const SoundSettings& s, int id, bool untilEnd = false);

// Card effect 1..5 of the skin's card-sound set, unless sounds are off; other effects play nothing.
void PlayCardSound(SoundOutput& out, const SoundSettings& s, int effect);

// A sound file of the program folder (the slap, the intro, a chat sound), unless sounds are off.
void PlaySoundFile(SoundOutput& out, const SoundSettings& s, const std::string& path, bool untilEnd = false);

// A sound that answers the player's own act whatever the sound level (the slap on the avatar, the
// sound level's own announcement, the number keys).
void PlaySoundFileAtAnyLevel(SoundOutput& out, const std::string& path, bool untilEnd = false);

// A personality's or a reaction's sound: only with all sounds on.
void PlayPersonalitySound(SoundOutput& out, const SoundSettings& s, const std::string& path,
                          bool untilEnd = false);

// Announces a newly chosen sound level with the personality's voice: the cheer with all sounds
// on, then the sign-off at every level. Returns the line for the comment line `Label9(2)`.
std::string ChangeNoise(SoundOutput& out, const SoundSettings& s, const PersonalitySounds& sounds);

// At exit: the personality's goodbye (all sounds on only), then every `Data/*.tmp` and
// `Sounds/*.pmw` file is deleted.
void CleanUpSounds(SoundOutput& out, const SoundSettings& s, const PersonalitySounds& sounds);

} // namespace zarle
