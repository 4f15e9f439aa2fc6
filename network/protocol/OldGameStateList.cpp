#include "network/protocol/OldGameStateList.h"

#include "network/protocol/ListNumbers.h"
#include "engine/Rules.h"
#include "base/text/VbText.h"

namespace zarle {

namespace {

constexpr int OldDeckSize = 104;
constexpr int OldCenters = 3;
constexpr int OldSideSize = 20; // the side pile of a peer below FirstRulesVersion

bool KnowsOnlyHouseRules(std::string_view peer) {
    return Val(peer) < Val(FirstRulesVersion);
}

bool SendsNoIds(std::string_view peer) {
    return peer == OldestVersion;
}

// One card group as both passes carry it: the sender's seat 2 ("seat") and its own piles ("own").
struct OldPiles {
    std::array<CardRec, OldDeckSize + 1> Deck{}, Used{};
    SidePile SeatSide{}, OwnSide{};
    SlotRow SeatSlots{}, OwnSlots{};
    std::array<std::array<CardRec, CenterFull + 1>, OldCenters + 1> Centers{};
    HoldTable SeatHold{}, OwnHold{};
};

int Field(CardRec card, int field) {
    return field == 1 ? card.Value : card.Id;
}

CardRec Within(const auto& pile, int k, int count) {
    return k <= count ? pile[k] : CardRec{};
}

class Reader : public ListNumberReader {
  public:
    using ListNumberReader::ListNumberReader;
    // A card number of the given pass; 0 for an empty place.
    void Into(CardRec& card, int field) {
        const int n = Next(0, field == 1 ? WildValue : OldDeckSize);
        (field == 1 ? card.Value : card.Id) = static_cast<int16_t>(n);
    }
};

} // namespace

std::optional<std::string> WriteOldGameStateList(const GameState& s, std::string_view peer) {
    if (KnowsOnlyHouseRules(peer) && s.SideSizeM1 != OldSideSize - 1) return std::nullopt;
    const bool noIds = SendsNoIds(peer);
    const SeatRecord& seat = s.SeatRec1;
    ListWriter w;
    w.Add(s.PTurn == 1 ? 2 : 1);
    for (int n : {int(seat.SideCount), int(s.SideCount), seat.SidePos - FramesPerSeat,
                  s.SidePos + FramesPerSeat, int(s.StockCount), int(s.UsedCount), int(s.HandCount)})
        w.Add(n);
    if (!noIds)
        for (int n : {seat.WildSide, seat.WildHand, s.WildSide, s.WildHand}) w.Add(n);
    // The value pass (1), then the id pass (0).
    const int lastPass = noIds ? 1 : 0;
    for (int f = 1; f >= lastPass; --f) {
        for (int k = 1; k <= OldDeckSize; ++k) {
            w.Add(k <= s.StockCount ? Field(s.Deck.CardAt(k), f) : 0);
            w.Add(Field(Within(s.UsedCards, k, s.UsedCount), f));
        }
    }
    if (!KnowsOnlyHouseRules(peer)) {
        w.Add(s.SideSizeM1);
        w.Add(s.ForcedMask);
        w.Add(ToVbBool(s.NoWildAce));
    }
    for (int f = 1; f >= lastPass; --f) {
        for (int k = 1; k <= s.SideSizeM1 + 1; ++k) {
            w.Add(Field(Within(seat.SideCards, k, seat.SideCount), f));
            w.Add(Field(Within(s.SideCards, k, s.SideCount), f));
        }
    }
    for (int f = 1; f >= lastPass; --f) {
        for (int k = 1; k <= SlotCount; ++k) {
            w.Add(Field(seat.Slots[k], f));
            w.Add(Field(s.PlayerCards[k], f));
        }
    }
    for (int f = 1; f >= lastPass; --f) {
        for (int c = 1; c <= OldCenters; ++c) {
            for (int j = 1; j <= CenterFull; ++j)
                w.Add(Field(Within(s.CenterCards[c], j, s.CenterCount[c]), f));
            if (f == 1) w.Add(s.CenterCount[c]);
        }
    }
    // A seat's pile holds its top; the human's top lies in its slot only.
    for (int f = 1; f >= lastPass; --f) {
        for (int h = 1; h <= HoldPiles; ++h) {
            for (int d = 1; d <= HoldDepth; ++d) {
                w.Add(Field(Within(seat.HoldCards[h], d, seat.HoldInfo[h][1]), f));
                w.Add(Field(Within(s.HoldCards[h], d, s.HoldCount[h]), f));
            }
            if (f == 1) {
                w.Add(seat.HoldInfo[h][1]);
                w.Add(s.HoldCount[h]);
            }
        }
    }
    return std::move(w).Text();
}

namespace {

// A peer without a version sends values only: each card takes an id of its value that no other
// card has taken, so that no card is doubled.
class IdsByValue {
  public:
    void Give(CardRec& card) {
        if (card.Value == 0) return;
        const int v = card.Value;
        card.Id = static_cast<int16_t>(v + PackSize / 4 * next_[v]++);
        if (card.Id > OldDeckSize) card.Id = 0;
    }

  private:
    std::array<int, WildValue + 1> next_{};
};

// Every card of the deck once, each with the value of its id.
class CardSet {
  public:
    void See(CardRec card) {
        if (card.Id < 1 || card.Id > OldDeckSize || seen_[card.Id] || card.Value != CardRank(card.Id))
            ok_ = false;
        else
            seen_[card.Id] = true;
    }
    bool Whole() const {
        for (int id = 1; id <= OldDeckSize; ++id)
            if (!seen_[id]) return false;
        return ok_;
    }

  private:
    std::array<bool, OldDeckSize + 1> seen_{};
    bool ok_ = true;
};

} // namespace

std::optional<ReceivedGame> ReadOldGameStateList(std::string_view list, std::string_view peer) {
    auto numbers = ReadListNumbers(list);
    if (!numbers) return std::nullopt;
    const bool noIds = SendsNoIds(peer);
    const bool houseRules = KnowsOnlyHouseRules(peer);
    Reader r(std::move(*numbers));
    ReceivedGame out;
    GameState& g = out.Game;
    g.NumPlayers = 2;
    g.NumCenters = OldCenters;
    g.DeckSize = OldDeckSize;
    g.SeatMode = 1;
    SeatRecord& seat = g.SeatRec1;

    g.PTurn = static_cast<int16_t>(r.Next(1, 2));
    // Mirrored: the sender's seat 2 is this side.
    g.SideCount = static_cast<int16_t>(r.Next(0, SideCapacity));
    seat.SideCount = static_cast<int16_t>(r.Next(0, SideCapacity));
    r.Next(INT16_MIN, INT16_MAX); // the side piles' frame positions follow from the counts
    r.Next(INT16_MIN, INT16_MAX);
    g.StockCount = static_cast<int16_t>(r.Next(0, OldDeckSize));
    g.UsedCount = static_cast<int16_t>(r.Next(0, OldDeckSize));
    r.Next(0, 5);
    if (!noIds) {
        g.WildSide = static_cast<int16_t>(r.Next(0, OldDeckSize));
        g.WildHand = static_cast<int16_t>(r.Next(0, OldDeckSize));
        seat.WildSide = static_cast<int16_t>(r.Next(0, OldDeckSize));
        seat.WildHand = static_cast<int16_t>(r.Next(0, OldDeckSize));
    }
    OldPiles p;
    // The value pass (1), then the id pass (0).
    const int lastPass = noIds ? 1 : 0;
    for (int f = 1; f >= lastPass; --f) {
        for (int k = 1; k <= OldDeckSize; ++k) {
            r.Into(p.Deck[k], f);
            r.Into(p.Used[k], f);
        }
    }
    if (houseRules) {
        g.SideSizeM1 = OldSideSize - 1;
    } else {
        g.SideSizeM1 = static_cast<int16_t>(r.Next(0, SideCapacity - 1));
        g.ForcedMask = static_cast<int16_t>(r.Next(0, 7));
        g.NoWildAce = r.Next(INT16_MIN, INT16_MAX) != 0;
    }
    for (int f = 1; f >= lastPass; --f) {
        for (int k = 1; k <= g.SideSizeM1 + 1 && r.Ok(); ++k) {
            r.Into(p.SeatSide[k], f);
            r.Into(p.OwnSide[k], f);
        }
    }
    for (int f = 1; f >= lastPass; --f) {
        for (int k = 1; k <= SlotCount; ++k) {
            r.Into(p.SeatSlots[k], f);
            r.Into(p.OwnSlots[k], f);
        }
    }
    for (int f = 1; f >= lastPass; --f) {
        for (int c = 1; c <= OldCenters; ++c) {
            for (int j = 1; j <= CenterFull; ++j) r.Into(p.Centers[c][j], f);
            if (f == 1) g.CenterCount[c] = static_cast<int16_t>(r.Next(0, CenterFull - 1));
        }
    }
    std::array<int, HoldPiles + 1> seatDepth{}, ownCount{};
    for (int f = 1; f >= lastPass; --f) {
        for (int h = 1; h <= HoldPiles; ++h) {
            for (int d = 1; d <= HoldDepth; ++d) {
                r.Into(p.SeatHold[h][d], f);
                r.Into(p.OwnHold[h][d], f);
            }
            if (f == 1) {
                seatDepth[h] = r.Next(0, HoldDepth);
                ownCount[h] = r.Next(0, HoldDepth - 1);
            }
        }
    }
    if (!r.Ok() || !r.AtEnd()) return std::nullopt;
    if (g.SideCount > g.SideSizeM1 + 1 || seat.SideCount > g.SideSizeM1 + 1) return std::nullopt;

    // The sender's seat 2 becomes this side's own piles, its own piles this side's seat 2.
    IdsByValue ids;
    CardSet cards;
    // A place holds a card with both its value and its id, or neither.
    bool halfCard = false;
    const auto take = [&](CardRec card) {
        if (noIds) ids.Give(card);
        if ((card.Value == 0) != (card.Id == 0)) halfCard = true;
        return card;
    };
    for (int k = 1; k <= g.StockCount; ++k) g.Deck.SetCard(k, take(p.Deck[k]));
    for (int k = 1; k <= g.UsedCount; ++k) g.UsedCards[k] = take(p.Used[k]);
    for (int c = 1; c <= OldCenters; ++c)
        for (int j = 1; j <= g.CenterCount[c]; ++j) g.CenterCards[c][j] = take(p.Centers[c][j]);
    for (int k = 1; k <= g.SideCount; ++k) g.SideCards[k] = take(p.SeatSide[k]);
    for (int k = 1; k <= seat.SideCount; ++k) seat.SideCards[k] = take(p.OwnSide[k]);
    for (int k = 2; k <= 6; ++k) {
        g.PlayerCards[k] = take(p.SeatSlots[k]);
        seat.Slots[k] = take(p.OwnSlots[k]);
    }
    g.PlayerCards[1] = g.SideCount > 0 ? g.SideCards[g.SideCount] : CardRec{};
    seat.Slots[1] = seat.SideCount > 0 ? seat.SideCards[seat.SideCount] : CardRec{};
    for (int h = 1; h <= HoldPiles; ++h) {
        // This side's pile came with its top; the top stays in the slot only.
        if (!(p.SeatSlots[h + 6] == (seatDepth[h] > 0 ? p.SeatHold[h][seatDepth[h]] : CardRec{})))
            return std::nullopt;
        for (int d = 1; d <= seatDepth[h]; ++d) {
            const CardRec card = take(p.SeatHold[h][d]);
            if (d < seatDepth[h])
                g.HoldCards[h][d] = card;
            else
                g.PlayerCards[h + 6] = card;
        }
        g.HoldCount[h] = static_cast<int16_t>(seatDepth[h] > 0 ? seatDepth[h] - 1 : 0);
        // The seat's pile takes the sender's top from its slot.
        const CardRec top = take(p.OwnSlots[h + 6]);
        if (top.Value == 0 && ownCount[h] > 0) return std::nullopt;
        for (int d = 1; d <= ownCount[h]; ++d) seat.HoldCards[h][d] = take(p.OwnHold[h][d]);
        const int depth = ownCount[h] + (top.Value != 0 ? 1 : 0);
        seat.HoldCards[h][depth] = top;
        seat.Slots[h + 6] = top;
        seat.HoldInfo[h][1] = static_cast<int16_t>(depth);
        if (depth > 1 && top.Value != seat.HoldCards[h][depth - 1].Value) seat.HoldInfo[h][2] = 1;
    }
    if (halfCard) return std::nullopt;
    g.SidePos = static_cast<int16_t>(FramesPerSeat + 1 - g.SideCount);
    seat.SidePos = static_cast<int16_t>(2 * FramesPerSeat - seat.SideCount + 1);

    for (int k = 1; k <= g.StockCount; ++k) cards.See(g.Deck.CardAt(k));
    for (int k = 1; k <= g.UsedCount; ++k) cards.See(g.UsedCards[k]);
    for (int c = 1; c <= OldCenters; ++c)
        for (int j = 1; j <= g.CenterCount[c]; ++j) cards.See(g.CenterCards[c][j]);
    for (int k = 1; k <= g.SideCount; ++k) cards.See(g.SideCards[k]);
    for (int k = 1; k <= seat.SideCount; ++k) cards.See(seat.SideCards[k]);
    for (int k = 2; k <= SlotCount; ++k)
        if (g.PlayerCards[k].Value != 0) cards.See(g.PlayerCards[k]);
    for (int k = 2; k <= 6; ++k)
        if (seat.Slots[k].Value != 0) cards.See(seat.Slots[k]);
    for (int h = 1; h <= HoldPiles; ++h) {
        for (int d = 1; d <= g.HoldCount[h]; ++d) cards.See(g.HoldCards[h][d]);
        for (int d = 1; d <= seat.HoldInfo[h][1]; ++d) cards.See(seat.HoldCards[h][d]);
    }
    if (!cards.Whole()) return std::nullopt;
    return out;
}

} // namespace zarle
