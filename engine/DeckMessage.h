#pragma once
// The "DK" message that carries a shuffled stock from the host to the remote sides: each number
// written with a leading blank (when not negative) and closed by "#". Older peers get the values
// as well as (or, version "40", instead of) the ids; the deal adds the rule settings.

#include "engine/GameState.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zarle {

struct DeckNumbers {
    std::vector<CardRec> Cards; // stock positions 1..count, in order
    bool HasRules = false;
    int16_t SideSizeM1 = 0;
    int16_t ForcedMask = 0;
    bool NoWildAce = false;
    bool HasShuffleApart = false;
    bool ShuffleApart = false;
};

// The whole message, tag included, for Deck positions 1..count as the peer's version reads it.
std::string DeckMessage(const GameState& s, int count, bool withRules);

// Reads the text after the tag. Nothing is accepted unless it adds up: the count of numbers, ids
// 1..deckSize each at most once, values 1..13 that match their ids, rule values in range.
std::optional<DeckNumbers> ParseDeckMessage(std::string_view text, std::string_view peerVersion, int count,
                                            bool withRules, int deckSize);

// The numbers of a "#"-separated list: the leading number, then the number after each "#"
// (a blank piece after the last "#" closes the list). Nothing when a piece is not a whole number
// of 16 bits.
std::optional<std::vector<int16_t>> HashSeparatedNumbers(std::string_view text);

} // namespace zarle
