#pragma once
// The engine's pauses, message boxes and random numbers on the platform.

#include "engine/GameState.h"
#include "engine/ServicePorts.h"

#include <cstdint>

namespace zarle {

// Waits keep the window live; they end early when the program is closing, and hold mouse and
// keys back while a computer seat's card is in flight.
class BoardWaiter : public WaitPort {
  public:
    explicit BoardWaiter(const GameState& game) : game_(game) {}
    // Dispatching happens whatever the flags say: only waits and holds keep input back.
    void Wait(float seconds) override;
    void DoEvents() override;
    void HoldInput() override;
    void ReleaseInput() override;

  private:
    const GameState& game_;
};

class BoardMessageBox : public MessageBoxPort {
  public:
    int MsgBox(std::string_view text, int style, std::string_view title) override;
    std::string InputBox(std::string_view prompt, std::string_view title) override;
};

// The whole program's one generator, seeded once from the clock.
uint32_t ClockSeed();

} // namespace zarle
