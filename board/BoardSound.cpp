#include "board/BoardSound.h"

#include "rendering/sound/SoundEffects.h"
#include "platform/sound/SoundPlayer.h"

namespace zarle {

namespace {

SoundSettings SettingsOf(const GameState& game, const ProfileState& profile) {
    return SoundSettings{game.AppPath, game.SoundLevel, profile.BackgroundIdx};
}

} // namespace

void ChannelOutput::PlayFile(const std::string& path, bool untilEnd) {
    ProgramSound().Play(QString::fromStdString(path), untilEnd);
}

void ChannelOutput::Prepare() {
    ProgramSound().Prepare();
}

void BoardSound::PlayResource(int id, SoundPlay how) {
    PlayResourceSound(out_, SettingsOf(game_, profile_), id, how == SoundPlay::ToEnd);
}

void BoardSound::PlayFile(std::string_view path, SoundPlay how) {
    PlaySoundFile(out_, SettingsOf(game_, profile_), std::string(path), how == SoundPlay::ToEnd);
}

void BoardSound::PlayFileAtAnyLevel(std::string_view path, SoundPlay how) {
    PlaySoundFileAtAnyLevel(out_, std::string(path), how == SoundPlay::ToEnd);
}

void BoardSound::PlayCardSound(int effect) {
    zarle::PlayCardSound(out_, SettingsOf(game_, profile_), effect);
}

} // namespace zarle
