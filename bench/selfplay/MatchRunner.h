#pragma once
// Whole games between the greedy human of seat 1 and computer seats, with no waits, flights or
// window, checking after every turn that every card lies exactly once.

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace zarle {
struct GameState;
}

namespace zarle::selfplay {

struct MatchSettings {
    int Games = 100;
    int Players = 2;
    std::array<int, 3> Levels{2, 2, 2}; // seats 2..4
    uint64_t Seed = 1;
    int SideSize = 20;
    int ForcedMask = 0;
    bool NoWildAce = false;
    // The same games played this many times; each computer turn counts with its shortest time,
    // so that time other programs took from this one is not charged to the planner.
    int Repeats = 1;
    // Called as each of the human's turns starts, when the game writes its turn-start copy.
    std::function<void(const GameState&)> OnHumanTurn;
};

struct MatchResult {
    int Games = 0;
    long long Turns = 0; // every seat's turns, the human's included
    // Each computer turn's processor time, in the order played.
    std::vector<long long> ComputerTurnNs;
    std::array<int, 5> Wins{}; // by seat
    int Stalemates = 0;        // games given up for want of cards
    int Unfinished = 0;        // games stopped at the turn limit
    double Seconds = 0;        // the quickest of the repeats
    std::string Problem;       // the first broken invariant, "" when none
};

MatchResult RunMatch(const MatchSettings& settings);

// The time within which the given share (0..1] of the computer turns stayed, in nanoseconds:
// 1 gives the longest turn.
long long ComputerTurnNsWithin(const MatchResult& result, double share);

} // namespace zarle::selfplay
