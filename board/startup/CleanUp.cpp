#include "board/startup/CleanUp.h"

#include "rendering/sound/SoundEffects.h"
#include "board/startup/GameFonts.h"

#include <QApplication>
#include <QWidget>

namespace zarle {

namespace {

// The board's sound port as the sound effects' output, so that the goodbye goes where every other
// sound of the board goes (a test's recorder included).
class PortOutput : public SoundOutput {
  public:
    explicit PortOutput(SoundPort& port) : port_(port) {}
    void PlayFile(const std::string& path, bool untilEnd) override {
        port_.PlayFile(path, untilEnd ? SoundPlay::ToEnd : SoundPlay::Async);
    }

  private:
    SoundPort& port_;
};

} // namespace

void CleanUpSounds(const GameState& game, const ProfileState& profile, SoundPort& sound) {
    PortOutput out(sound);
    CleanUpSounds(out, SoundSettings{game.AppPath, game.SoundLevel, profile.BackgroundIdx}, game.Sounds);
}

void CleanUpFontsAndForms(const GameState& game, const QWidget& board) {
    RemoveGameFonts(game.AppPath);
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window != &board && window->isVisible()) window->close();
}

} // namespace zarle
