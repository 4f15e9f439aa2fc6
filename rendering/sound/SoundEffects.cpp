#include "rendering/sound/SoundEffects.h"

#include "rendering/sound/SoundFiles.h"
#include "rendering/sound/SoundIds.h"

namespace zarle {

namespace {

void PlayIfPresent(SoundOutput& out, const std::string& path, bool untilEnd) {
    if (IsPlayableFile(path)) out.PlayFile(path, untilEnd);
}

// A corrupt level from a settings file counts as silence rather than as "all sounds".
bool EffectsOn(const SoundSettings& s) {
    return s.SoundLevel == AllSounds || s.SoundLevel == FewerSounds;
}

} // namespace

void PlayResourceSound(SoundOutput& out, const SoundSettings& s, int id, bool untilEnd) {
    if (EffectsOn(s) && id >= FirstSoundId && id <= LastSoundId)
        PlayIfPresent(out, SoundTempPath(s.AppPath, id), untilEnd);
}

void PlayCardSound(SoundOutput& out, const SoundSettings& s, int effect) {
    const int id = CardSoundId(effect, s.BackgroundIdx);
    if (id != 0) PlayResourceSound(out, s, id);
}

void PlaySoundFile(SoundOutput& out, const SoundSettings& s, const std::string& path, bool untilEnd) {
    if (EffectsOn(s)) PlayIfPresent(out, path, untilEnd);
}

void PlaySoundFileAtAnyLevel(SoundOutput& out, const std::string& path, bool untilEnd) {
    PlayIfPresent(out, path, untilEnd);
}

void PlayPersonalitySound(SoundOutput& out, const SoundSettings& s, const std::string& path, bool untilEnd) {
    if (s.SoundLevel == AllSounds) PlayIfPresent(out, path, untilEnd);
}

std::string ChangeNoise(SoundOutput& out, const SoundSettings& s, const PersonalitySounds& sounds) {
    std::string line;
    switch (s.SoundLevel) {
    case AllSounds:
        line = "YEAH!";
        // Played to its end, or the sign-off that follows would cut it off unheard.
        PlayPersonalitySound(out, s, sounds[CheerSoundIndex], true);
        break;
    case FewerSounds: line = "Let's hold it down a little guys!"; break;
    case NoSounds: line = "Ahhh... the sounds of silence..."; break;
    default: break;
    }
    // The sign-off answers the player's own choice, so it is heard at every level, "No Sound" too.
    PlaySoundFileAtAnyLevel(out, sounds[ExitSoundIndex]);
    return line;
}

void CleanUpSounds(SoundOutput& out, const SoundSettings& s, const PersonalitySounds& sounds) {
    // To its end: the program is about to close, which would cut an asynchronous sound off.
    PlayPersonalitySound(out, s, sounds[ExitSoundIndex], true);
    DeleteTemporarySoundFiles(s.AppPath);
}

} // namespace zarle
