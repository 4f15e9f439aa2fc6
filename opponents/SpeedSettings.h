#pragma once
// The two paces the speed dialog sets: the computer's pause after each action by speed level, and
// the steps of a card flight by the animation scroll bar's position. Applying a stored profile at
// start-up uses a table of its own for the pause (the preferences code keeps it).

#include <array>
#include <cstdint>
#include <string_view>

namespace zarle {

inline constexpr std::array<std::string_view, 6> SpeedLevelNames{"coma",   "turtle", "human",
                                                                 "rabbit", "blink",  "light"};
// Seconds the computer pauses after each action, by speed level 0..5.
inline constexpr std::array<float, 6> SpeedDialogDelays{0.7f, 0.5f, 0.3f, 0.2f, 0.05f, 0.02f};
// Steps of a card flight by scroll bar position 0..10: the fewer, the faster.
inline constexpr std::array<int16_t, 11> AnimSpeedSteps{2, 10, 20, 45, 70, 95, 120, 150, 180, 220, 250};
// What the dialog makes of an animation speed that was never set.
inline constexpr int16_t UnsetAnimSpeedBecomes = 45;

// The scroll bar position of an animation speed, -1 when the table does not hold it.
constexpr int AnimSpeedPosition(int16_t animSpeed) {
    for (int i = 0; i < static_cast<int>(AnimSpeedSteps.size()); ++i)
        if (AnimSpeedSteps[i] == animSpeed) return i;
    return -1;
}

} // namespace zarle
