#pragma once
// The window's and the timer's ports for a side without a window: nothing to show, no time.

#include "opponents/OpponentsPorts.h"

namespace zarle::testing {

class QuietWindow : public TurnWindowPort {
  public:
    void StatusBar_PlayerCounts(const SeatRecord&) override {}
    void MenuGame(int) override {}
    void Beep() override {}
    void SetPictureSize(ControlId, int, int) override {}
};

class QuietTimer : public TimerPort {
  public:
    double Now() override { return 0; }
    void StartOneShot(double, std::function<void()>) override {}
    void StopOneShot() override {}
};

} // namespace zarle::testing
