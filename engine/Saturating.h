#pragma once
// Running counters kept in 16 bits stop at the ends of their range instead of wrapping.

#include <algorithm>
#include <cstdint>

namespace zarle {

constexpr int16_t Saturate16(long long value) {
    return static_cast<int16_t>(std::clamp<long long>(value, INT16_MIN, INT16_MAX));
}

constexpr void AddSaturating(int16_t& counter, long long amount) {
    counter = Saturate16(counter + amount);
}

} // namespace zarle
