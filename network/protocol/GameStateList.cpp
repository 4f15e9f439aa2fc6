#include "network/protocol/GameStateList.h"

#include "network/protocol/ListNumbers.h"
#include "network/protocol/WireLine.h"

#include "engine/Rules.h"
#include "base/text/VbText.h"

#include <charconv>
#include <vector>

namespace zarle {

namespace {

void WriteHumanBlock(ListWriter& w, const GameState& s) {
    w.Add(s.SideCount);
    for (int i = 1; i <= s.SideCount; ++i) w.Add(s.SideCards[i].Id);
    for (int k = 1; k <= SlotCount; ++k) w.Add(s.PlayerCards[k].Id);
    for (int h = 1; h <= HoldPiles; ++h) {
        w.Add(s.HoldCount[h]);
        for (int d = 1; d <= s.HoldCount[h]; ++d) w.Add(s.HoldCards[h][d].Id);
    }
    w.Add(s.WildSide);
    w.Add(s.WildHand);
}

void WriteSeatBlock(ListWriter& w, const SeatRecord& rec) {
    w.Add(rec.SideCount);
    for (int i = 1; i <= rec.SideCount; ++i) w.Add(rec.SideCards[i].Id);
    for (int k = 1; k <= SlotCount; ++k) w.Add(rec.Slots[k].Id);
    for (int h = 1; h <= HoldPiles; ++h) {
        w.Add(rec.HoldInfo[h][1]);
        for (int d = 1; d <= rec.HoldInfo[h][1]; ++d) w.Add(rec.HoldCards[h][d].Id);
    }
    w.Add(rec.WildSide);
    w.Add(rec.WildHand);
}

} // namespace

std::optional<std::vector<int>> ReadListNumbers(std::string_view text) {
    std::vector<int> numbers;
    size_t start = 0;
    while (start < text.size()) {
        const size_t hash = text.find('#', start);
        const std::string piece =
            Trim(text.substr(start, hash == std::string_view::npos ? std::string_view::npos : hash - start));
        if (hash == std::string_view::npos && piece.empty()) break;
        if (piece == "True" || piece == "False") {
            numbers.push_back(ReadWireFlag(piece) ? -1 : 0);
        } else {
            int value = 0;
            const auto [end, error] = std::from_chars(piece.data(), piece.data() + piece.size(), value);
            if (piece.empty() || error != std::errc() || end != piece.data() + piece.size())
                return std::nullopt;
            numbers.push_back(value);
        }
        if (hash == std::string_view::npos) break;
        start = hash + 1;
    }
    return numbers;
}

namespace {

class ListReader : public ListNumberReader {
  public:
    ListReader(std::vector<int> numbers, int deckSize)
        : ListNumberReader(std::move(numbers)), seen_(deckSize + 1, false) {}

    // A card that must not have been seen anywhere else.
    CardRec Card() {
        const int id = Next(1, static_cast<int>(seen_.size()) - 1);
        if (!Ok()) return {};
        if (seen_[id]) return Fail(), CardRec{};
        seen_[id] = true;
        return CardOfId(id);
    }
    // A slot: empty (0) or a card.
    CardRec SlotCard() { return SkipZero() ? CardRec{} : Card(); }
    bool AllCardsSeen() const {
        for (size_t id = 1; id < seen_.size(); ++id)
            if (!seen_[id]) return false;
        return true;
    }

  private:
    std::vector<bool> seen_;
};

struct Block {
    int16_t SideCount = 0;
    SidePile Side{};
    SlotRow Slots{};
    HoldTable Hold{};
    std::array<int16_t, HoldPiles + 1> Depth{}; // the whole pile, top included
    int16_t WildSide = 0;
    int16_t WildHand = 0;
};

// topsInSlots: the block is the host's own piles, whose hold tops lie in its slots only.
Block ReadBlock(ListReader& r, int sideLimit, bool topsInSlots) {
    Block b;
    b.SideCount = static_cast<int16_t>(r.Next(0, sideLimit));
    for (int i = 1; i <= b.SideCount && r.Ok(); ++i) b.Side[i] = r.Card();
    if (!r.Ok()) return b;
    // Slot 1 is the side top again, and a seat's hold tops are the last cards of their piles:
    // those are read as plain ids and compared below.
    for (int k = 1; k <= SlotCount; ++k) {
        const bool repeated = k == 1 || (k >= 7 && !topsInSlots);
        b.Slots[k] = repeated ? CardOfId(r.Next(0, MaxDeckSize)) : r.SlotCard();
    }
    if (!(b.Slots[1] == b.Side[b.SideCount])) r.Fail();
    for (int h = 1; h <= HoldPiles && r.Ok(); ++h) {
        const bool top = topsInSlots && b.Slots[h + 6].Id != 0;
        const int depth = r.Next(0, HoldDepth - (top ? 1 : 0));
        for (int d = 1; d <= depth && r.Ok(); ++d) b.Hold[h][d] = r.Card();
        b.Depth[h] = static_cast<int16_t>(depth + (top ? 1 : 0));
        if (top) b.Hold[h][b.Depth[h]] = b.Slots[h + 6];
        if (topsInSlots && !top && depth > 0) r.Fail();
        if (!topsInSlots && !(b.Slots[h + 6] == b.Hold[h][depth])) r.Fail();
    }
    b.WildSide = static_cast<int16_t>(r.Next(0, MaxDeckSize));
    b.WildHand = static_cast<int16_t>(r.Next(0, MaxDeckSize));
    return b;
}

void StoreSeat(SeatRecord& rec, const Block& b, int seat) {
    rec.SideCount = b.SideCount;
    rec.SidePos = static_cast<int16_t>(FramesPerSeat * seat - b.SideCount + 1);
    rec.SideCards = b.Side;
    rec.Slots = b.Slots;
    rec.HoldCards = b.Hold;
    for (int h = 1; h <= HoldPiles; ++h) {
        rec.HoldInfo[h] = {};
        rec.HoldInfo[h][1] = b.Depth[h];
        const int d = b.Depth[h];
        if (d > 1 && b.Hold[h][d].Value != b.Hold[h][d - 1].Value) rec.HoldInfo[h][2] = 1;
    }
    rec.WildSide = b.WildSide;
    rec.WildHand = b.WildHand;
}

void StoreOwn(GameState& g, const Block& b) {
    g.SideCount = b.SideCount;
    g.SidePos = static_cast<int16_t>(26 - b.SideCount);
    g.SideCards = b.Side;
    g.PlayerCards = b.Slots;
    g.HoldCards = {};
    for (int h = 1; h <= HoldPiles; ++h) {
        const int beneath = b.Depth[h] > 0 ? b.Depth[h] - 1 : 0;
        g.HoldCount[h] = static_cast<int16_t>(beneath);
        for (int d = 1; d <= beneath; ++d) g.HoldCards[h][d] = b.Hold[h][d];
    }
    g.WildSide = b.WildSide;
    g.WildHand = b.WildHand;
}

} // namespace

std::string WriteGameStateList(const GameState& s) {
    ListWriter w;
    w.Add(s.PTurn);
    w.Add(s.NumPlayers);
    w.Add(s.NumCenters);
    w.Add(s.SideSizeM1);
    w.Add(s.ForcedMask);
    w.Add(ToVbBool(s.NoWildAce));
    w.Add(s.StockCount);
    w.Add(s.UsedCount);
    for (int k = 1; k <= s.StockCount; ++k) w.Add(s.Deck(0, k));
    for (int k = 1; k <= s.UsedCount; ++k) w.Add(s.UsedCards[k].Id);
    for (int c = 1; c <= s.NumCenters; ++c) {
        w.Add(s.CenterCount[c]);
        for (int k = 1; k <= CenterFull; ++k) w.Add(s.CenterCards[c][k].Id);
    }
    WriteHumanBlock(w, s);
    for (int seat = 2; seat <= s.NumPlayers; ++seat) WriteSeatBlock(w, s.Seat(seat));
    return std::move(w).Text();
}

std::optional<ReceivedGame> ReadGameStateList(std::string_view list, int seatMode) {
    auto numbers = ReadListNumbers(list);
    if (!numbers || numbers->size() < 3) return std::nullopt;
    const int players = (*numbers)[1];
    const int centers = (*numbers)[2];
    if (players < 2 || players > MaxPlayers || centers < 3 || centers > MaxCenters) return std::nullopt;
    if (seatMode < 1 || seatMode > players - 1) return std::nullopt;

    ReceivedGame out;
    GameState& g = out.Game;
    g.NumPlayers = static_cast<int16_t>(players);
    g.NumCenters = static_cast<int16_t>(centers);
    g.DeckSize = static_cast<int16_t>(PackSize * players);
    g.SeatMode = static_cast<int16_t>(seatMode);
    ListReader r(std::move(*numbers), g.DeckSize);
    const int hostTurn = r.Next(1, players);
    r.Next(2, 4);
    r.Next(3, 4);
    g.SideSizeM1 = static_cast<int16_t>(r.Next(0, SideCapacity - 1));
    g.ForcedMask = static_cast<int16_t>(r.Next(0, 7));
    g.NoWildAce = r.Next(INT16_MIN, INT16_MAX) != 0;
    g.StockCount = static_cast<int16_t>(r.Next(0, g.DeckSize));
    g.UsedCount = static_cast<int16_t>(r.Next(0, g.DeckSize));
    for (int k = 1; k <= g.StockCount && r.Ok(); ++k) g.Deck.SetCard(k, r.Card());
    for (int k = 1; k <= g.UsedCount && r.Ok(); ++k) g.UsedCards[k] = r.Card();
    for (int c = 1; c <= centers && r.Ok(); ++c) {
        g.CenterCount[c] = static_cast<int16_t>(r.Next(0, CenterFull - 1));
        for (int k = 1; k <= CenterFull && r.Ok(); ++k)
            g.CenterCards[c][k] = k <= g.CenterCount[c] ? r.Card() : CardOfId(r.Next(0, 0));
    }
    const int sideLimit = g.SideSizeM1 + 1;
    for (int hostSeat = 1; hostSeat <= players && r.Ok(); ++hostSeat) {
        const int own = players == 2 ? 2 : seatMode + 1;
        const int local = ((hostSeat - own) % players + players) % players + 1;
        const Block b = ReadBlock(r, sideLimit, hostSeat == 1);
        if (local == 1)
            StoreOwn(g, b);
        else
            StoreSeat(g.Seat(local), b, local);
    }
    if (!r.Ok() || !r.AtEnd() || !r.AllCardsSeen()) return std::nullopt;

    g.PTurn = static_cast<int16_t>(hostTurn);
    if (players == 2)
        g.PTurn = static_cast<int16_t>(hostTurn == 1 ? 2 : 1);
    else
        PturnCalculate(g);
    return out;
}

void TakeReceivedGame(GameState& s, const ReceivedGame& received) {
    const GameState& g = received.Game;
    s.NumPlayers = g.NumPlayers;
    s.NumCenters = g.NumCenters;
    s.DeckSize = g.DeckSize;
    s.SideSizeM1 = g.SideSizeM1;
    s.ForcedMask = g.ForcedMask;
    s.NoWildAce = g.NoWildAce;
    s.StockCount = g.StockCount;
    s.UsedCount = g.UsedCount;
    s.Deck = g.Deck;
    s.UsedCards = g.UsedCards;
    s.CenterCount = g.CenterCount;
    s.CenterCards = g.CenterCards;
    s.SideCount = g.SideCount;
    s.SidePos = g.SidePos;
    s.SideCards = g.SideCards;
    s.PlayerCards = g.PlayerCards;
    s.HoldCards = g.HoldCards;
    s.HoldCount = g.HoldCount;
    s.WildSide = g.WildSide;
    s.WildHand = g.WildHand;
    for (int seat = 2; seat <= MaxPlayers; ++seat) {
        SeatRecord& rec = s.Seat(seat);
        const SeatRecord& from = g.Seat(seat);
        rec.SideCount = from.SideCount;
        rec.SidePos = from.SidePos;
        rec.SideCards = from.SideCards;
        rec.Slots = from.Slots;
        rec.HoldInfo = from.HoldInfo;
        rec.HoldCards = from.HoldCards;
        rec.WildSide = from.WildSide;
        rec.WildHand = from.WildHand;
    }
    s.PTurn = g.PTurn;
}

} // namespace zarle
