// The saved-games window's decisions, played through the Game and Internet menu commands: slot
// names, choosing a slot by typing and with the arrow keys, refusals, the cancel question and
// network saves.

#include "tests/persistence/games/GamesFixture.h"
#include "base/records/RecordFile.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace zarle::testing {
namespace {

class SaveSlotsTest : public GamesTest {
  protected:
    void SetUp() override {
        GamesTest::SetUp();
        Deal(3);
    }
    std::vector<std::string> Boxes() const { return Log.Starting({"MsgBox"}); }
};

TEST_F(SaveSlotsTest, ASlotLeftBlankIsSavedAsSavedGameAndItsNumber) {
    Dialog.Script = [](SaveSlotsPrompt& p) {
        EXPECT_EQ(p.Caption(), "Save");
        p.Text1_MouseDown(3);
        p.Text1_Click(3);
        EXPECT_EQ(p.Slots[3].Text, "3P_");
        EXPECT_EQ(p.CursorAt, 3);
        EXPECT_EQ(p.LookOf(3), SaveSlotsPrompt::Look::Proposed);
        p.Text1_Change(3, "   ");
        EXPECT_TRUE(p.cmdSave_Click());
    };
    Games.SaveGame();
    EXPECT_EQ(state.SaveDesc, "saved game 3");
    SavedGameRecord expected = BoardRecord();
    expected.Name = "saved game 3";
    EXPECT_EQ(SlotRecord(3), expected);
    EXPECT_FALSE(Games.DialogCancelled());
}

// Typing is a choice of the slot too: the name typed is the save's, and a click into the slot
// afterwards keeps it.
TEST_F(SaveSlotsTest, ANameTypedIntoASlotChoosesItAndIsSavedUnderThatName) {
    Dialog.Script = [](SaveSlotsPrompt& p) {
        p.Text1_Change(1, "friday");
        EXPECT_EQ(p.SelSlot, 1);
        EXPECT_EQ(p.LookOf(1), SaveSlotsPrompt::Look::Proposed);
        p.Text1_MouseDown(1);
        p.Text1_Click(1);
        EXPECT_EQ(p.Slots[1].Text, "friday");
        p.Text1_Change(2, "sunday"); // another slot: the first gets its name back
        EXPECT_EQ(p.SelSlot, 2);
        EXPECT_EQ(p.Slots[1].Text, "game 1");
        EXPECT_TRUE(p.cmdSave_Click());
    };
    Games.SaveGame();
    EXPECT_EQ(SlotRecord(2).Name, "sunday");
}

// Up and Down choose the slot above or below the cursor, passing over the slots that cannot be
// chosen; past the first or the last slot they choose the slot with the cursor.
TEST_F(SaveSlotsTest, TheArrowKeysChooseTheSlotAboveOrBelow) {
    constexpr int Up = 38, Down = 40;
    Dialog.Script = [](SaveSlotsPrompt& p) {
        EXPECT_EQ(p.Text1_KeyDown(1, Down), 2);
        EXPECT_EQ(p.SelSlot, 2);
        EXPECT_EQ(p.Slots[2].Text, "3P_");
        EXPECT_EQ(p.Text1_KeyDown(2, Down), 3);
        EXPECT_EQ(p.Text1_KeyDown(3, Up), 2);
        EXPECT_EQ(p.Slots[3].Text, "game 3");
        EXPECT_EQ(p.Text1_KeyDown(10, Down), 10) << "no slot below the last";
        EXPECT_EQ(p.SelSlot, 10);
        EXPECT_EQ(p.Text1_KeyDown(10, 'A'), 0) << "not a key of the slots";
        p.Form_QueryUnload();
    };
    Games.SaveGame();

    WriteSlot(4, BoardRecord());
    WriteSlot(7, BoardRecord());
    Dialog.Script = [](SaveSlotsPrompt& p) {
        EXPECT_EQ(p.Text1_KeyDown(4, Down), 7) << "the empty slots are passed over";
        EXPECT_EQ(p.SelSlot, 7);
        EXPECT_EQ(p.LookOf(7), SaveSlotsPrompt::Look::Chosen);
        EXPECT_EQ(p.Text1_KeyDown(7, Up), 4);
        EXPECT_EQ(p.Text1_KeyDown(4, Up), 4);
        EXPECT_TRUE(p.cmdSave_Click());
    };
    Games.RestoreGame();
    EXPECT_EQ(state.SaveSlot, 4);
}

// A name typed with the network save's mark is saved without it, and stays a local game.
TEST_F(SaveSlotsTest, TheNetworkMarkIsTheProgramsNeverThePlayers) {
    struct Case {
        int16_t netMode;
        const char* typed;
        const char* saved;
    };
    const Case cases[] = {{0, "^^sneaky", "sneaky"},
                          {0, " ^^^^twice", "twice"},
                          {0, "^^", "saved game 4"},
                          {0, "^ once", "^ once"},
                          {2, "^^sneaky", "^^sneaky"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        state.NetMode = c.netMode;
        state.IsHost = c.netMode != 0 ? 1 : 0;
        Dialog.Script = [&c](SaveSlotsPrompt& p) {
            p.Text1_Change(4, c.typed);
            EXPECT_TRUE(p.cmdSave_Click());
        };
        Games.SaveGame();
        EXPECT_EQ(SlotRecord(4).Name, c.saved);
    }
}

TEST_F(SaveSlotsTest, SavingWithoutASlotAsksForOne) {
    const auto before = SaveFileBytes();
    Dialog.Script = [](SaveSlotsPrompt& p) {
        EXPECT_FALSE(p.cmdSave_Click());
        EXPECT_EQ(p.Message, "Select a game slot!");
        EXPECT_FALSE(p.Closed);
        EXPECT_TRUE(p.Command2_Click()); // nothing chosen: no question
    };
    Games.SaveGame();
    EXPECT_TRUE(Boxes().empty());
    EXPECT_TRUE(Games.DialogCancelled());
    EXPECT_EQ(SaveFileBytes(), before);
}

TEST_F(SaveSlotsTest, CancelAfterChoosingASlotAsksOnce) {
    const auto before = SaveFileBytes();
    Box.Answers = {AnswerYes, AnswerNo};
    Dialog.Script = [](SaveSlotsPrompt& p) {
        p.Text1_Click(5);
        EXPECT_FALSE(p.Command2_Click()); // Yes: back to the window
        EXPECT_TRUE(p.Command2_Click());  // No: cancelled
    };
    Games.SaveGame();
    const std::string question =
        "MsgBox \"Did you want to save this game?\\r\\nClick the Save button to save.\" 4 \"Save game?\"";
    EXPECT_EQ(Boxes(), (std::vector<std::string>{question + " -> 6", question + " -> 7"}));
    EXPECT_TRUE(Games.DialogCancelled());
    EXPECT_EQ(SaveFileBytes(), before);
}

TEST_F(SaveSlotsTest, AMissingSaveFileListsTenEmptySlotsAndAShortOneItsCutSlotAsDamaged) {
    for (const bool missing : {true, false}) {
        std::filesystem::remove(Games.SaveFile());
        if (!missing) {
            WriteBytes(Games.SaveFile(), {1});
            std::filesystem::resize_file(Games.SaveFile(), 3 * SavedGameRecord::Size - 1);
        }
        auto shown = [&](int slot) {
            const std::string empty = "game " + std::to_string(slot);
            return !missing && slot == 3 ? empty + " (damaged)" : empty;
        };
        Games.SaveGame();
        for (int slot = 1; slot <= 10; ++slot) {
            EXPECT_EQ(Dialog.Opened[slot].Text, shown(slot));
            EXPECT_TRUE(Dialog.Opened[slot].Enabled);
        }
        Games.RestoreGame();
        for (int slot = 1; slot <= 10; ++slot) {
            EXPECT_EQ(Dialog.Opened[slot].Text, shown(slot));
            EXPECT_FALSE(Dialog.Opened[slot].Enabled) << slot;
        }
        EXPECT_EQ(Dialog.Opened[AutoSaveSlot].Text, "AutoSave");
    }
}

TEST_F(SaveSlotsTest, TheSaveWithNoGameOnTheTableIsRefused) {
    state.PTurn = 0;
    Games.SaveGame();
    EXPECT_EQ(Dialog.Shown, 0);
    EXPECT_EQ(Boxes(),
              (std::vector<std::string>{"MsgBox \"There's no game to save!\" 0 \"Zarle & Quenor\" -> 1"}));
}

// A turn left over a cleared board is no game: the slot keeps what it held.
TEST_F(SaveSlotsTest, AGameTheCheckWouldRefuseIsNeverWritten) {
    Dialog.Script = [](SaveSlotsPrompt& p) {
        p.Text1_Click(4);
        EXPECT_TRUE(p.cmdSave_Click());
    };
    Games.SaveGame();
    const auto before = SaveFileBytes();
    Game.ClearBoard();
    state.PTurn = 2;
    Log.Clear();
    Games.SaveGame();
    EXPECT_EQ(Dialog.Shown, 1);
    EXPECT_EQ(Boxes(),
              (std::vector<std::string>{"MsgBox \"There's no game to save!\" 0 \"Zarle & Quenor\" -> 1"}));
    EXPECT_EQ(SaveFileBytes(), before);
}

TEST_F(SaveSlotsTest, ANetworkSaveIsMarkedAndRefusedInALocalGame) {
    state.NetMode = 2;
    state.IsHost = 1;
    Dialog.Script = [](SaveSlotsPrompt& p) {
        EXPECT_EQ(p.Caption(), "NET Save");
        p.DateTimeStamp = [] { return std::string("12/10/25_17:48"); };
        p.Text1_MouseDown(2);
        p.Text1_Click(2);
        EXPECT_EQ(p.Slots[2].Text, "NET3P_12/10/25_17:48Zarle");
        EXPECT_TRUE(p.cmdSave_Click());
    };
    Games.SaveNetGame();
    EXPECT_EQ(SlotRecord(2).Name, "^^NET3P_12/10/25_17:48Zarle");
    EXPECT_FALSE(state.SaveFromNet);

    // Back in a local game the slot is listed without its mark and cannot be restored.
    state.NetMode = 0;
    const SavedGameRecord before = BoardRecord();
    Log.Clear();
    Dialog.Script = [](SaveSlotsPrompt& p) {
        EXPECT_EQ(p.Slots[2].Text, "NET3P_12/10/25_17:48Zarle");
        p.Text1_Click(2);
        EXPECT_EQ(p.SelSlot, 0);
        EXPECT_EQ(p.LookOf(2), SaveSlotsPrompt::Look::Normal);
        EXPECT_FALSE(p.cmdSave_Click());
    };
    Games.RestoreGame();
    EXPECT_EQ(Boxes(),
              (std::vector<std::string>{"MsgBox \"Saved Internet games can only be restored online from the "
                                        "Internet Menu.\" 64 \"Internet Game\" -> 1"}));
    EXPECT_EQ(BoardRecord(), before);
}

TEST_F(SaveSlotsTest, ANetworkSaveDuringAnOpponentsTurnKeepsWhatItHasPlayed) {
    state.NetMode = 2;
    state.IsHost = 1;
    state.PTurn = 2;
    Opponents.SwapOpponentData(state.SeatRec1, false);
    state.WorkWildHand = 3; // the seat at play has played a wild from its hand
    Dialog.Script = [](SaveSlotsPrompt& p) {
        p.Text1_Click(1);
        EXPECT_TRUE(p.cmdSave_Click());
    };
    Games.SaveNetGame();
    EXPECT_EQ(SlotRecord(1).Seats[0].WildHand, 3);
    EXPECT_EQ(SlotRecord(1).PTurn, 2);
    EXPECT_FALSE(state.SaveFromNet);
}

TEST_F(SaveSlotsTest, ANetworkSaveIsSentAfterItIsRestored) {
    Dialog.Script = [](SaveSlotsPrompt& p) {
        p.Text1_Click(6);
        EXPECT_TRUE(p.cmdSave_Click());
    };
    Games.SaveGame();
    RecordFile file(Games.SaveFile(), SavedGameRecord::Size, RecordFile::Access::ReadWrite);
    SavedGameRecord marked = ReadRecord<SavedGameRecord>(file, 6);
    marked.Name = "^^NET3P_Quenor";
    WriteRecord(file, 6, marked);

    // Not connected: refused.
    Games.SendSavedNetGame(false);
    EXPECT_EQ(Dialog.Shown, 1);
    EXPECT_EQ(Boxes().back(),
              "MsgBox \"You have to connect to another player first!\" 0 \"ZarleNET Not Online\" -> 1");

    state.NetMode = 2;
    state.IsHost = 1;
    Log.Clear();
    Dialog.Script = [this](SaveSlotsPrompt& p) {
        EXPECT_FALSE(Dialog.AutoSaveVisible);
        p.Text1_Click(6);
        EXPECT_TRUE(state.SecureSave);
        EXPECT_TRUE(p.cmdSave_Click());
    };
    Games.SendSavedNetGame(false);
    EXPECT_TRUE(Log.Has("SendRecover")) << Log.Dump();
    EXPECT_EQ(state.SaveDesc, "NET3P_Quenor");
    EXPECT_EQ(state.NetRestore, 0);
    // The sender resumes play: the restore leaves the turn alone.
    EXPECT_TRUE(Log.Starting({"ComputerTurn", "EnablePic Picture7 True"}).empty());
}

TEST_F(SaveSlotsTest, ANetworkGameTakesOnlyASaveForItsPlayers) {
    WriteSlot(7, BoardRecord()); // three players, four centers
    struct Peer {
        const char* version;
        int netMode;
        std::string box;
    };
    const Peer peers[] = {
        {"82", 1,
         "MsgBox \"You don't have enough players to play this saved game.\\r\\nConnect to all players first, "
         "then Send the Saved game.\" 16 \"Saved Game for 3 players\" -> 1"},
        {"62", 2,
         "MsgBox \"This game was saved with features that are not compatible with non-Multiplayer edition "
         "game.\" 16 \"Saved Game for 3 players and 4 centers\" -> 1"},
        {"51", 2,
         "MsgBox \"Unable to send a saved game.\" 16 \"Opponent not compatible with Multiplayer Edition\" -> "
         "1"},
    };
    const SavedGameRecord before = BoardRecord();
    for (const Peer& peer : peers) {
        state.PeerVersion = peer.version;
        state.NetMode = static_cast<int16_t>(peer.netMode);
        Log.Clear();
        state.SaveSlot = 7;
        EXPECT_FALSE(Games.Restoring(SavedGames::Source::SaveFile));
        EXPECT_EQ(Boxes(), std::vector<std::string>{peer.box});
        EXPECT_EQ(BoardRecord(), before);
        EXPECT_EQ(state.NumPlayers, 3);
    }
    state.PeerVersion = "82";
    state.NetMode = 2;
    state.NetRestore = 1;
    EXPECT_TRUE(Games.Restoring(SavedGames::Source::SaveFile));
}

TEST_F(SaveSlotsTest, TheAutoSaveSlotBeforeAnyTurnHasNoMove) {
    state.TurnCounter = 0;
    Dialog.Script = [](SaveSlotsPrompt& p) {
        p.Text1_Click(AutoSaveSlot);
        EXPECT_EQ(p.LookOf(AutoSaveSlot), SaveSlotsPrompt::Look::Chosen);
        EXPECT_TRUE(p.cmdSave_Click());
    };
    const SavedGameRecord before = BoardRecord();
    Games.RestoreGame();
    EXPECT_EQ(Boxes(),
              (std::vector<std::string>{"MsgBox \"No move to restore!\" 16 \"Previous Turn\" -> 1"}));
    EXPECT_EQ(BoardRecord(), before);
}

// In developer mode the turn is asked for instead, and its copy restored.
TEST_F(SaveSlotsTest, TheAutoSaveSlotBeforeAnyTurnAsksADeveloperForTheTurn) {
    state.TurnCounter = 0;
    state.DevMode = true;
    Box.Typed = {"2"};
    Dialog.Script = [](SaveSlotsPrompt& p) {
        p.Text1_Click(AutoSaveSlot);
        EXPECT_TRUE(p.cmdSave_Click());
    };
    Games.RestoreGame();
    EXPECT_EQ(Log.Starting({"InputBox"}),
              std::vector<std::string>{"InputBox \"TurnCount 1 or 2?\" \"\" -> \"2\""});
    for (const std::string& box : Boxes()) EXPECT_EQ(box.find("No move to restore!"), std::string::npos);
    EXPECT_EQ(state.SaveSlot, 12);
}

} // namespace
} // namespace zarle::testing
