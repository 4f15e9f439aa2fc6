#pragma once
// The game state, the engine and the computer player behind recording fakes, with helpers that
// lay out a hand-made position card by card (each card a real card of the deck, used once).

#include "opponents/ComputerPlayer.h"
#include "engine/Engine.h"
#include "tests/support/engine/FakeBoard.h"
#include "tests/support/engine/FakeNeighbours.h"
#include "tests/support/engine/FakeServices.h"
#include "engine/GameState.h"
#include "opponents/OpponentsPorts.h"
#include "tests/support/engine/Transcript.h"

#include <functional>
#include <string>
#include <vector>

namespace zarle::testing {

class FakeWindow : public TurnWindowPort {
  public:
    explicit FakeWindow(Transcript& transcript) : t_(transcript) {}
    void StatusBar_PlayerCounts(const SeatRecord& rec) override { t_.Add("StatusBar " + rec.Name); }
    void MenuGame(int index) override {
        t_.Add("MenuGame " + std::to_string(index));
        if (OnMenuGame) OnMenuGame();
    }
    void Beep() override { t_.Add("Beep"); }
    void SetPictureSize(ControlId, int width, int height) override {
        t_.Add("PictureSize " + std::to_string(width) + "x" + std::to_string(height));
    }
    // Runs when a Game menu command is given.
    std::function<void()> OnMenuGame;

  private:
    Transcript& t_;
};

// A clock that moves only when the test says so, and the one-shot timer that runs on it.
class FakeTimer : public TimerPort {
  public:
    double Clock = 36000; // ten in the morning
    double Now() override { return Clock; }
    void StartOneShot(double seconds, std::function<void()> onTimeout) override {
        due_ = Clock + seconds;
        pending_ = std::move(onTimeout);
    }
    void StopOneShot() override { pending_ = nullptr; }
    bool Pending() const { return pending_ != nullptr; }
    // Moves the clock on and runs the timer when it falls due.
    void Advance(double seconds) {
        Clock += seconds;
        if (!pending_ || Clock < due_) return;
        auto fire = std::move(pending_);
        pending_ = nullptr;
        fire();
    }

  private:
    double due_ = 0;
    std::function<void()> pending_;
};

// A remote seat that records its turns and plays nothing.
class FakeRemote : public RemoteSeatPort {
  public:
    explicit FakeRemote(Transcript& transcript) : t_(transcript) {}
    void Opponent() override { t_.Add("Opponent"); }
    int SocketIndexOfSeat(int netSeat) override { return netSeat + 1; }

  private:
    Transcript& t_;
};

struct OpponentsTable {
    explicit OpponentsTable(int players = 2);

    GameState State;
    Transcript Log;
    FakeBoard Board{Log};
    FakeSound Sound{Log};
    FakeWaiter Waiter{Log};
    FakeMessageBox Box{Log};
    FakeRandom Random;
    FakePersistence Persistence{Log};
    FakeNetwork Net{Log, State};
    FakeWindow Window{Log};
    FakeTimer Timer;
    FakeRemote Remote{Log};
    ComputerPlayer Opponents;
    Engine Game;

    // A card of that value that is not yet on the table.
    CardRec Card(int value);
    void Centers(const std::vector<int>& counts);
    // Piles are listed bottom first: side {12, 5} has the 5 on top.
    void Human(const std::vector<int>& side, const std::vector<int>& hand = {},
               const std::vector<int>& holdTops = {});
    void Seat(int seat, const std::vector<int>& side, const std::vector<int>& hand,
              const std::vector<std::vector<int>>& holds = {});
    // Every card not yet laid out goes into the stock.
    void FillStock();
    // The seat moves next, its hand already dealt; the human follows.
    void StartTurnOf(int seat);
    // "slot>center" for each card an opponent seat moved onto a center, in order.
    std::vector<std::string> Moves() const;
    // The comment lines of every seat and of the working copy read "line <k>".
    void NumberedComments();
    // The captions given to a message line, in order.
    std::vector<std::string> Line(int line) const;

  private:
    std::vector<bool> used_;
};

} // namespace zarle::testing
