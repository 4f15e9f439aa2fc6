#include "tests/persistence/games/GamesFixture.h"

#include "base/records/HighScoreRecord.h"
#include "base/records/RecordFile.h"
#include "engine/Rules.h"
#include "persistence/games/SavedGameCopy.h"
#include "base/records/ScoreRecord.h"

namespace zarle::testing {

void GamesTest::SetUp() {
    ProfilesTest::SetUp();
    Opponents.Attach(Game);
    WritePlayers({Header("Pat"), Player("Pat")});
    {
        RecordFile scores(DataFile("scores.ran"), ScoreRecord::Size, RecordFile::Access::Create);
        for (int n = 1; n <= 18; ++n) WriteRecord(scores, n, ScoreRecord{});
        RecordFile high(DataFile("highscore.ran"), HighScoreRecord::Size, RecordFile::Access::Create);
        for (int n = 1; n <= 20; ++n) WriteRecord(high, n, HighScoreRecord{});
    }
    state.PlayerName = "Pat";
    profile.LastPlayerName = "Pat";
    profile.PlayerNames = {"Pat"};
    profile.PlayerRecNo = 2;
    profile.SavePrefs = true;
    profile.PlayerRec = StoredPlayer(2);
    state.SeatRec1.Name = "Zarle";
    state.SeatRec2.Name = "Quenor";
    state.SeatRec3.Name = "Vova";
    state.MoveDelay = 0;
}

void GamesTest::Deal(int players, int sideSize, unsigned seed) {
    state.NumPlayers = static_cast<int16_t>(players);
    state.NumCenters = static_cast<int16_t>(players > 2 ? 4 : 3);
    state.SideSizeM1 = static_cast<int16_t>(sideSize - 1);
    state.DeckSize = static_cast<int16_t>(52 * players);
    state.Seat3Shown = players > 2;
    state.Seat4Shown = players == 4;
    for (unsigned i = 0; i < seed * 37; ++i) Random.Rnd();
    if (!state.TempMovesOpen) Game.TempMoves_Open(true);
    Opponents.PlaySeats = false;
    Game.ClearBoard();
    ASSERT_TRUE(Game.SetUp());
    Game.GoDeal();
    state.PTurn = 1;
    WhosOnFirst(state);
    StartHumanTurn();
    Opponents.PlaySeats = true;
}

void GamesTest::StartHumanTurn() {
    Games.SaveAuto();
    state.MoveRecNo = 1;
    Game.UndoLogFile()->Write(1, Persistence.UndoRecord());
}

void GamesTest::Play(int slot, int center) {
    state.SrcSlot = static_cast<int16_t>(slot);
    state.CenterIdx = static_cast<int16_t>(center);
    state.DragDropped = false;
    Game.Legal();
    ASSERT_NE(state.PTurn, 99) << "slot " << slot << " does not fit center " << center;
    Game.Player_Move();
}

void GamesTest::PlayTurns(int turns) {
    for (int turn = 0; turn < turns && state.PTurn == 1; ++turn) {
        for (bool played = true; played && state.PTurn == 1;) {
            played = false;
            for (int slot = 1; slot <= SlotCount && !played; ++slot) {
                const CardRec card = state.PlayerCards[slot];
                for (int c = 1; c <= state.NumCenters && card.Value != 0 && !played; ++c) {
                    const bool fits = card.Value == WildValue ? state.CenterCount[c] > 0
                                                              : card.Value == state.CenterCount[c] + 1;
                    if (fits) {
                        Play(slot, c);
                        played = true;
                    }
                }
            }
        }
        if (state.PTurn != 1) return;
        int src = 2;
        while (src <= 6 && state.PlayerCards[src].Value == 0) ++src;
        if (src > 6) return;
        state.SrcSlot = static_cast<int16_t>(src);
        state.TargetSlot = static_cast<int16_t>(7 + turn % HoldPiles);
        Game.Player_EndTurn();
        if (state.PTurn == 1) {
            ++state.TurnCounter;
            StartHumanTurn();
        }
    }
}

void GamesTest::PutInHand(int slot, int value) {
    for (int i = 1; i <= state.StockCount; ++i) {
        if (state.Deck(1, i) != value) continue;
        const CardRec card = state.Deck.CardAt(i);
        state.Deck.SetCard(i, state.PlayerCards[slot]);
        state.PlayerCards[slot] = card;
        return;
    }
    FAIL() << "no card of value " << value << " in the stock";
}

SavedGameRecord GamesTest::BoardRecord() const {
    SavedGameRecord record;
    FillSavedGame(state, record);
    return record;
}

SavedGameRecord GamesTest::SlotRecord(int slot) const {
    RecordFile file(Games.SaveFile(), SavedGameRecord::Size, RecordFile::Access::ReadOnly);
    return ReadRecord<SavedGameRecord>(file, slot);
}

void GamesTest::WriteSlot(int slot, const SavedGameRecord& record) {
    RecordFile file(Games.SaveFile(), SavedGameRecord::Size, RecordFile::Access::Create);
    ASSERT_TRUE(WriteRecord(file, slot, record)) << file.Error();
}

std::vector<uint8_t> GamesTest::SaveFileBytes() const {
    return ReadBytes(Games.SaveFile());
}

} // namespace zarle::testing
