#pragma once
// What the computer player needs beyond the engine's own ports: a few board-window services, the
// remote seat's turn of an internet game, and a clock with a one-shot timer for the impatience
// reaction. The board window implements them; tests and the match runner fake them.

#include "engine/BoardControls.h"
#include "engine/NeighbourPorts.h"
#include "engine/SeatRecord.h"
#include "engine/ServicePorts.h"

#include <functional>

namespace zarle {

class BoardPort;

class TurnWindowPort {
  public:
    virtual ~TurnWindowPort() = default;
    // The seat's name, plays and wild counts in the status bar.
    virtual void StatusBar_PlayerCounts(const SeatRecord& rec) = 0;
    // A Game menu command by its entry index (0 New).
    virtual void MenuGame(int index) = 0;
    // The short warning sound of the platform.
    virtual void Beep() = 0;
    // Width and height of a picture control, in pixels.
    virtual void SetPictureSize(ControlId control, int width, int height) = 0;
};

// A seat played by a person over the network.
class RemoteSeatPort {
  public:
    virtual ~RemoteSeatPort() = default;
    // Replays the remote seat's moves as they arrive and ends its turn.
    virtual void Opponent() = 0;
    // The host's socket index of the last connection (1..3) whose seat number is `netSeat`
    // (the board seat less one); 0 when none is.
    virtual int SocketIndexOfSeat(int netSeat) = 0;
};

class TimerPort {
  public:
    virtual ~TimerPort() = default;
    // Seconds since midnight, read anew at every call.
    virtual double Now() = 0;
    // Calls onTimeout once after the given seconds, from the event loop; replaces a pending call.
    virtual void StartOneShot(double seconds, std::function<void()> onTimeout) = 0;
    virtual void StopOneShot() = 0;
};

struct OpponentsPorts {
    BoardPort& Board;
    SoundPort& Sound;
    WaitPort& Waiter;
    RandomPort& Random;
    PersistencePort& Persistence;
    NetworkPort& Net;
    TurnWindowPort& Window;
    TimerPort& Timer;
    // Absent until internet play is wired in; a remote seat then ends the opponents' turn loop.
    RemoteSeatPort* Remote = nullptr;
};

} // namespace zarle
