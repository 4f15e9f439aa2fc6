// Saved games on the real board with the computer personalities: the copies taken when the move
// comes back to the human, and the status bar's "Undo" panel.

#include "tests/support/board/BoardTable.h"
#include "tests/support/PicturesFolder.h"
#include "base/records/RecordFile.h"
#include "persistence/games/SavedGameCopy.h"
#include "engine/UndoLog.h"

#include <QDir>

#include <gtest/gtest.h>

namespace zarle::test {
namespace {

SavedGameRecord BoardRecord(const GameState& s, const char* name) {
    SavedGameRecord record;
    FillSavedGame(s, record);
    record.Name = name;
    return record;
}

class SavedGamesBoardTest : public ::testing::Test {
  protected:
    void SetUp() override {
        QDir(t.Folder.path()).mkpath("Data");
        t.Game.MoveDelay = 0;
        t.Window->TheEngine().TempMoves_Open(true);
        t.Window->Deal();
        GameState& s = t.Game;
        if (s.TurnCounter == 1) {
            // The human went first: his turn ends with a discard, the computer plays and hands the
            // move back.
            s.SrcSlot = 2;
            s.TargetSlot = 7;
            t.Window->TheEngine().Player_EndTurn();
        }
        ASSERT_EQ(s.PTurn, 1);
    }
    SavedGameRecord Slot(int n) {
        RecordFile file(t.Window->Saves().SaveFile(), SavedGameRecord::Size, RecordFile::Access::ReadOnly);
        return ReadRecord<SavedGameRecord>(file, n);
    }
    BoardTable t{TableSetting{2, 3}};
};

TEST_F(SavedGamesBoardTest, TheSecondTurnStartsInSlotElevenAndTheLatest) {
    EXPECT_EQ(t.Game.TurnCounter, 2);
    const SavedGameRecord now = BoardRecord(t.Game, "AutoSave");
    EXPECT_EQ(Slot(11), now);
    EXPECT_EQ(Slot(14), now);
    EXPECT_EQ(Slot(12), Slot(13)) << "the deal's copies stay";
    EXPECT_NE(Slot(12), now);
    EXPECT_EQ(t.Game.MoveRecNo, 1);
}

TEST_F(SavedGamesBoardTest, TheUndoPanelTakesBackThePlay) {
    GameState& s = t.Game;
    // A stock card that center 1 takes, into the hand (the computer's turn may have filled every
    // center), and the turn's first undo record taken again.
    const int needed = s.CenterCount[1] + 1;
    for (int i = 1; i <= s.StockCount; ++i) {
        if (s.Deck(1, i) != needed) continue;
        const CardRec card = s.Deck.CardAt(i);
        s.Deck.SetCard(i, s.PlayerCards[2]);
        s.PlayerCards[2] = card;
        break;
    }
    ASSERT_EQ(s.PlayerCards[2].Value, needed);
    t.Window->TheEngine().UndoLogFile()->Write(1, t.Window->Saves().UndoRecord());
    const SavedGameRecord before = BoardRecord(s, "");

    s.SrcSlot = 2;
    s.CenterIdx = 1;
    s.DragDropped = false;
    t.Window->TheEngine().Legal();
    ASSERT_EQ(s.PTurn, 1);
    t.Window->TheEngine().Player_Move();
    ASSERT_EQ(s.MoveRecNo, 2);
    t.Window->Input().StatusBar1_PanelClick(3);

    SavedGameRecord after = BoardRecord(s, "");
    after.WorkSideCount = before.WorkSideCount;
    after.WorkSidePos = before.WorkSidePos;
    EXPECT_EQ(after, before);
    EXPECT_EQ(s.MoveRecNo, 1);
    EXPECT_FALSE(t.Widget({Ctl::Picture7, 2})->isHidden());
}

TEST(SavedGamesOnTheBoard, AThreePlayerGameRestoredOnATwoPlayerBoard) {
    BoardTable three(TableSetting{3});
    three.Window->Deal();
    three.Game.PTurn = 1;
    BoardTable two(TableSetting{2, 3});
    QDir(two.Folder.path()).mkpath("Data");
    two.Window->Deal();
    {
        RecordFile file(two.Window->Saves().SaveFile(), SavedGameRecord::Size, RecordFile::Access::ReadWrite);
        ASSERT_TRUE(WriteRecord(file, 1, BoardRecord(three.Game, "three")));
    }
    two.Game.SaveSlot = 1;
    ASSERT_TRUE(two.Window->Saves().Restoring(SavedGames::Source::SaveFile));
    EXPECT_EQ(two.Game.NumPlayers, 3);
    // Every card in a side pile or hand shows; the slots played from stay empty.
    for (int seat = 1; seat <= 3; ++seat) {
        const Ctl pictures[] = {Ctl::Picture7, Ctl::Picture1, Ctl::Picture2};
        const SlotRow& seatSlots = seat == 1 ? two.Game.PlayerCards : two.Game.Seat(seat).Slots;
        for (int slot = 1; slot <= 6; ++slot)
            EXPECT_EQ(two.Widget({pictures[seat - 1], slot})->isHidden(), seatSlots[slot].Value == 0)
                << "seat " << seat << " slot " << slot;
    }
    const QString folder = QString::fromStdString(zarle::testing::PicturesFolder("board-shots").string());
    EXPECT_TRUE(two.Window->Window().grab().save(folder + "/restored-3-players-on-2.png"));
}

} // namespace
} // namespace zarle::test
