// The "RC" list: a game written by the host and read on every remote seat gives the same piles,
// seen from that seat; a list that does not add up is refused whole.

#include "network/protocol/GameStateList.h"
#include "network/protocol/OldGameStateList.h"

#include "base/text/VbText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>

namespace zarle {
namespace {

// A game in play laid out from a shuffled deck: odd depths, an empty side pile, a full center
// almost, a hold pile at the limit.
class GameBuilder {
  public:
    GameBuilder(int players, int centers) : ids_(static_cast<size_t>(PackSize * players)) {
        s.NumPlayers = static_cast<int16_t>(players);
        s.NumCenters = static_cast<int16_t>(centers);
        s.DeckSize = static_cast<int16_t>(PackSize * players);
        s.SideSizeM1 = 19;
        s.ForcedMask = 3;
        s.NoWildAce = true;
        s.PTurn = 2;
        std::iota(ids_.begin(), ids_.end(), 1);
        std::shuffle(ids_.begin(), ids_.end(), std::mt19937(players * 7 + centers));
        for (int c = 1; c <= centers; ++c) {
            s.CenterCount[c] = static_cast<int16_t>(c == 1 ? 5 : c == 2 ? 8 : 0);
            for (int k = 1; k <= s.CenterCount[c]; ++k) s.CenterCards[c][k] = Take();
        }
        for (int seat = 1; seat <= players; ++seat) Deal(seat);
        s.UsedCount = 3;
        for (int k = 1; k <= s.UsedCount; ++k) s.UsedCards[k] = Take();
        while (next_ < ids_.size()) {
            ++s.StockCount;
            s.Deck.SetCard(s.StockCount, Take());
        }
    }

    GameState s;

  private:
    CardRec Take() { return CardOfId(ids_.at(next_++)); }

    void Deal(int seat) {
        const int side = seat == 3 ? 0 : 20 - seat;
        const int depths[HoldPiles] = {seat == 2 ? HoldDepth : 3, 0, 1, seat};
        SidePile sideCards{};
        SlotRow slots{};
        HoldTable hold{};
        for (int i = 1; i <= side; ++i) sideCards[i] = Take();
        slots[1] = sideCards[side];
        for (int k = 2; k <= 6; ++k) slots[k] = k == 4 ? CardRec{} : Take();
        for (int h = 1; h <= HoldPiles; ++h) {
            for (int d = 1; d <= depths[h - 1]; ++d) hold[h][d] = Take();
            slots[h + 6] = hold[h][depths[h - 1]];
        }
        if (seat == 1) {
            s.SideCount = static_cast<int16_t>(side);
            s.SideCards = sideCards;
            s.PlayerCards = slots;
            for (int h = 1; h <= HoldPiles; ++h) {
                s.HoldCount[h] = static_cast<int16_t>(std::max(0, depths[h - 1] - 1));
                for (int d = 1; d <= s.HoldCount[h]; ++d) s.HoldCards[h][d] = hold[h][d];
            }
            s.WildSide = 2;
            s.WildHand = 1;
            return;
        }
        SeatRecord& rec = s.Seat(seat);
        rec.SideCount = static_cast<int16_t>(side);
        rec.SideCards = sideCards;
        rec.Slots = slots;
        rec.HoldCards = hold;
        for (int h = 1; h <= HoldPiles; ++h) rec.HoldInfo[h][1] = static_cast<int16_t>(depths[h - 1]);
        rec.WildSide = static_cast<int16_t>(seat);
        rec.WildHand = static_cast<int16_t>(seat + 1);
    }

    std::vector<int16_t> ids_;
    size_t next_ = 0;
};

// One seat's piles in a common form: side pile, hand, whole hold piles, wild counters.
std::vector<int> SeatView(const GameState& s, int seat) {
    std::vector<int> v;
    auto add = [&v](CardRec c) { v.push_back(c.Id * 100 + c.Value); };
    if (seat == 1) {
        v.push_back(s.SideCount);
        for (int i = 1; i <= s.SideCount; ++i) add(s.SideCards[i]);
        for (int k = 1; k <= SlotCount; ++k) add(s.PlayerCards[k]);
        for (int h = 1; h <= HoldPiles; ++h) {
            for (int d = 1; d <= s.HoldCount[h]; ++d) add(s.HoldCards[h][d]);
            if (s.PlayerCards[h + 6].Id != 0) add(s.PlayerCards[h + 6]);
            v.push_back(-1);
        }
        v.insert(v.end(), {s.WildSide, s.WildHand});
        return v;
    }
    const SeatRecord& r = s.Seat(seat);
    v.push_back(r.SideCount);
    for (int i = 1; i <= r.SideCount; ++i) add(r.SideCards[i]);
    for (int k = 1; k <= SlotCount; ++k) add(r.Slots[k]);
    for (int h = 1; h <= HoldPiles; ++h) {
        for (int d = 1; d <= r.HoldInfo[h][1]; ++d) add(r.HoldCards[h][d]);
        v.push_back(-1);
    }
    v.insert(v.end(), {r.WildSide, r.WildHand});
    return v;
}

int LocalSeat(int players, int seatMode, int hostSeat) {
    const int own = players == 2 ? 2 : seatMode + 1;
    return ((hostSeat - own) % players + players) % players + 1;
}

TEST(GameStateListTest, EverySeatModeReadsTheHostsGameFromItsOwnSeat) {
    for (const auto& [players, centers] : {std::pair{2, 3}, {2, 4}, {3, 4}, {4, 4}}) {
        GameBuilder b(players, centers);
        const std::string list = WriteGameStateList(b.s);
        for (int seatMode = 1; seatMode < players; ++seatMode) {
            SCOPED_TRACE(std::to_string(players) + " players, seat mode " + std::to_string(seatMode));
            const auto got = ReadGameStateList(list, seatMode);
            ASSERT_TRUE(got);
            GameState remote;
            TakeReceivedGame(remote, *got);
            EXPECT_EQ(remote.NumPlayers, players);
            EXPECT_EQ(remote.NumCenters, centers);
            EXPECT_EQ(remote.DeckSize, b.s.DeckSize);
            EXPECT_EQ(remote.ForcedMask, 3);
            EXPECT_TRUE(remote.NoWildAce);
            EXPECT_EQ(remote.PTurn, LocalSeat(players, seatMode, b.s.PTurn));
            EXPECT_EQ(remote.SidePos, 26 - remote.SideCount);
            EXPECT_EQ(remote.StockCount, b.s.StockCount);
            EXPECT_EQ(remote.Deck.Fields, b.s.Deck.Fields);
            EXPECT_EQ(remote.UsedCards, b.s.UsedCards);
            EXPECT_EQ(remote.CenterCount, b.s.CenterCount);
            EXPECT_EQ(remote.CenterCards, b.s.CenterCards);
            for (int hostSeat = 1; hostSeat <= players; ++hostSeat)
                EXPECT_EQ(SeatView(remote, LocalSeat(players, seatMode, hostSeat)), SeatView(b.s, hostSeat))
                    << "host seat " << hostSeat;
        }
    }
}

// The list's numbers, changed one at a time.
std::string Edited(const std::string& list, size_t index, const std::string& value) {
    std::vector<std::string> pieces;
    size_t start = 0;
    for (size_t hash; (hash = list.find('#', start)) != std::string::npos; start = hash + 1)
        pieces.push_back(list.substr(start, hash - start));
    pieces.at(index) = value;
    std::string out;
    for (const auto& p : pieces) out += p + "#";
    return out;
}

TEST(GameStateListTest, AListThatDoesNotAddUpIsRefusedWhole) {
    GameBuilder b(3, 4);
    const std::string list = WriteGameStateList(b.s);
    ASSERT_TRUE(ReadGameStateList(list, 1));
    const size_t firstStockId = 8;
    const std::string refused[] = {
        list.substr(0, list.size() / 2),                 // cut short
        list + " 5#",                                    // a number too many
        Edited(list, firstStockId, Str(b.s.Deck(0, 2))), // a card twice
        Edited(list, firstStockId, " 999"),              // no such card
        Edited(list, 1, " 5"),                           // five players
        Edited(list, 6, " 300"),                         // stock larger than the deck
        Edited(list, firstStockId, "x"),                 // not a number
        Edited(list, 5, " True"),                        // a flag may be a word ...
    };
    for (size_t i = 0; i + 1 < std::size(refused); ++i) EXPECT_FALSE(ReadGameStateList(refused[i], 1)) << i;
    EXPECT_TRUE(ReadGameStateList(refused[std::size(refused) - 1], 1)); // ... and still reads
    EXPECT_FALSE(ReadGameStateList(list, 3));                           // no fourth seat at three
}

TEST(GameStateListTest, AHoldPileBeyondTheCommonLimitIsRefused) {
    GameBuilder fresh(4, 4);
    GameState& s = fresh.s;
    const int add = HoldDepth - 3;
    for (int d = 0; d < add; ++d) {
        s.HoldCards[1][s.HoldCount[1] + 1] = s.Deck.CardAt(s.StockCount);
        ++s.HoldCount[1];
        s.Deck.SetCard(s.StockCount--, CardRec{});
    }
    ASSERT_TRUE(ReadGameStateList(WriteGameStateList(s), 1)); // 30 with the top
    s.HoldCards[1][s.HoldCount[1] + 1] = s.Deck.CardAt(s.StockCount);
    ++s.HoldCount[1];
    s.Deck.SetCard(s.StockCount--, CardRec{});
    EXPECT_FALSE(ReadGameStateList(WriteGameStateList(s), 1)); // 31
}

// The older list of two-player peers: every pile arrives mirrored, the host's seat 2 as the
// remote's own side; a peer without a version sends values only, and each card takes an id of its
// value that no other card has.
TEST(OldGameStateListTest, AGameArrivesMirroredForEveryOldVersion) {
    struct Case {
        std::string Peer;
        size_t Numbers;
        bool HouseRules;
    };
    for (const Case& c :
         {Case{"74", 1114, false}, Case{"52", 1114, false}, Case{"51", 1111, true}, Case{"40", 563, true}}) {
        SCOPED_TRACE(c.Peer);
        GameBuilder b(2, 3);
        const GameState& h = b.s;
        const auto list = WriteOldGameStateList(h, c.Peer);
        ASSERT_TRUE(list);
        EXPECT_EQ(std::count(list->begin(), list->end(), '#'), static_cast<long>(c.Numbers));
        // The turn as the remote numbers it, then the side counts and frame positions, mirrored.
        EXPECT_EQ(list->substr(0, 19), " 1# 18# 19#-25# 25#");
        const auto got = ReadOldGameStateList(*list, c.Peer);
        ASSERT_TRUE(got);
        const GameState& g = got->Game;
        const bool ids = c.Peer != "40";
        const auto view = [ids](const GameState& s, int seat) {
            std::vector<int> v = SeatView(s, seat);
            if (ids) return v;
            v.resize(v.size() - 2); // no wild counters either
            for (int& n : v) n %= 100;
            return v;
        };
        EXPECT_EQ(view(g, 1), view(h, 2));
        EXPECT_EQ(view(g, 2), view(h, 1));
        EXPECT_EQ(g.PTurn, 1);
        EXPECT_EQ(g.StockCount, h.StockCount);
        EXPECT_EQ(g.UsedCount, h.UsedCount);
        EXPECT_EQ(g.CenterCount, h.CenterCount);
        if (ids) {
            EXPECT_EQ(g.Deck.Fields[0], h.Deck.Fields[0]);
            EXPECT_EQ(g.UsedCards, h.UsedCards);
            EXPECT_EQ(g.CenterCards, h.CenterCards);
        }
        EXPECT_EQ(g.SideSizeM1, 19);
        EXPECT_EQ(g.ForcedMask, c.HouseRules ? 0 : 3);
        EXPECT_EQ(g.NoWildAce, !c.HouseRules);
    }
}

TEST(OldGameStateListTest, WhatAnOldPeerCannotTakeIsNeitherSentNorRead) {
    GameBuilder b(2, 3);
    GameState& h = b.s;
    const std::string list = *WriteOldGameStateList(h, "74");
    EXPECT_FALSE(ReadOldGameStateList(list.substr(0, list.size() - 3), "74")); // cut short
    EXPECT_FALSE(ReadOldGameStateList(list + " 0#", "74"));                    // a number too many
    // An id without a value in a hand slot: no card to the card check, yet a card to the board.
    GameBuilder half(2, 3);
    GameState& g = half.s;
    g.Deck.SetCard(++g.StockCount, g.PlayerCards[3]);
    g.PlayerCards[3] = CardRec{};
    g.PlayerCards[3].Id = g.CenterCards[1][1].Id;
    EXPECT_FALSE(ReadOldGameStateList(*WriteOldGameStateList(half.s, "74"), "74"));
    h.UsedCards[1] = h.CenterCards[1][1];                                      // a card twice
    EXPECT_FALSE(ReadOldGameStateList(*WriteOldGameStateList(h, "74"), "74"));
    // Below "52" a peer knows side piles of 20 cards only.
    GameBuilder custom(2, 3);
    custom.s.SideSizeM1 = 24;
    EXPECT_FALSE(WriteOldGameStateList(custom.s, "51"));
    EXPECT_TRUE(WriteOldGameStateList(custom.s, "52"));
}

} // namespace
} // namespace zarle
