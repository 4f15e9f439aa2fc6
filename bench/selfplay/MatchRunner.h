#pragma once
// Whole games between the greedy human of seat 1 and computer seats, with no waits, flights or
// window, checking after every turn that every card lies exactly once.

#include <array>
#include <cstdint>
#include <string>

namespace zarle::selfplay {

struct MatchSettings {
    int Games = 100;
    int Players = 2;
    std::array<int, 3> Levels{2, 2, 2}; // seats 2..4
    uint64_t Seed = 1;
    int SideSize = 20;
    int ForcedMask = 0;
    bool NoWildAce = false;
};

struct MatchResult {
    int Games = 0;
    long long Turns = 0; // every seat's turns, the human's included
    long long LongestComputerTurnNs = 0;
    // Computer turns by their length in whole microseconds; the last entry counts every longer one.
    std::array<long long, 2001> TurnMicrosHistogram{};
    std::array<int, 5> Wins{}; // by seat
    int Stalemates = 0;        // games given up for want of cards
    int Unfinished = 0;        // games stopped at the turn limit
    double Seconds = 0;
    std::string Problem; // the first broken invariant, "" when none
};

MatchResult RunMatch(const MatchSettings& settings);

// The length in microseconds within which the given share (0..1) of the computer turns stayed.
long long TurnMicrosWithin(const MatchResult& result, double share);

} // namespace zarle::selfplay
