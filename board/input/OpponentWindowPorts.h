#pragma once
// What the computer player asks of the board window beyond the engine's ports: the opponent's
// status panels, a Game menu command, the warning beep, a picture's size, and the clock with a
// one-shot timer for its wait for the human.

#include "board/BoardPresenter.h"
#include "opponents/OpponentsPorts.h"

#include <QTimer>

#include <functional>

namespace zarle {

class OpponentWindowPorts : public TurnWindowPort, public TimerPort {
  public:
    OpponentWindowPorts(GameState& game, BoardPresenter& board);

    // The Game menu's commands (the turn's queued New, the setup's new game).
    void SetMenuGame(std::function<void(int)> menuGame) { menuGame_ = std::move(menuGame); }

    void StatusBar_PlayerCounts(const SeatRecord& rec) override;
    void MenuGame(int index) override;
    void Beep() override;
    void SetPictureSize(ControlId control, int width, int height) override;

    double Now() override;
    void StartOneShot(double seconds, std::function<void()> onTimeout) override;
    void StopOneShot() override;

  private:
    GameState& game_;
    BoardPresenter& board_;
    QTimer timer_;
    std::function<void()> onTimeout_;
    std::function<void(int)> menuGame_;
};

} // namespace zarle
