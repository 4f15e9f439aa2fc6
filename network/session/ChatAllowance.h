#pragma once
// How many chat lines one peer may send: a burst at once, then a steady number a second. The lines
// beyond are dropped, so that a flood never holds the window up; the first one dropped of a flood
// is to be told once.

#include <chrono>

namespace zarle {

class ChatAllowance {
  public:
    using Clock = std::chrono::steady_clock;
    enum class Verdict { Take, Drop, DropAndTell };

    void Reset(int burst, int perSecond, Clock::time_point now);
    Verdict Next(Clock::time_point now);

  private:
    double burst_ = 0;
    double perSecond_ = 0;
    double left_ = 0;
    Clock::time_point last_{};
    bool told_ = false;
};

} // namespace zarle
