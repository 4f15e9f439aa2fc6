// The human's plays onto the centers and the discard that ends the turn.

#include "tests/support/engine/FakeTable.h"

#include <gtest/gtest.h>

namespace zarle::testing {
namespace {

// Ids by value: pack k (0..3) of the first deck, suit s.
int Id(int value, int suit = 0) {
    return suit * 13 + value;
}

class HumanTurnTest : public ::testing::Test {
  protected:
    HumanTurnTest() { Reset(); }
    // A two-player position in the middle of the human's turn.
    void Reset() {
        s = GameState();
        table.SetTable(2, 20);
        s.DeckSize = 104;
        s.PTurn = 1;
        s.TurnOrder = {0, 1, 2, 0, 0};
        s.TurnPos = 1;
        s.MoveDelay = 0.5f;
        s.SidePos = 5;
        SetSide({Id(1, 3), Id(2, 3), Id(3, 3)});
        const int hand[] = {Id(1), Id(2, 1), Id(3, 2), Id(4), Id(5, 1)};
        for (int k = 0; k < 5; ++k) s.PlayerCards[2 + k] = CardOfId(hand[k]);
        s.PlayerCards[7] = CardOfId(Id(7, 1));
        s.HoldCount[1] = 1;
        s.HoldCards[1][1] = CardOfId(Id(8, 1));
        s.PlayerCards[8] = CardOfId(Id(9));
        SetCenter(1, 3);
        SetCenter(3, 2);
        s.SeatRec1.Slots[1] = CardOfId(Id(10, 2));
        s.StockCount = 10;
        for (int i = 1; i <= 10; ++i) s.Deck.SetCard(i, CardOfId(59 + i));
        table.Opponents.PlaySeats = false;
    }
    void SetSide(std::initializer_list<int> ids) {
        s.SideCount = 0;
        for (int id : ids) s.SideCards[++s.SideCount] = CardOfId(id);
        s.PlayerCards[1] = s.SideCards[s.SideCount];
    }
    void SetCenter(int c, int count) {
        s.CenterCount[c] = static_cast<int16_t>(count);
        for (int k = 1; k <= count; ++k) s.CenterCards[c][k] = CardOfId(52 + 13 * (c - 1) + k);
    }
    void Play(int slot, int center, bool dropped = false) {
        s.SrcSlot = static_cast<int16_t>(slot);
        s.CenterIdx = static_cast<int16_t>(center);
        s.DragDropped = dropped;
        table.Log.Clear();
        table.Game.Player_Move();
    }
    void Discard(int slot, int target) {
        s.SrcSlot = static_cast<int16_t>(slot);
        s.TargetSlot = static_cast<int16_t>(target);
        table.Log.Clear();
        table.Game.Player_EndTurn();
    }
    FakeTable table;
    GameState& s = table.State;
};

TEST_F(HumanTurnTest, TranscriptOfAPlayFromTheHand) {
    Play(5, 1); // a Four onto the Three of center 1
    EXPECT_EQ(table.Log.Lines(),
              (std::vector<std::string>{
                  "EnablePic Picture7 False 1 10", "AnimateCard Picture7(5) -> PicCenter(1)", "StatsAdd 5 1",
                  "ToolTip PicCenter(1) = \"\"", "Hide LblWild(1)", "Hide Picture7(5)",
                  "ClearPicture Picture7(5)", "ShowCard PicCenter(1) id=4 mode=2", "Hide Picture1(0)",
                  "Refresh PicCenter(1)", "Refresh PicCenter(1)", "EnablePic Picture7 True 1 10"}));
    EXPECT_EQ(s.CenterCount[1], 4);
    EXPECT_EQ(s.CenterCards[1][4], CardOfId(4));
    EXPECT_EQ(s.PlayerCards[5], CardRec{});
    EXPECT_EQ(s.HandCount, 4);
    EXPECT_EQ(s.LastFrom, 5);
    EXPECT_EQ(s.LastTo, 1);
}

TEST_F(HumanTurnTest, ASideCardIsReplacedByTheNextOneTurnedOver) {
    Play(1, 3, true); // the side Three onto the Two of center 3, dropped there by hand
    EXPECT_EQ(s.SideCount, 2);
    EXPECT_EQ(s.PlayerCards[1], CardOfId(Id(2, 3)));
    EXPECT_EQ(s.SidePos, 6);
    EXPECT_EQ(s.Deck(2, Id(2, 3)), 1);
    EXPECT_FALSE(s.DragDropped);
    const auto shown =
        table.Log.Starting({"Hide Stack", "MoveTo", "ShowCard Picture7(1)", "Wait", "Dumbness"});
    EXPECT_EQ(shown, (std::vector<std::string>{"Hide Stack(6)", "MoveTo Picture7(1) 0,0",
                                               "ShowCard Picture7(1) id=0 mode=0", "Wait 0.5",
                                               "ShowCard Picture7(1) id=41 mode=1"}));
}

TEST_F(HumanTurnTest, SameValueFromTheHandIsAWastedSideCard) {
    Play(4, 3); // the hand's Three where the side Three could have gone
    EXPECT_TRUE(table.Log.Has("Dumbness"));
}

TEST_F(HumanTurnTest, OneSideCardLeftHidesTheBacking) {
    SetSide({Id(11, 3), Id(3, 3)});
    Play(1, 3);
    EXPECT_EQ(s.SideCount, 1);
    EXPECT_TRUE(table.Log.Has("Hide ImgHold"));
}

TEST_F(HumanTurnTest, TheLastSideCardWinsAtOnce) {
    SetSide({Id(3, 3)});
    s.SeatRec1.SideCount = 4;
    s.WorkSideCount = 4;
    s.WorkName = "Zarle";
    s.TempMovesOpen = true;
    Play(1, 3);
    EXPECT_EQ(s.SideCount, 0);
    EXPECT_EQ(s.PTurn, 0);
    EXPECT_TRUE(table.Log.Has("Hide Picture7(1)"));
    EXPECT_TRUE(table.Log.Has("StatsCk 1 2"));
    EXPECT_TRUE(table.Log.Containing("LAST CARD").size() == 1);
    EXPECT_TRUE(table.Log.Starting({"Saving", "DealCard", "EnablePic Picture7 True 1 10"}).empty())
        << "no undo record, no refill, the hand stays disabled";
}

TEST_F(HumanTurnTest, HoldTopsComeOffTheirPiles) {
    Play(8, 1); // hold pile 2's Nine has nothing beneath: the pile is empty afterwards
    EXPECT_EQ(s.PlayerCards[8], CardRec{});
    EXPECT_EQ(s.HoldCount[2], 0);
    EXPECT_TRUE(table.Log.Has("ShowCard Picture7(8) id=0 mode=88"));

    SetCenter(2, 6);
    Play(7, 2); // hold pile 1's Seven: the Eight beneath becomes the top
    EXPECT_EQ(s.PlayerCards[7], CardOfId(Id(8, 1)));
    EXPECT_EQ(s.HoldCount[1], 0);
    EXPECT_TRUE(table.Log.Has("ShowCard Picture7(7) id=21 mode=2"));
    EXPECT_TRUE(table.Log.Has("Show Picture7(7)"));
}

TEST_F(HumanTurnTest, MurphysLawWhenTheNextSideCardIsWhatTheWildStoodFor) {
    SetSide({Id(4, 3), Id(13, 3)}); // a wild on top of a Four; center 1 holds three cards
    s.SoundLevel = 1;
    Play(1, 1);
    EXPECT_EQ(s.WildSide, 1);
    EXPECT_TRUE(table.Log.Has("Label9(1) = \"\\r\\nMurphy's Law strikes again!\""));
    EXPECT_TRUE(table.Log.Has("LblWild(1) = \" 4 \""));
}

TEST_F(HumanTurnTest, TheTwelfthCardClearsTheCenterAfterTheBlockedSeatsSound) {
    SetCenter(2, 11);
    s.PlayerCards[6] = CardOfId(Id(12));
    s.SeatRec1.Slots[1] = CardOfId(Id(12, 2)); // seat 2 waited for that Queen
    s.SeatRec1.Comments[3] = "Hey!";
    s.SeatRec1.Sounds[9] = "/sounds/grr.wav";
    s.SoundLevel = 0;
    table.Random.Script = {0.25f, 0.6f}; // comment 3, sound 9
    Play(6, 2);
    const auto lines = table.Log.Starting({"Label9(2)", "SoundFile", "Wait", "Label9(0)", "Sound 118"});
    EXPECT_EQ(lines, (std::vector<std::string>{"Label9(2) = \"Hey!\"", "SoundFile \"/sounds/grr.wav\" to end",
                                               "Wait 0.5", "Label9(0) = \" CLEARING \"", "Sound 118",
                                               "Wait 1", "Wait 1"}));
    EXPECT_EQ(s.CenterCount[2], 0);
    EXPECT_EQ(s.UsedCount, 12);
}

TEST_F(HumanTurnTest, BlockingReactionsNeverRepeatAPickAndTheLowestSeatReacts) {
    table.SetTable(4, 20);
    s.SeatRec1.Slots[1] = CardOfId(Id(4, 1));
    s.SeatRec2.Slots[1] = CardOfId(Id(4, 2));
    for (int k = 1; k <= 10; ++k) s.SeatRec1.Comments[k] = "seat 2 line " + std::to_string(k);
    s.SeatRec1.Avatar = "Zarle.jpg";
    s.LastBlockComment = 4;
    s.SoundLevel = 1;
    table.Random.Script = {0.35f, 0.55f}; // 4 again is drawn anew: 6
    Play(5, 1);                           // the Four seat 2 and seat 3 both wanted
    EXPECT_TRUE(table.Log.Has("Label9(2) = \"seat 2 line 6\""));
    EXPECT_TRUE(table.Log.Has("ScaleAvatar \"Zarle.jpg\""));
    EXPECT_TRUE(s.AvatarSwapped);
    EXPECT_EQ(s.LastBlockComment, 6);
}

TEST_F(HumanTurnTest, TheFifthHandCardBringsFiveNewCards) {
    for (int slot = 2; slot <= 5; ++slot) s.PlayerCards[slot] = CardRec{};
    s.PlayerCards[6] = CardOfId(Id(1, 2));
    s.HandCount = 1;
    Play(6, 2); // the last hand card, an Ace, onto the empty center 2
    EXPECT_EQ(table.Log.Starting({"DealCard"}).size(), 5u);
    EXPECT_TRUE(table.Log.Has("Label9(1) = \"\\r\\n\\r\\nYOU Picked Up\""));
    for (int slot = 2; slot <= 6; ++slot) EXPECT_NE(s.PlayerCards[slot].Value, 0) << slot;
    EXPECT_EQ(s.PlayerCards[2].Id, 69) << "from the top of the stock";
    EXPECT_EQ(s.HandCount, 5);
    EXPECT_EQ(s.StockCount, 5);
}

TEST_F(HumanTurnTest, TranscriptOfADiscard) {
    Discard(2, 9); // the Ace onto the empty hold pile 3
    EXPECT_EQ(table.Log.Lines(),
              (std::vector<std::string>{"Label9(1) = \" \"", "Label9(2) = \" \"",
                                        "ShowCard Picture7(9) id=1 mode=4", "Hide Picture7(2)",
                                        "ClearPicture Picture7(2)", "MoveTo Picture7(2) 0,0", "Wait 0.75",
                                        "Refresh Picture7(9)", "StatsCk 1 2", "Show ImgTurn2",
                                        "Hide ImgTurn1", "EnablePic Picture7 True 7 10", "ComputerTurn"}));
    EXPECT_EQ(s.PlayerCards[9], CardOfId(1));
    EXPECT_EQ(s.PlayerCards[2], CardRec{});
    EXPECT_EQ(s.HoldCount[3], 0);
    EXPECT_EQ(s.PTurn, 2);
    EXPECT_EQ(s.TurnPos, 2);
    EXPECT_EQ(s.HandCount, 5);
    EXPECT_EQ(s.MoveRecNo, 0);
    EXPECT_TRUE(s.MissedMove) << "the side Three fitted the Two of center 3";
}

TEST_F(HumanTurnTest, AHoldPileTakesThirtyCardsBeneathItsTop) {
    s.HoldCount[1] = 30;
    Discard(3, 7);
    EXPECT_EQ(table.Log.Lines(), (std::vector<std::string>{
                                     "Label9(1) = \" \"", "Label9(2) = \" \"",
                                     "Label9(1) = \"That HOLD pile is too full. PICK ANOTHER PILE!\"",
                                     "Sound 108", "MoveTo Picture7(3) 0,0", "EnablePic Picture7 True 1 10"}));
    EXPECT_EQ(s.PTurn, 1);
    EXPECT_EQ(s.PlayerCards[3], CardOfId(Id(2, 1)));

    s.HoldCount[1] = 29;
    Discard(3, 7);
    EXPECT_EQ(s.HoldCount[1], 30);
    EXPECT_EQ(s.HoldCards[1][30], CardOfId(Id(7, 1))) << "the old top went beneath";
    EXPECT_EQ(s.PlayerCards[7], CardOfId(Id(2, 1)));
}

TEST_F(HumanTurnTest, ForcedAceAndTwoRules) {
    struct Case {
        const char* name;
        int mask;
        std::vector<int> centers;
        int discardValue; // the card in slot 2, which is discarded
        int otherHand;    // the card in slot 3
        int side, holdTop;
        const char* refusedFor; // nullptr: the discard goes through
    };
    const Case cases[] = {
        {"AceInHand", 1, {0, 5, 6}, 7, 1, 9, 9, "Ace"},
        {"AceButNoEmptyCenter", 1, {4, 5, 6}, 7, 1, 9, 9, nullptr},
        {"VisibleOnlyIgnoresTheHand", 5, {0, 5, 6}, 7, 1, 9, 9, nullptr},
        {"VisibleOnlyDiscardedAce", 5, {0, 5, 6}, 1, 7, 9, 9, "Ace"},
        {"VisibleOnlySideAce", 5, {0, 5, 6}, 7, 8, 1, 9, "Ace"},
        {"VisibleOnlyHoldAce", 7, {0, 5, 6}, 7, 8, 9, 1, "Ace"},
        {"TwoOnASingleAce", 2, {1, 5, 6}, 7, 2, 9, 9, "Two"},
        {"TwoButNoSingleAce", 2, {2, 5, 6}, 7, 2, 9, 9, nullptr},
        {"AceRuleFirst", 3, {0, 1, 6}, 2, 1, 9, 9, "Ace"},
        {"VisibleOnlyAlone", 4, {0, 1, 6}, 2, 1, 1, 1, nullptr},
    };
    for (const Case& c : cases) {
        Reset();
        s.ForcedMask = static_cast<int16_t>(c.mask);
        for (int center = 1; center <= 3; ++center) SetCenter(center, c.centers[center - 1]);
        s.PlayerCards[2] = CardOfId(Id(c.discardValue, 1));
        s.PlayerCards[3] = CardOfId(Id(c.otherHand, 2));
        for (int slot = 4; slot <= 6; ++slot) s.PlayerCards[slot] = CardOfId(Id(10, slot - 4));
        SetSide({Id(c.side, 3)});
        s.PlayerCards[8] = CardOfId(Id(c.holdTop, 3));
        Discard(2, 10);
        const auto boxes = table.Log.Starting({"MsgBox"});
        if (c.refusedFor == nullptr) {
            EXPECT_TRUE(boxes.empty()) << c.name;
            EXPECT_EQ(s.PTurn, 2) << c.name;
            continue;
        }
        const std::string rule = c.refusedFor;
        EXPECT_EQ(boxes, (std::vector<std::string>{"MsgBox \"Forced " + rule +
                                                   " rule is in effect. You must play your " + rule +
                                                   "\" 64 \"Rule Enforced\" -> 1"}))
            << c.name;
        EXPECT_EQ(s.PTurn, 1) << c.name;
        EXPECT_EQ(s.PlayerCards[10], CardRec{}) << c.name;
        EXPECT_TRUE(table.Log.Has("EnablePic Picture7 True 1 10")) << c.name;
    }
}

} // namespace
} // namespace zarle::testing
