// The deck message from a peer of any version: the parser always answers; a deck it accepts holds
// the asked number of distinct cards of the deck, and the host's own message for that deck reads
// back to the same cards and rules.

#include "engine/DeckMessage.h"
#include "engine/GameState.h"

#include <array>
#include <cstdlib>
#include <string_view>

namespace {

void Check(bool holds) {
    if (!holds) std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace zarle;
    if (size < 2) return 0;
    constexpr std::array<std::string_view, 5> Versions{"40", "51", "74", "75", "82"};
    const int players = 2 + data[1] % 3;
    const int deckSize = players * PackSize;
    const int count = data[0] % (deckSize + 1);
    const bool withRules = data[1] & 4;
    const std::string_view version = Versions[(data[1] >> 3) % Versions.size()];
    const std::string_view text(reinterpret_cast<const char*>(data + 2), size - 2);

    const auto deck = ParseDeckMessage(text, version, count, withRules, deckSize);
    if (!deck) return 0;
    Check(deck->Cards.size() == size_t(count));
    for (const CardRec& card : deck->Cards) Check(card.Value >= 0 && card.Value <= 13);

    GameState s;
    s.PeerVersion = std::string(version);
    for (int i = 1; i <= count; ++i) s.Deck.SetCard(i, deck->Cards[size_t(i - 1)]);
    s.SideSizeM1 = deck->HasRules ? deck->SideSizeM1 : int16_t{19};
    s.ForcedMask = deck->ForcedMask;
    s.NoWildAce = deck->NoWildAce;
    s.ShuffleApart = deck->ShuffleApart;
    const std::string message = DeckMessage(s, count, withRules);
    Check(message.starts_with("DK "));
    const auto again = ParseDeckMessage(std::string_view(message).substr(3), version, count, withRules, deckSize);
    Check(again.has_value());
    Check(again->Cards == deck->Cards);
    Check(again->HasRules == deck->HasRules);
    if (deck->HasRules) {
        Check(again->SideSizeM1 == deck->SideSizeM1 && again->ForcedMask == deck->ForcedMask);
        Check(again->NoWildAce == deck->NoWildAce);
    }
    return 0;
}
