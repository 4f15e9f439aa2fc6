#include "network/session/ChatAllowance.h"

#include <algorithm>

namespace zarle {

void ChatAllowance::Reset(int burst, int perSecond, Clock::time_point now) {
    burst_ = burst;
    perSecond_ = perSecond;
    left_ = burst;
    last_ = now;
    told_ = false;
}

ChatAllowance::Verdict ChatAllowance::Next(Clock::time_point now) {
    const double seconds = std::chrono::duration<double>(now - last_).count();
    last_ = now;
    left_ = std::min(burst_, left_ + std::max(0.0, seconds) * perSecond_);
    // A peer that has been quiet long enough to send a whole burst again has ended its flood.
    if (left_ >= burst_) told_ = false;
    if (left_ >= 1) {
        left_ -= 1;
        return Verdict::Take;
    }
    if (told_) return Verdict::Drop;
    told_ = true;
    return Verdict::DropAndTell;
}

} // namespace zarle
