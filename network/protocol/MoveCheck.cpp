#include "network/protocol/MoveCheck.h"

namespace zarle {

namespace {

constexpr int HandFirst = 2, HandLast = 6, HoldFirst = 7, HandMoveBase = 10;

bool InHand(int slot) {
    return slot >= HandFirst && slot <= HandLast;
}

bool FitsCenter(const GameState& s, int value, int center) {
    const int count = s.CenterCount[center];
    if (count >= CenterFull) return false;
    if (value == WildValue) return !(count == 0 && s.NoWildAce);
    return value == count + 1;
}

} // namespace

std::optional<RemoteMove> CheckRemoteMove(const GameState& s, int from, int to) {
    if (from < 1 || from > SlotCount || s.WorkSlots[from].Value == 0) return std::nullopt;
    const int value = s.WorkSlots[from].Value;
    if (to >= 1 && to <= s.NumCenters) {
        if (!FitsCenter(s, value, to)) return std::nullopt;
        return RemoteMove{MoveKind::Center, from, to};
    }
    if (to >= HoldFirst && to <= SlotCount) {
        // Every side keeps hold piles to the same depth, so no side refuses what another took.
        if (!InHand(from) || s.WorkHoldInfo[to - 6][1] >= HoldDepth) return std::nullopt;
        return RemoteMove{MoveKind::Discard, from, to};
    }
    if (InHand(from) && InHand(to - HandMoveBase))
        return RemoteMove{MoveKind::HandMove, from, to - HandMoveBase};
    return std::nullopt;
}

} // namespace zarle
