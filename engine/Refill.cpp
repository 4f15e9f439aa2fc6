// Hand refills from the stock, and the reshuffle of the used pile into a new stock.

#include "engine/DeckMessage.h"
#include "engine/Engine.h"
#include "engine/SeatPictures.h"

#include "base/text/VbText.h"

#include <vector>

namespace zarle {

namespace {

const std::string Crlf(CRLF);
constexpr int RefillMode = 1;

// Whether the used pile holds only cards of this deck, as many as the deck has at most; a damaged
// saved game can leave it otherwise.
bool UsedPileDealable(const GameState& s) {
    if (s.UsedCount < 1 || s.UsedCount > s.DeckSize || s.DeckSize > MaxDeckSize) return false;
    for (int i = 1; i <= s.UsedCount; ++i) {
        const CardRec card = s.UsedCards[i];
        if (card.Id < 1 || card.Id > s.DeckSize || card.Value < 1 || card.Value > WildValue) return false;
    }
    return true;
}

} // namespace

void Engine::Deal_Players(Pics pics, SlotRow& cards) {
    // The player's keys and clicks wait until his hand has landed: a move made during the deal's
    // waits would run inside it.
    const InputHold landing(p_.Waiter, pics == Pics::Picture7);
    for (int slot = 2; slot <= 6; ++slot) {
        if (s_.StockCount == 0) {
            const bool networkGame = !Local();
            RESHUFFLE();
            // A network game that broke off during the reshuffle ends here: a local stalemate would
            // clear the seat records while the moving seat's cards lie in the working copy.
            if (networkGame && Local()) return;
        }
        p_.Board.BringToFront(PicControl(pics, slot));
        if (cards[slot].Value != 0) continue;
        if (s_.StockCount < 1 || s_.Deck(1, s_.StockCount) == 0) {
            STALEMATE();
            return;
        }
        DealCardAnimated(pics, cards, slot, RefillMode);
        if (s_.PTurn == 1) p_.Board.SetEnabled(PicControl(pics, slot), true);
    }
    if (s_.HandCount == 0) {
        Caption(Ctl::Label9, 1, s_.PTurn == 1 ? Crlf + Crlf + "YOU Picked Up" : s_.WorkName + " Picked Up");
    }
    s_.HandCount = 5;
}

void Engine::RESHUFFLE() {
    if (s_.UsedCount == 0) return;
    Show(Ctl::PicCenter, 0, false);
    if (!Local()) p_.Net.EnableChatSend(false);
    PlaySound(122);
    // A remote keeps a new stock the host sent before this side came to its reshuffle: it lags
    // behind the host while its cards still fly. The stock is taken once, below.
    if (!Remote()) s_.RecoverText.clear();
    if (Local())
        Caption(Ctl::Label9, 2, "I Reshuffled");
    else if (Host())
        Caption(Ctl::Label9, 0, "I Reshuffled");
    else
        Caption(Ctl::Label9, 0, s_.DealerName + " Reshuffled");

    const bool reshuffled = Remote() ? ReceiveStock() : ReshuffleLocally();
    if (reshuffled) {
        s_.UsedCards = {};
        s_.UsedCount = 0;
        if (Local()) Caption(Ctl::Label9, 2, " ");
    }
    if (!Local()) p_.Net.EnableChatSend(true);
    Caption(Ctl::Label9, 0, "");
    Show(Ctl::PicCenter, 0, true);
}

bool Engine::ReshuffleLocally() {
    Wait(0.75f);
    Wait(s_.MoveDelay);
    if (!UsedPileDealable(s_)) {
        p_.Box.MsgBox("Oops! Sorry, I dropped the cards and can't redeal. Please start a new game.",
                      MbExclamation, DealerErrorTitle);
        return false;
    }
    s_.StockCount = s_.UsedCount;
    for (int i = 1; i <= s_.StockCount; ++i) {
        s_.Deck.SetCard(i, s_.UsedCards[i]);
        s_.UsedCards[i] = CardRec{};
    }
    // The whole new stock is shuffled as one range, whether or not packs are shuffled apart.
    ShuffleDeck(1, s_.StockCount);
    if (Host()) SendStock();
    return true;
}

void Engine::SendStock() {
    s_.RecoverText = DeckMessage(s_, s_.StockCount, false);
    s_.AckCount = 1;
    p_.Net.NetBroadcast(s_.RecoverText, 0);
    NetWaitUntil([this] { return s_.NetState == NetDeck && s_.AckCount == s_.NumPlayers; },
                 {NetGoodbye, NetEndGame});
}

bool Engine::ReceiveStock() {
    Wait(0.75f);
    const bool arrived = NetWaitUntil([this] { return s_.NetState == NetDeck || s_.StaleState == 1; },
                                      {NetGoodbye, NetEndGame, NetNewGame, NetLayout, NetGameState});
    if (!arrived || s_.NetState != NetDeck) return false;
    const int count = s_.UsedCount;
    const auto stock = ParseDeckMessage(s_.RecoverText, s_.PeerVersion, count, false, s_.DeckSize);
    s_.RecoverText.clear();
    // The new stock must be exactly the cards of this side's used pile, in the host's order.
    bool sameCards = stock.has_value();
    if (sameCards && s_.PeerVersion != OldestVersion) {
        std::vector<bool> used(MaxDeckSize + 1, false);
        for (int i = 1; i <= count; ++i) {
            const int id = s_.UsedCards[i].Id;
            if (id >= 1 && id <= MaxDeckSize) used[id] = true;
        }
        for (const CardRec& card : stock->Cards) sameCards = sameCards && used[card.Id];
    }
    if (!sameCards) {
        RejectPeerMessage();
        return false;
    }
    s_.StockCount = static_cast<int16_t>(count);
    for (int i = 1; i <= count; ++i) s_.Deck.SetCard(i, stock->Cards[i - 1]);
    p_.Net.NetSend("DK", 1);
    return true;
}

} // namespace zarle
