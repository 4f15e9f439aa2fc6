// The text of a "DK" or "RC" from a peer: a list the readers pass is a whole, sound game.
// The first byte picks the reader (the deck, the list, or an older peer's list) and the seat or
// the peer's version; the rest is the text after the tag.

#include "engine/DeckMessage.h"
#include "network/protocol/GameStateList.h"
#include "network/protocol/OldGameStateList.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

namespace {

// Every card of the deck once across the piles, as a received game must have it.
void CheckWhole(const zarle::GameState& s) {
    std::vector<int> seen(static_cast<size_t>(s.DeckSize) + 1, 0);
    auto count = [&seen, &s](zarle::CardRec c) {
        if (c.Id < 1 || c.Id > s.DeckSize || c.Value != zarle::CardRank(c.Id) || ++seen[c.Id] > 1)
            std::abort();
    };
    for (int k = 1; k <= s.StockCount; ++k) count(s.Deck.CardAt(k));
    for (int k = 1; k <= s.UsedCount; ++k) count(s.UsedCards[k]);
    for (int c = 1; c <= s.NumCenters; ++c)
        for (int k = 1; k <= s.CenterCount[c]; ++k) count(s.CenterCards[c][k]);
    for (int k = 1; k <= s.SideCount; ++k) count(s.SideCards[k]);
    for (int slot = 2; slot <= zarle::SlotCount; ++slot)
        if (s.PlayerCards[slot].Id != 0) count(s.PlayerCards[slot]);
    for (int h = 1; h <= zarle::HoldPiles; ++h)
        for (int d = 1; d <= s.HoldCount[h]; ++d) count(s.HoldCards[h][d]);
    for (int seat = 2; seat <= s.NumPlayers; ++seat) {
        const zarle::SeatRecord& r = s.Seat(seat);
        for (int k = 1; k <= r.SideCount; ++k) count(r.SideCards[k]);
        for (int slot = 2; slot <= 6; ++slot)
            if (r.Slots[slot].Id != 0) count(r.Slots[slot]);
        for (int h = 1; h <= zarle::HoldPiles; ++h) {
            if (r.HoldInfo[h][1] > zarle::HoldDepth) std::abort();
            for (int d = 1; d <= r.HoldInfo[h][1]; ++d) count(r.HoldCards[h][d]);
        }
    }
    for (int id = 1; id <= s.DeckSize; ++id)
        if (seen[id] != 1) std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    const int pick = data[0];
    if (pick & 0x80) {
        const int deckSize = 52 * (2 + (pick & 3) % 3);
        const bool withRules = (pick & 4) != 0;
        const int count = withRules ? deckSize : pick & 0x3F;
        if (const auto deck = zarle::ParseDeckMessage(text, "82", count, withRules, deckSize)) {
            if (deck->Cards.size() != static_cast<size_t>(count)) std::abort();
        }
        return 0;
    }
    // The older two-player list, from a peer of each older version.
    constexpr const char* OldPeers[] = {"40", "51", "74", "52"};
    const auto game = (pick & 0x40) ? zarle::ReadOldGameStateList(text, OldPeers[pick & 3])
                                    : zarle::ReadGameStateList(text, 1 + pick % 3);
    if (game) {
        zarle::GameState s;
        zarle::TakeReceivedGame(s, *game);
        CheckWhole(s);
        if (s.PTurn < 1 || s.PTurn > s.NumPlayers) std::abort();
    }
    return 0;
}
