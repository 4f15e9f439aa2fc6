// Building and shuffling the deck, the side-pile deal and the flip for first.

#include "engine/DeckMessage.h"
#include "engine/Engine.h"
#include "engine/Rules.h"

#include "base/text/VbText.h"

#include <algorithm>
#include <array>
#include <utility>

namespace zarle {

void Engine::ShuffleDeck(int first, int last, int offset) {
    // Every draw ranges over 1..StockCount (+ offset): callers set StockCount to the range's size.
    const int range = s_.StockCount;
    if (range < 1) return;
    for (int pass = 0; pass < 10; ++pass) {
        for (int i = first; i <= last; ++i) {
            const int j = RndInt(range) + 1 + offset;
            const CardRec atI = s_.Deck.CardAt(i);
            s_.Deck.SetCard(i, s_.Deck.CardAt(j));
            s_.Deck.SetCard(j, atI);
        }
    }
}

bool Engine::SetUp() {
    s_.GameBusy = true;
    if (Local() && s_.SavedMoveDelay != 0) s_.MoveDelay = s_.SavedMoveDelay;
    if (Remote()) ClearBoard();
    if (Local()) s_.IsHost = 0;
    s_.DeckSize = static_cast<int16_t>(PackSize * s_.NumPlayers);

    // A deal that breaks off must not leave the board refusing to close.
    auto abandon = [this] {
        s_.GameBusy = false;
        return false;
    };
    if (!Remote()) {
        for (int i = 1; i <= s_.DeckSize; ++i) s_.Deck.SetCard(i, CardOfId(i));
        if (s_.ShuffleApart) {
            s_.StockCount = PackSize;
            for (int k = 1; k <= s_.NumPlayers; ++k) {
                ShuffleDeck(PackSize * (k - 1) + 1, PackSize * k, PackSize * (k - 1));
            }
        } else {
            s_.StockCount = s_.DeckSize;
            ShuffleDeck(1, s_.DeckSize);
        }
        s_.StockCount = s_.DeckSize;
        s_.RecoverText.clear();
    }
    if (Host() && !SendDeck()) return abandon();
    if (Remote() && !ReceiveDeck()) return abandon();
    s_.RecoverText.clear();
    if (!Local()) RulesRefresh();

    for (int seat = 2; seat <= s_.NumPlayers; ++seat) {
        s_.Seat(seat).SidePos = static_cast<int16_t>(FramesPerSeat * seat - s_.SideSizeM1);
        s_.Seat(seat).SideCount = static_cast<int16_t>(s_.SideSizeM1 + 1);
    }
    if (s_.DevMode) p_.Board.DebugShowDeck();
    DealSidePiles();
    FlipForFirst();
    if (Remote() && !ReceiveFirstSeat()) return abandon();
    WhosOnFirst(s_);
    if (Host() && !SendFirstSeat()) return abandon();
    s_.OppTurnSign = 1;
    s_.OwnTurnSign = 2;
    return true;
}

bool Engine::SendDeck() {
    if (!NetWaitUntil([this] { return s_.NetState == NetNewGame; }, {NetGoodbye, NetEndGame})) return false;
    s_.RecoverText = DeckMessage(s_, s_.DeckSize, true);
    p_.Net.NetBroadcast(s_.RecoverText, 0);
    s_.AckCount = 1;
    return NetWaitUntil([this] { return s_.NetState == NetDeck && s_.AckCount == s_.NumPlayers; },
                        {NetGoodbye, NetEndGame});
}

bool Engine::ReceiveDeck() {
    if (!NetWaitUntil([this] { return s_.NetState == NetDeck; },
                      {NetGoodbye, NetEndGame, NetLayout, NetGameState}))
        return false;
    const auto deck = ParseDeckMessage(s_.RecoverText, s_.PeerVersion, s_.DeckSize, true, s_.DeckSize);
    if (!deck) {
        RejectPeerMessage();
        return false;
    }
    for (int i = 1; i <= s_.DeckSize; ++i) s_.Deck.SetCard(i, deck->Cards[i - 1]);
    if (deck->HasRules) {
        s_.SideSizeM1 = deck->SideSizeM1;
        s_.ForcedMask = deck->ForcedMask;
        s_.NoWildAce = deck->NoWildAce;
        if (deck->HasShuffleApart) s_.ShuffleApart = deck->ShuffleApart;
        s_.SidePos = static_cast<int16_t>(FramesPerSeat - s_.SideSizeM1);
        s_.WorkSidePos = static_cast<int16_t>(2 * FramesPerSeat - s_.SideSizeM1);
    }
    p_.Net.NetSend("DK", 1);
    return true;
}

void Engine::DealSidePiles() {
    const int players = s_.NumPlayers;
    s_.SideCount = 0;
    s_.WorkSideCount = 0;
    for (int p = s_.DeckSize; p >= s_.DeckSize - s_.SideSizeM1 * players; p -= players) {
        ++s_.SideCount;
        ++s_.WorkSideCount;
        // Host seat t receives position p - (t - 1); every side deals to the same people.
        for (int hostSeat = 1; hostSeat <= players; ++hostSeat) {
            const CardRec card = s_.Deck.CardAt(p - (hostSeat - 1));
            const int seat = LocalSeatOfHostSeat(s_, hostSeat);
            if (seat == 1)
                s_.SideCards[s_.SideCount] = card;
            else
                s_.Seat(seat).SideCards[s_.WorkSideCount] = card;
        }
        for (int q = p; q > p - players; --q) s_.Deck.SetCard(q, CardRec{});
    }
    s_.StockCount = static_cast<int16_t>(s_.DeckSize - players * (s_.SideSizeM1 + 1));
    s_.PlayerCards[1] = s_.SideCards[s_.SideCount];
    for (int seat = 2; seat <= players; ++seat) {
        SeatRecord& rec = s_.Seat(seat);
        rec.Slots[1] = rec.SideCards[s_.WorkSideCount];
    }
}

void Engine::FlipForFirst() {
    std::array<std::pair<int, int>, MaxPlayers> flip{}; // (value, seat)
    flip[0] = {s_.PlayerCards[1].Value, 1};
    for (int seat = 2; seat <= MaxPlayers; ++seat) flip[seat - 1] = {s_.Seat(seat).Slots[1].Value, seat};
    // Highest first; equal values keep their seat order.
    std::stable_sort(flip.begin(), flip.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    s_.PTurn = static_cast<int16_t>(flip[0].second);
    s_.FlipTies = 0;
    for (size_t i = 1; i < flip.size() && flip[i].first == flip[0].first; ++i) ++s_.FlipTies;
    if (s_.FlipTies > 0) s_.PTurn = static_cast<int16_t>(flip[RndInt(s_.FlipTies + 1)].second);
}

bool Engine::ReceiveFirstSeat() {
    if (!NetWaitUntil([this] { return s_.NetState == NetFirstTurn; },
                      {NetGoodbye, NetEndGame, NetNewGame, NetLayout, NetGameState}))
        return false;
    s_.PTurn = std::exchange(s_.FirstTurnSeat, int16_t{0});
    if (s_.PTurn < 1 || s_.PTurn > s_.NumPlayers) {
        RejectPeerMessage();
        return false;
    }
    p_.Net.NetSend("TR", 1);
    if (MultiplayerPeer(s_.PeerVersion) && s_.NumPlayers >= 3) PturnCalculate(s_);
    return true;
}

bool Engine::SendFirstSeat() {
    int trSeat = s_.PTurn;
    // In a two-player game the remote numbers itself 1.
    if (s_.NumPlayers == 2 && MultiplayerPeer(s_.PeerVersion)) trSeat = s_.PTurn == 1 ? 2 : 1;
    s_.OutMsg = "TR " + Str(trSeat);
    p_.Net.NetBroadcast(s_.OutMsg, 0);
    s_.AckCount = 1;
    return NetWaitUntil([this] { return s_.NetState == NetFirstTurn && s_.AckCount == s_.NumPlayers; },
                        {NetGoodbye, NetEndGame});
}

} // namespace zarle
