// Saved games on the real engine: round trips, refused records, the automatic copies, Undo,
// Restart Turn and Previous Turn.

#include "tests/support/engine/GameInvariants.h"
#include "tests/persistence/games/GamesFixture.h"
#include "base/records/RecordFile.h"
#include "persistence/games/SavedGameCheck.h"
#include "persistence/games/SavedGameCopy.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>

namespace zarle::testing {
namespace {

using Source = SavedGames::Source;

// The working copy is loaded from seat 2 after a restore, whichever seat it held when saved.
SavedGameRecord WithoutWorkingCopy(SavedGameRecord r) {
    r.WorkSideCount = 0;
    r.WorkSidePos = 0;
    r.Name.clear();
    return r;
}

// The cards marked seen in the deck.
std::set<int> Seen(const GameState& s) {
    std::set<int> seen;
    for (int id = 1; id <= s.DeckSize; ++id)
        if (s.Deck(2, id) == 1) seen.insert(id);
    return seen;
}

// The cards that lie face up: the used pile, the centers, every slot and every hold pile.
std::set<int> FaceUp(const GameState& s) {
    std::set<int> ids;
    const auto add = [&ids](CardRec card) {
        if (card.Id != 0) ids.insert(card.Id);
    };
    for (int i = 1; i <= s.UsedCount; ++i) add(s.UsedCards[i]);
    for (int c = 1; c <= s.NumCenters; ++c)
        for (int k = 1; k <= s.CenterCount[c]; ++k) add(s.CenterCards[c][k]);
    for (CardRec card : s.PlayerCards) add(card);
    for (int h = 1; h <= HoldPiles; ++h)
        for (int k = 1; k <= s.HoldCount[h]; ++k) add(s.HoldCards[h][k]);
    for (int seat = 2; seat <= s.NumPlayers; ++seat) {
        for (CardRec card : s.Seat(seat).Slots) add(card);
        for (int h = 1; h <= HoldPiles; ++h)
            for (int k = 1; k <= s.Seat(seat).HoldInfo[h][1]; ++k) add(s.Seat(seat).HoldCards[h][k]);
    }
    return ids;
}

bool Includes(const std::set<int>& all, const std::set<int>& part) {
    return std::includes(all.begin(), all.end(), part.begin(), part.end());
}

void ChooseSlot(SaveSlotsPrompt& prompt, int slot) {
    prompt.Text1_MouseDown(slot);
    prompt.Text1_Click(slot);
    ASSERT_TRUE(prompt.cmdSave_Click());
}

class SavedGamesTest : public GamesTest {};

class RoundTripTest : public GamesTest, public ::testing::WithParamInterface<int> {};

TEST_P(RoundTripTest, EveryPileCountAndMarkComesBack) {
    const int players = GetParam();
    Deal(players);
    PlayTurns(6);
    ASSERT_EQ(state.PTurn, 1);
    Dialog.Script = [](SaveSlotsPrompt& p) {
        p.Text1_MouseDown(3);
        p.Text1_Click(3);
        p.Text1_Change(3, p.Slots[3].Text + "evening");
        ASSERT_TRUE(p.cmdSave_Click());
    };
    Games.SaveGame();
    const SavedGameRecord saved = BoardRecord();
    const std::set<int> faceUp = FaceUp(state);
    EXPECT_EQ(SlotRecord(3).Name, std::to_string(players) + "P_evening");
    EXPECT_EQ(WithoutWorkingCopy(SlotRecord(3)), WithoutWorkingCopy(saved));

    // Another game with other counts on the board, then the saved one back.
    Deal(players == 2 ? 3 : 2, 26, 5);
    Log.Clear();
    View.Calls.clear();
    Dialog.Script = [](SaveSlotsPrompt& p) { ChooseSlot(p, 3); };
    Games.RestoreGame();

    EXPECT_EQ(WithoutWorkingCopy(BoardRecord()), WithoutWorkingCopy(saved));
    EXPECT_TRUE(Includes(Seen(state), faceUp));
    EXPECT_EQ(CheckGameInvariants(state, Opponents.LoadedSeat), "");
    ASSERT_EQ(View.Calls.size(), 1u);
    EXPECT_EQ(Board.Captions["Label9(1)"], "\r\nIt's still your turn.");
    EXPECT_TRUE(Log.Has("Sound 121"));
    EXPECT_EQ(state.OwnTurnSign, 1);
    EXPECT_TRUE(Log.Has("EnablePic Picture7 True 1 10")) << Log.Dump();
    // Both turn-start copies are the game taken up, and the undo log starts from it.
    EXPECT_EQ(WithoutWorkingCopy(SlotRecord(11)), WithoutWorkingCopy(saved));
    EXPECT_EQ(SlotRecord(12), SlotRecord(11));
    EXPECT_EQ(state.MoveRecNo, 1);
    PlayTurns(3);
    EXPECT_EQ(CheckGameInvariants(state, Opponents.LoadedSeat), "");
}

INSTANTIATE_TEST_SUITE_P(Players, RoundTripTest, ::testing::Values(2, 3, 4));

TEST_F(SavedGamesTest, AGameOnTheOpponentsMoveWaitsAndHandsThemTheTurn) {
    Deal(2);
    SavedGameRecord record = BoardRecord();
    record.PTurn = 2;
    WriteSlot(5, record);
    Opponents.PlaySeats = false;
    Log.Clear();
    state.SaveSlot = 5;
    ASSERT_TRUE(Games.Restoring(Source::SaveFile));
    EXPECT_EQ(Board.Captions["Label9(1)"], "\r\nIt's NOT your turn.");
    EXPECT_EQ(Log.Starting({"Wait", "ComputerTurn"}), (std::vector<std::string>{"Wait 1.5", "ComputerTurn"}));
    EXPECT_EQ(state.OppTurnSign, 1);
    EXPECT_EQ(state.TurnOrder[1], 2);
}

TEST_F(SavedGamesTest, TheStartOfTheGameComesBackFromSlotThirteen) {
    Deal(4);
    const SavedGameRecord dealt = SlotRecord(GameStartSlot);
    PlayTurns(3);
    Opponents.PlaySeats = false; // the deal may have given the first move to an opponent
    Games.RestoreSlot(GameStartSlot);
    SavedGameRecord now = BoardRecord();
    now.Name = dealt.Name;
    now.WorkSideCount = dealt.WorkSideCount;
    now.WorkSidePos = dealt.WorkSidePos;
    EXPECT_EQ(now, dealt);
}

// A game taken up from a slot starts over from where it was taken up, not from the game dealt last.
TEST_F(SavedGamesTest, RestartAfterARestoreStartsTheRestoredGameOver) {
    Deal(2);
    PlayTurns(2);
    const SavedGameRecord saved = BoardRecord();
    WriteSlot(4, saved);
    Deal(3, 15, 5);
    Dialog.Script = [](SaveSlotsPrompt& p) {
        p.Text1_Click(4);
        EXPECT_TRUE(p.cmdSave_Click());
    };
    Games.RestoreGame();
    PlayTurns(1);
    Opponents.PlaySeats = false;
    Games.RestoreSlot(GameStartSlot);
    EXPECT_EQ(WithoutWorkingCopy(BoardRecord()), WithoutWorkingCopy(saved));
}

TEST_F(SavedGamesTest, ARecordOlderThanTheSidePileSizeRestoresTwentyCardSidePiles) {
    Deal(2);
    SavedGameRecord record = BoardRecord();
    record.SideSizeM1 = 0;
    WriteSlot(2, record);
    state.SideSizeM1 = 25;
    state.SaveSlot = 2;
    ASSERT_TRUE(Games.Restoring(Source::SaveFile));
    EXPECT_EQ(state.SideSizeM1, 19);
    EXPECT_EQ(state.SideCount, record.SideCount);
}

TEST_F(SavedGamesTest, AThreePlayerGameOnATwoPlayerBoardIsLaidOutBeforeItsPilesAreCopied) {
    Deal(3);
    const SavedGameRecord three = BoardRecord();
    WriteSlot(1, three);
    Deal(2, 20, 3);
    state.SeatRec2.SideCount = -7; // what seat 3 held before the restore
    View.Calls.clear();
    state.SaveSlot = 1;
    ASSERT_TRUE(Games.Restoring(Source::SaveFile));
    ASSERT_EQ(View.Calls.size(), 1u);
    const auto call = View.Calls[0];
    EXPECT_EQ(call.PrevPlayers, 2);
    EXPECT_EQ(call.PrevCenters, 3);
    EXPECT_EQ(call.Players, 3);
    EXPECT_EQ(call.Centers, 4);
    EXPECT_EQ(call.Seat3SideCount, -7);
    EXPECT_EQ(state.SeatRec2.SideCount, three.Seats[1].SideCount);
    EXPECT_TRUE(state.Seat3Shown);
}

// The side piles' positions follow from their counts; whatever positions a record holds, the
// board shows each pile's frames for its count.
TEST_F(SavedGamesTest, SidePilePositionsComeFromTheCounts) {
    Deal(3);
    PlayTurns(2);
    SavedGameRecord record = BoardRecord();
    const SavedGameRecord sound = record;
    record.SidePos = 500;
    record.WorkSidePos = -300;
    record.Seats[0].SidePos = 7;
    record.Seats[1].SidePos = -1;
    WriteSlot(4, record);
    state.SaveSlot = 4;
    ASSERT_TRUE(Games.Restoring(Source::SaveFile));
    EXPECT_EQ(state.SidePos, FramesPerSeat + 1 - sound.SideCount);
    EXPECT_EQ(state.SeatRec1.SidePos, 2 * FramesPerSeat + 1 - sound.Seats[0].SideCount);
    EXPECT_EQ(state.SeatRec2.SidePos, 3 * FramesPerSeat + 1 - sound.Seats[1].SideCount);
    EXPECT_EQ(state.SidePos, sound.SidePos) << "a record the game wrote has them so";
    EXPECT_EQ(state.SeatRec1.SidePos, sound.Seats[0].SidePos);
    EXPECT_EQ(state.SeatRec2.SidePos, sound.Seats[1].SidePos);
    EXPECT_EQ(state.WorkSidePos, state.SeatRec1.SidePos) << "the working copy is seat 2's after a restore";
}

struct BadRecord {
    const char* name;
    std::function<void(SavedGameRecord&)> spoil;
    const char* says;
};

const BadRecord BadRecords[] = {
    {"FivePlayers", [](SavedGameRecord& r) { r.NumPlayers = 5; }, "number of players (5)"},
    {"NoPlayers", [](SavedGameRecord& r) { r.NumPlayers = 0; }, "number of players (0)"},
    {"FiveCenters", [](SavedGameRecord& r) { r.NumCenters = 5; }, "center piles (5)"},
    {"ThreeCentersForThree", [](SavedGameRecord& r) { r.NumPlayers = 3; }, "center piles (3)"},
    {"OddSidePile", [](SavedGameRecord& r) { r.SideSizeM1 = 11; }, "side-pile size (12)"},
    {"SeatThreeToMove", [](SavedGameRecord& r) { r.PTurn = 3; }, "player to move (3)"},
    {"HugeStock", [](SavedGameRecord& r) { r.StockCount = 300; }, "more cards than the deck"},
    {"HugeSidePile", [](SavedGameRecord& r) { r.SideCount = 27; }, "side pile holds more"},
    {"DeepHoldPile", [](SavedGameRecord& r) { r.Seats[0].HoldInfo[2][1] = 31; }, "hold pile holds more"},
    {"HandOfSix", [](SavedGameRecord& r) { r.HandCount = 6; }, "hand count (6)"},
    {"CardTwice", [](SavedGameRecord& r) { r.Deck[1] = r.Deck[2]; }, "twice"},
    {"WrongValue", [](SavedGameRecord& r) { r.Deck[1].Value = r.Deck[1].Value % 13 + 1; },
     "not a card of the deck"},
    {"CardLost", [](SavedGameRecord& r) { r.Deck[r.StockCount--] = {}; }, "missing"},
    {"SideTopElsewhere", [](SavedGameRecord& r) { std::swap(r.PlayerCards[1], r.PlayerCards[2]); },
     "not your side pile's top"},
    {"UnknownForcedRule", [](SavedGameRecord& r) { r.ForcedMask = 999; }, "forced-card rule (999)"},
    {"NegativeForcedRule", [](SavedGameRecord& r) { r.ForcedMask = -1; }, "forced-card rule (-1)"},
};

class BadRecordTest : public GamesTest, public ::testing::WithParamInterface<BadRecord> {};

TEST_P(BadRecordTest, IsRefusedBeforeAnythingChanges) {
    Deal(2);
    SavedGameRecord record = BoardRecord();
    GetParam().spoil(record);
    WriteSlot(4, record);
    PlayTurns(1);
    const SavedGameRecord before = BoardRecord();
    const auto fileBefore = SaveFileBytes();
    const auto captions = Board.Captions;
    Log.Clear();
    state.SaveSlot = 4;
    EXPECT_FALSE(Games.Restoring(Source::SaveFile));
    const auto boxes = Log.Starting({"MsgBox"});
    ASSERT_EQ(boxes.size(), 1u) << Log.Dump();
    EXPECT_NE(boxes[0].find(GetParam().says), std::string::npos) << boxes[0];
    EXPECT_NE(boxes[0].find(" 16 \"Restore Game\""), std::string::npos) << boxes[0];
    EXPECT_EQ(BoardRecord(), before);
    EXPECT_EQ(SaveFileBytes(), fileBefore);
    EXPECT_EQ(Board.Captions, captions);
    EXPECT_TRUE(Games.DialogCancelled());
}

INSTANTIATE_TEST_SUITE_P(Records, BadRecordTest, ::testing::ValuesIn(BadRecords),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SavedGamesTest, ASlotNeverWrittenOrCutShortHoldsNoGame) {
    Deal(2);
    WriteSlot(4, BoardRecord());
    std::filesystem::resize_file(Games.SaveFile(), 4 * SavedGameRecord::Size - 100);
    const SavedGameRecord before = BoardRecord();
    for (int slot : {4, 9}) {
        Log.Clear();
        state.SaveSlot = static_cast<int16_t>(slot);
        EXPECT_FALSE(Games.Restoring(Source::SaveFile));
        EXPECT_EQ(Log.Starting({"MsgBox"}),
                  (std::vector<std::string>{"MsgBox \"There is no saved game in slot " +
                                            std::to_string(slot) + ".\" 16 \"Restore Game\" -> 1"}));
        EXPECT_EQ(BoardRecord(), before);
    }
}

struct AutoCopies {
    int turnCounter;
    std::vector<int> written;
};

class AutoSaveTest : public GamesTest, public ::testing::WithParamInterface<AutoCopies> {};

TEST_P(AutoSaveTest, WritesTheTurnStartCopyForTheParityAndTheLatest) {
    Deal(2);
    std::filesystem::remove(Games.SaveFile());
    SavedGameRecord filler;
    filler.Name = "earlier";
    for (int slot = 1; slot <= 14; ++slot) WriteSlot(slot, filler);
    state.TurnCounter = static_cast<int16_t>(GetParam().turnCounter);
    Games.SaveAuto();
    SavedGameRecord expected = BoardRecord();
    expected.Name = "AutoSave";
    const auto& written = GetParam().written;
    for (int slot = 1; slot <= 14; ++slot) {
        const bool copy = std::find(written.begin(), written.end(), slot) != written.end();
        EXPECT_EQ(SlotRecord(slot), copy ? expected : filler) << "slot " << slot;
    }
    EXPECT_EQ(std::filesystem::file_size(Games.SaveFile()), 14 * SavedGameRecord::Size);
}

INSTANTIATE_TEST_SUITE_P(Turns, AutoSaveTest,
                         ::testing::Values(AutoCopies{0, {11, 12, 13, 14}}, AutoCopies{1, {12, 14}},
                                           AutoCopies{2, {11, 14}}, AutoCopies{3, {12, 14}}));

TEST_F(SavedGamesTest, TheDealWritesItsGameIntoAllFourCopies) {
    Deal(3);
    // The deal wrote slots 11..14 at turn 0; the start of turn 1 then 12 and 14 again.
    EXPECT_EQ(SlotRecord(11), SlotRecord(13));
    EXPECT_EQ(SlotRecord(13).Name, "AutoSave");
    EXPECT_EQ(SavedGameProblem(SlotRecord(13)), "");
    EXPECT_EQ(SlotRecord(12), SlotRecord(14));
}

TEST_F(SavedGamesTest, TickingAutoSaveMidGameWritesTheCopiesAtOnce) {
    Deal(2);
    PlayTurns(2);
    Game.TempMoves_Open(false);
    ASSERT_EQ(state.TurnCounter, 0);
    const SavedGameRecord before11 = SlotRecord(11);
    const SavedGameRecord before13 = SlotRecord(13);
    Dialog.Script = [](SaveSlotsPrompt& p) {
        EXPECT_FALSE(p.AutoSaveTicked);
        p.Check1_Click(true);
        p.Check1_MouseUp(true);
        EXPECT_TRUE(p.Slots[AutoSaveSlot].Visible);
        EXPECT_TRUE(p.Command2_Click());
    };
    Games.RestoreGame();
    EXPECT_TRUE(Dialog.AutoSaveVisible);
    EXPECT_TRUE(state.TempMovesOpen);
    EXPECT_EQ(state.TurnCounter, 1);
    SavedGameRecord expected = BoardRecord();
    expected.Name = "AutoSave";
    EXPECT_EQ(SlotRecord(12), expected);
    EXPECT_EQ(SlotRecord(14), expected);
    EXPECT_EQ(SlotRecord(11), before11);
    EXPECT_EQ(SlotRecord(13), before13);
    EXPECT_TRUE(Games.DialogCancelled());
}

// The human holds an Ace, a Two and a Three at the start of a turn and plays them onto center 1.
class UndoTest : public GamesTest {
  protected:
    void SetUp() override {
        GamesTest::SetUp();
        Deal(2);
        PutInHand(2, 1);
        PutInHand(3, 2);
        PutInHand(4, 3);
        StartHumanTurn();
        steps.push_back(WithoutWorkingCopy(BoardRecord()));
        for (int slot : {2, 3, 4}) {
            Play(slot, 1);
            steps.push_back(WithoutWorkingCopy(BoardRecord()));
        }
        ASSERT_EQ(state.MoveRecNo, 4);
    }
    std::vector<SavedGameRecord> steps; // before the plays, then after each
};

TEST_F(UndoTest, UndoGoesBackOnePlayAtATimeToTheStartOfTheTurn) {
    const char* runTexts[] = {" 0- 0- 0- [ 0 ]", " 0- 1- 0- [ 1 ]", " 0- 2- 0- [ 2 ]"};
    for (int back = 2; back >= 0; --back) {
        Log.Clear();
        Games.UndoPlay();
        EXPECT_EQ(WithoutWorkingCopy(BoardRecord()), steps[back]) << "back to " << back;
        EXPECT_EQ(state.MoveRecNo, back + 1);
        EXPECT_EQ(state.Stats[1][1], back);
        EXPECT_TRUE(Log.Has(std::string("Panel(2) = ") + Quoted(runTexts[back]))) << Log.Dump();
        EXPECT_TRUE(Log.Has("Sound 117"));
        EXPECT_FALSE(state.UndoMode);
    }
    // Nothing left to take back.
    const auto fileBefore = SaveFileBytes();
    Log.Clear();
    Games.UndoPlay();
    EXPECT_TRUE(Log.Lines().empty()) << Log.Dump();
    EXPECT_EQ(WithoutWorkingCopy(BoardRecord()), steps[0]);
    EXPECT_EQ(SaveFileBytes(), fileBefore);
}

TEST_F(UndoTest, BackspacePlaysTheTurnAgainFromItsStart) {
    Log.Clear();
    Games.RestartCurrentTurn();
    EXPECT_EQ(WithoutWorkingCopy(BoardRecord()), steps[0]);
    EXPECT_EQ(state.MoveRecNo, 1);
    // The plays taken back are no longer the turn's run, on the status bar or in the statistics.
    EXPECT_EQ(state.Stats[1], (StatsRow{}));
    EXPECT_TRUE(Log.Has("Panel(2) = \" 0- 0- 0- [ 0 ]\"")) << Log.Dump();
    EXPECT_FALSE(state.RestartMode);
    EXPECT_EQ(WithoutWorkingCopy(SavedGameRecord::Decode(Game.UndoLogFile()->Read(1))), steps[0]);
    // The turn goes on from there, and can be taken back again.
    Play(2, 1);
    Games.UndoPlay();
    EXPECT_EQ(WithoutWorkingCopy(BoardRecord()), steps[0]);
}

struct Refusal {
    const char* name;
    std::function<void(GamesTest&, GameState&)> arrange;
    const char* text;
};

class RestartRefusalTest : public GamesTest, public ::testing::WithParamInterface<Refusal> {};

TEST_P(RestartRefusalTest, SaysWhyAndChangesNothing) {
    Deal(2);
    PutInHand(2, 1);
    Play(2, 1);
    GetParam().arrange(*this, state);
    const SavedGameRecord before = BoardRecord();
    Log.Clear();
    Games.RestartCurrentTurn();
    EXPECT_EQ(Log.Starting({"MsgBox"}),
              (std::vector<std::string>{"MsgBox " + Quoted(GetParam().text) + " 64 \"Restart Turn\" -> 1"}));
    EXPECT_EQ(BoardRecord(), before);
    EXPECT_FALSE(state.RestartMode);
}

INSTANTIATE_TEST_SUITE_P(
    Refusals, RestartRefusalTest,
    ::testing::Values(Refusal{"InternetGame", [](GamesTest&, GameState& s) { s.NetMode = 1; },
                              "Restart turn cannot be used during an Internet game"},
                      Refusal{"NoAutoSave", [](GamesTest&, GameState& s) { s.TempMovesOpen = false; },
                              "The AutoSave box from the Game Menu, Restore Game option,\r\nmust be checked "
                              "to use this option."},
                      Refusal{"NoGame", [](GamesTest&, GameState& s) { s.PTurn = 0; },
                              "Huh? No turn to restart! (?)"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SavedGamesTest, PreviousTurnTakesTheOtherTurnStartCopy) {
    Deal(2);
    PlayTurns(1);
    const SavedGameRecord a = BoardRecord();
    PlayTurns(1);
    const SavedGameRecord b = BoardRecord();
    ASSERT_NE(a, b);
    for (const auto& [turnCounter, expected] : {std::pair{2, b}, std::pair{3, a}}) {
        WriteSlot(11, a);
        WriteSlot(12, b);
        state.TurnCounter = static_cast<int16_t>(turnCounter);
        Log.Clear();
        Games.PreviousTurn();
        EXPECT_EQ(WithoutWorkingCopy(BoardRecord()), WithoutWorkingCopy(expected)) << turnCounter;
        EXPECT_EQ(WithoutWorkingCopy(SlotRecord(11)), WithoutWorkingCopy(expected));
        EXPECT_EQ(SlotRecord(11), SlotRecord(12));
        EXPECT_TRUE(Log.Has("Panel(6) = \"\""));
        EXPECT_FALSE(state.PrevTurnMode);
    }
}

TEST_F(SavedGamesTest, PreviousTurnWithNoCopyWrittenIsRefused) {
    Deal(2);
    std::filesystem::remove(Games.SaveFile());
    const SavedGameRecord before = BoardRecord();
    Log.Clear();
    Games.PreviousTurn();
    EXPECT_EQ(Log.Starting({"MsgBox"}),
              (std::vector<std::string>{"MsgBox \"No move to restore!\" 16 \"Previous Turn\" -> 1"}));
    EXPECT_EQ(BoardRecord(), before);
    EXPECT_FALSE(std::filesystem::exists(Games.SaveFile()));
}

TEST_F(SavedGamesTest, NothingStartsWhileARestoreOrTheComputerIsRunning) {
    Deal(2);
    SavedGameRecord record = BoardRecord();
    record.PTurn = 2;
    WriteSlot(5, record);
    Opponents.PlaySeats = false;
    int tries = 0;
    Waiter.OnEvents = [&] {
        ++tries;
        Games.SaveGame();
        Games.RestoreGame();
        Games.PreviousTurn();
        Games.RestartCurrentTurn();
        Games.UndoPlay();
    };
    Log.Clear();
    state.SaveSlot = 5;
    ASSERT_TRUE(Games.Restoring(Source::SaveFile));
    EXPECT_GT(tries, 0);
    EXPECT_EQ(Dialog.Shown, 0);
    EXPECT_TRUE(Log.Starting({"MsgBox"}).empty()) << Log.Dump();

    Waiter.OnEvents = nullptr;
    state.GameBusy = true; // the computer seats are moving
    const auto fileBefore = SaveFileBytes();
    Games.SaveGame();
    Games.PreviousTurn();
    EXPECT_EQ(Dialog.Shown, 0);
    EXPECT_EQ(SaveFileBytes(), fileBefore);
}

TEST_F(SavedGamesTest, EveryCopyOfWholeGamesIsAPlayableRecord) {
    for (int players = 2; players <= 4; ++players) {
        Deal(players, players == 2 ? 26 : 15, static_cast<unsigned>(players));
        for (int turn = 0; turn < 60 && state.PTurn == 1; ++turn) {
            PlayTurns(1);
            if (state.PTurn != 1) break;
            ASSERT_EQ(SavedGameProblem(SlotRecord(14)), "") << players << " players, turn " << turn;
            for (int n = 1; n <= state.MoveRecNo; ++n)
                ASSERT_EQ(SavedGameProblem(SavedGameRecord::Decode(Game.UndoLogFile()->Read(n))), "");
        }
    }
}

} // namespace
} // namespace zarle::testing
