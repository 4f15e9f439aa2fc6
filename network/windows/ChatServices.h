#pragma once
// What the chat's sending and receiving sides work with.

#include "network/windows/ChatBoardPort.h"
#include "network/windows/ChatLink.h"
#include "network/windows/ChatLog.h"
#include "engine/GameState.h"
#include "engine/ServicePorts.h"

namespace zarle {

// The program's own sounds the chat plays.
inline constexpr int PeekSound = 105;
inline constexpr int SystemLineSound = 108;
inline constexpr int ChatLineSound = 110;

struct ChatServices {
    GameState& Game;
    ChatLink& Link;
    ChatLog& Log;
    ChatBoardPort& Board;
    SoundPort& Sound;
    WaitPort& Waits;
    MessageBoxPort& Box;
};

// " 5", "-3": a number as the chat's counters are written.
std::string ChatCounter(int16_t n);

} // namespace zarle
