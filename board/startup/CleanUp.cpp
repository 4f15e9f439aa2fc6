#include "startup/CleanUp.h"

#include "SoundEffects.h"
#include "SoundFiles.h"
#include "startup/GameFonts.h"

#include <QApplication>
#include <QWidget>

namespace zarle {

void CleanUpSounds(const GameState& game, SoundPort& sound) {
    if (game.SoundLevel == AllSounds) sound.PlayFile(game.Sounds[ExitSoundIndex], SoundPlay::Async);
    DeleteTemporarySoundFiles(game.AppPath);
}

void CleanUpFontsAndForms(const GameState& game, const QWidget& board) {
    RemoveGameFonts(game.AppPath);
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window != &board && window->isVisible()) window->close();
}

} // namespace zarle
