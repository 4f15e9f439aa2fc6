// A whole game against the computer player, dealt with the Deal button and played by the human
// through mouse events only: double-clicks and drags onto the centers, drags onto the hold piles.

#include "tests/board/input/InputTable.h"

#include <QTest>

#include <algorithm>

#include <gtest/gtest.h>

namespace zarle::test {
namespace {

// A human who plays whatever continues a center, side card first, and otherwise discards.
class MousePlayer {
  public:
    explicit MousePlayer(InputTable& t) : t_(t) {}

    // One action; false when the game is over.
    bool Act() {
        const GameState& s = t_.Game;
        if (s.PTurn != 1) return false;
        for (int slot = 1; slot <= SlotCount; ++slot) {
            const int center = CenterFor(s.PlayerCards[slot]);
            if (center == 0) continue;
            // A wild is never played by a double-click; the hand's other cards are.
            if (slot >= 2 && slot <= 6 && s.PlayerCards[slot].Value != WildValue)
                t_.DoubleClick({Ctl::Picture7, slot});
            else
                t_.DragOnto(slot, {Ctl::PicCenter, center});
            ++plays;
            return true;
        }
        Discard();
        return true;
    }

    int plays = 0;
    int discards = 0;

  private:
    // The center the card continues; a wild (side card or hold top only) goes where it is needed
    // least, never on an empty center.
    int CenterFor(CardRec card) const {
        const GameState& s = t_.Game;
        if (card.Value == 0) return 0;
        for (int c = 1; c <= s.NumCenters; ++c)
            if (s.CenterCount[c] + 1 == card.Value) return c;
        if (card.Value != WildValue) return 0;
        for (int c = 1; c <= s.NumCenters; ++c)
            if (s.CenterCount[c] > 0) return c;
        return 0;
    }

    void Discard() {
        const GameState& s = t_.Game;
        int hand = 0;
        for (int slot = 2; slot <= 6 && hand == 0; ++slot)
            if (s.PlayerCards[slot].Value != 0) hand = slot;
        int pile = 7;
        while (pile < SlotCount && s.HoldCount[pile - 6] >= HoldDepth) ++pile;
        ASSERT_NE(hand, 0);
        t_.DragOnto(hand, {Ctl::Picture7, pile});
        ++discards;
    }

    InputTable& t_;
};

// Every card of the deck lies somewhere in the game, exactly once.
void ExpectEveryCardOnce(const GameState& s) {
    std::vector<int> seen(s.DeckSize + 1);
    const auto count = [&](CardRec c) {
        if (c.Id > 0 && c.Id <= s.DeckSize) ++seen[c.Id];
    };
    for (int k = 1; k <= s.StockCount; ++k) count(s.Deck.CardAt(k));
    for (int k = 1; k <= s.UsedCount; ++k) count(s.UsedCards[k]);
    for (int c = 1; c <= s.NumCenters; ++c)
        for (int k = 1; k <= s.CenterCount[c]; ++k) count(s.CenterCards[c][k]);
    for (int k = 1; k <= s.SideCount; ++k) count(s.SideCards[k]);
    for (int slot = 2; slot <= SlotCount; ++slot) count(s.PlayerCards[slot]);
    for (int p = 1; p <= HoldPiles; ++p)
        for (int k = 1; k <= s.HoldCount[p]; ++k) count(s.HoldCards[p][k]);
    for (int seat = 2; seat <= s.NumPlayers; ++seat) {
        const SeatRecord& rec = s.Seat(seat);
        for (int k = 1; k <= rec.SideCount; ++k) count(rec.SideCards[k]);
        for (int slot = 2; slot <= 6; ++slot) count(rec.Slots[slot]);
        for (int p = 1; p <= HoldPiles; ++p)
            for (int k = 1; k <= rec.HoldInfo[p][1]; ++k) count(rec.HoldCards[p][k]);
    }
    EXPECT_EQ(std::count(seen.begin() + 1, seen.end(), 1), s.DeckSize);
}

// A hand card the computer played or discarded leaves no picture behind until its next refill.
void ExpectEmptyHandSlotsHidden(InputTable& t) {
    const Ctl rows[] = {Ctl::Picture1, Ctl::Picture2, Ctl::Picture3};
    for (int seat = 2; seat <= t.Game.NumPlayers; ++seat)
        for (int slot = 2; slot <= 6; ++slot)
            if (t.Game.Seat(seat).Slots[slot].Value == 0) {
                EXPECT_FALSE(t.Model({rows[seat - 2], slot}).Visible) << "seat " << seat << " slot " << slot;
            }
}

TEST(WholeGame, PlayedByMouseToTheEnd) {
    struct Setting {
        int players;
        unsigned seed;
    };
    for (const Setting setting : {Setting{2, 11}, Setting{3, 2}}) {
        SCOPED_TRACE(setting.players);
        InputTable t(setting.players, setting.seed);
        QTest::mouseClick(t.Widget({Ctl::Command2, 0}), Qt::LeftButton);
        MousePlayer human(t);
        int actions = 0;
        while (human.Act()) {
            ASSERT_LT(++actions, 3000) << "the game does not end";
            ExpectEmptyHandSlotsHidden(t);
        }

        EXPECT_EQ(t.Game.PTurn, 0);
        EXPECT_TRUE(t.Game.SideCount == 0 || t.Game.WorkSideCount == 0);
        EXPECT_TRUE(t.Model({Ctl::Command2, 0}).Visible);
        const std::string result = t.Line(1);
        EXPECT_TRUE(result.starts_with("That was your LAST CARD!") ||
                    result.starts_with("That was the last card, "))
            << result;
        EXPECT_GT(human.plays, 0);
        EXPECT_GT(human.discards, 0);
        ExpectEveryCardOnce(t.Game);
    }
}

} // namespace
} // namespace zarle::test
