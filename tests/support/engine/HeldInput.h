#pragma once
// The board's input gate as the tests' instant waits model it: the player's input is handled at
// once, or, while the engine holds it, at the first wait or event dispatch after the last hold, in
// the order it came.

#include <deque>
#include <functional>
#include <utility>

namespace zarle::testing {

class HeldInput {
  public:
    void Hold() { ++holds_; }
    void Release() {
        if (holds_ > 0) --holds_;
    }
    bool Holding() const { return holds_ > 0; }

    void Input(std::function<void()> handler) {
        if (holds_ > 0 || !held_.empty())
            held_.push_back(std::move(handler));
        else
            handler();
    }

    // What the event loop does whenever it runs: the held input goes on once no hold is left.
    void HandOn() {
        while (holds_ == 0 && !held_.empty()) {
            std::function<void()> next = std::move(held_.front());
            held_.pop_front();
            next();
        }
    }

  private:
    int holds_ = 0;
    std::deque<std::function<void()>> held_;
};

} // namespace zarle::testing
