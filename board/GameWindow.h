#pragma once
// The board window with everything behind it on one game state: the card banks, the window's
// widgets and logic, sounds, waits, message boxes, random numbers and the engine, with the
// neighbouring subsystems standing idle until they are wired in. Tests and tools can put in
// their own sounds, waits and boxes.

#include "BoardPresenter.h"
#include "BoardServices.h"
#include "BoardSound.h"
#include "CardPictureBank.h"
#include "Engine.h"
#include "StandInNeighbours.h"
#include "StartUpLayout.h"

#include <memory>

namespace zarle {

struct GameWindowServices {
    SoundPort* Sound = nullptr; // null: the program's sound channel
    WaitPort* Waiter = nullptr; // null: waits that keep the window live
    MessageBoxPort* Box = nullptr;
};

class GameWindow {
  public:
    explicit GameWindow(GameState& game, GameWindowServices services = {});
    ~GameWindow();
    GameWindow(const GameWindow&) = delete;
    GameWindow& operator=(const GameWindow&) = delete;

    GameState& Game() { return game_; }
    BoardPresenter& Board() { return board_; }
    BoardSurface& Surface() { return *surface_; }
    QWidget& Window() { return surface_->Widget(); }
    CardPictureBank& Pictures() { return pictures_; }

    // Lays the board out as start-up does, for the game state's counts and settings.
    void LayOut(const BoardScreen& screen) { LayOutBoard(board_, game_, screen); }
    // A new game: the board cleared, the deck shuffled, the side piles and hands dealt.
    void Deal();

  private:
    GameState& game_;
    CardPictureBank pictures_;
    std::unique_ptr<BoardSurface> surface_;
    ChannelOutput channel_;
    BoardSound sound_;
    BoardWaiter waiter_;
    BoardMessageBox box_;
    ClockRandom random_;
    IdleOpponents opponents_;
    NoPersistence persistence_;
    NoNetwork net_;
    BoardPresenter board_;
    Engine engine_;
};

} // namespace zarle
