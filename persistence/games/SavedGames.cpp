#include "persistence/games/SavedGames.h"

#include "base/records/RecordFile.h"
#include "persistence/games/SaveSlotsPrompt.h"
#include "persistence/games/SavedGameCheck.h"
#include "persistence/games/SavedGameCopy.h"
#include "persistence/games/Statistics.h"
#include "engine/UndoLog.h"
#include "base/text/VbText.h"

#include <sstream>
#include <utility>
#include <system_error>

namespace zarle {

namespace {

const std::string Crlf(CRLF);
const std::string AutoSaveName = "AutoSave";
const std::string NetMark = "^^";
constexpr int TurnStartSlotOdd = 12;  // the start of turns 1, 3, 5, ... (and of the game)
constexpr int TurnStartSlotEven = 11; // the start of turns 2, 4, ...
constexpr int HumanRunPanel = 2;
constexpr int OpponentRunPanel = 6;
constexpr int SoundRestored = 121;
constexpr int SoundTurnBack = 117;

// The counts of the human's turn so far, as six numbers in the name of an undo-log record.
std::string RunCountsName(const StatsTable& stats) {
    std::string name;
    for (const int16_t count : stats[1]) name += Str(count);
    return name;
}

// Up to six blank-separated numbers of a name; what is not a number counts 0.
std::array<int16_t, 6> RunCountsOf(const std::string& name) {
    std::array<int16_t, 6> counts{};
    std::istringstream words(name);
    std::string word;
    for (size_t i = 0; i < counts.size() && words >> word; ++i) counts[i] = ValInt16(word);
    return counts;
}

// Running the command marks it; one asked for while it runs is let go.
class RunningMark {
  public:
    explicit RunningMark(bool& running) : running_(running), before_(running) { running_ = true; }
    ~RunningMark() { running_ = before_; }
    RunningMark(const RunningMark&) = delete;
    RunningMark& operator=(const RunningMark&) = delete;

  private:
    bool& running_;
    bool before_;
};

} // namespace

SavedGames::SavedGames(GameState& state, Profiles& profiles, SavedGamesPorts ports)
    : s_(state), profiles_(profiles), p_(ports) {}

std::filesystem::path SavedGames::SaveFile() const {
    return profiles_.DataPath("Data/backup.sav");
}

// A save, restore or restart waits for the one under way, for the computer's moves, the deal and
// the end of a game.
bool SavedGames::Busy() const {
    return running_ || s_.GameBusy;
}

void SavedGames::Message(const std::string& text, int style, const std::string& title) {
    p_.Box.MsgBox(text, style, title);
}

// --- The record of the board ---

std::vector<uint8_t> SavedGames::Saving() {
    if (s_.SaveFromNet && s_.PTurn != 1) p_.GameEngine.GoUpdateOpponents();
    FillSavedGame(s_, saveRecord_);
    const auto bytes = saveRecord_.Encode();
    return {bytes.begin(), bytes.end()};
}

// Only a game the saved-game check takes is written: a turn left over a cleared board is none.
bool SavedGames::BoardHoldsGame() {
    if (s_.PTurn == 0) return false;
    Saving();
    return SavedGameProblem(saveRecord_).empty();
}

std::vector<uint8_t> SavedGames::UndoRecord() {
    Saving();
    SavedGameRecord named = saveRecord_;
    named.Name = RunCountsName(s_.Stats);
    const auto bytes = named.Encode();
    return {bytes.begin(), bytes.end()};
}

std::string SavedGames::WriteSlots(int first, int count, const SavedGameRecord& record) {
    std::vector<uint8_t> bytes;
    const auto one = record.Encode();
    for (int i = 0; i < count; ++i) bytes.insert(bytes.end(), one.begin(), one.end());
    RecordFile file(SaveFile(), SavedGameRecord::Size, RecordFile::Access::Create);
    if (file.IsOpen()) file.WriteRange(first, bytes);
    return file.Error();
}

// The automatic copies are written every turn: the player is told when they start failing, not
// at every turn after.
bool SavedGames::WriteAutoSlots(int first, int count, const SavedGameRecord& record) {
    const std::string error = WriteSlots(first, count, record);
    const bool failingBefore = std::exchange(autoSlotsFailing_, !error.empty());
    if (error.empty()) return true;
    if (!failingBefore)
        profiles_.ReportWriteFailure("The automatic copy of this turn could not be saved.", error,
                                     "backup.sav keeps the copies saved before. Copies that fail after this "
                                     "one are not told until one has been saved again.");
    return false;
}

void SavedGames::SaveAuto() {
    Saving();
    const bool oddTurn = s_.TurnCounter == 0 || s_.TurnCounter % 2 != 0;
    s_.SaveSlot = static_cast<int16_t>(oddTurn ? TurnStartSlotOdd : TurnStartSlotEven);
    saveRecord_.Name = AutoSaveName;
    // At the deal all four copies are the same game: one write.
    if (s_.TurnCounter == 0) {
        WriteAutoSlots(TurnStartSlotEven, LatestAutoSlot - TurnStartSlotEven + 1, saveRecord_);
        return;
    }
    if (WriteAutoSlots(s_.SaveSlot, 1, saveRecord_)) WriteAutoSlots(LatestAutoSlot, 1, saveRecord_);
}

void SavedGames::WriteUndoStart() {
    if (!s_.TempMovesOpen) return;
    UndoLog* log = p_.GameEngine.UndoLogFile();
    if (!log) return;
    s_.MoveRecNo = 1;
    log->Write(1, UndoRecord());
}

// --- Restoring ---

std::optional<SavedGameRecord> SavedGames::ReadSaved(Source from, int slot) {
    if (slot < 1) return std::nullopt;
    if (from == Source::UndoLog) {
        UndoLog* log = p_.GameEngine.UndoLogFile();
        if (!log) return std::nullopt;
        return SavedGameRecord::Decode(log->Read(slot));
    }
    RecordFile file(SaveFile(), SavedGameRecord::Size, RecordFile::Access::ReadOnly);
    // A slot past the end of the file, or cut short, holds nothing.
    if (!file.IsOpen() || file.Count() < slot) return std::nullopt;
    return zarle::ReadRecord<SavedGameRecord>(file, slot);
}

bool SavedGames::Refused(Source from, const std::optional<SavedGameRecord>& record) {
    const bool turnCopy = s_.PrevTurnMode || s_.RestartMode || from == Source::UndoLog;
    if (!record || HoldsNoGame(*record)) {
        if (turnCopy)
            Message("No move to restore!", MbCritical, s_.PrevTurnMode ? "Previous Turn" : "Restart Turn");
        else
            Message("There is no saved game in slot" + Str(s_.SaveSlot) + ".", MbCritical, "Restore Game");
        return true;
    }
    const std::string problem = SavedGameProblem(*record);
    if (problem.empty()) return false;
    Message("This saved game cannot be played and was not restored:" + Crlf + problem, MbCritical,
            "Restore Game");
    return true;
}

// A network game takes a saved game only for the players connected, and an older peer only one
// it knows how to play.
bool SavedGames::NetworkRefuses(const SavedGameRecord& record) {
    if (s_.NetMode == 0) return false;
    const std::string& peer = s_.PeerVersion;
    if (record.NumPlayers == s_.NetMode + 1 && peer >= FirstRulesVersion &&
        (MultiplayerPeer(peer) || record.NumCenters != 4))
        return false;
    if (MultiplayerPeer(peer)) {
        Message("You don't have enough players to play this saved game." + Crlf +
                    "Connect to all players first, then Send the Saved game.",
                MbCritical, "Saved Game for" + Str(record.NumPlayers) + " players");
    } else if (peer >= FirstRulesVersion) {
        Message(
            "This game was saved with features that are not compatible with non-Multiplayer edition game.",
            MbCritical,
            "Saved Game for" + Str(record.NumPlayers) + " players and" + Str(record.NumCenters) + " centers");
    } else {
        Message("Unable to send a saved game.", MbCritical,
                "Opponent not compatible with Multiplayer Edition");
    }
    return true;
}

bool SavedGames::Restoring(Source from) {
    RunningMark mark(running_);
    // The record is read and checked before anything on the board changes.
    const auto record = ReadSaved(from, s_.SaveSlot);
    dialogCancelled_ = true;
    if (Refused(from, record) || NetworkRefuses(*record)) {
        s_.PrevTurnMode = false;
        return false;
    }
    dialogCancelled_ = false;
    saveRecord_ = *record;
    TakeUpRecord(from);
    ResumePlay();
    return true;
}

void SavedGames::TakeUpRecord(Source from) {
    const bool turnRestart = s_.RestartMode || s_.UndoMode || s_.PrevTurnMode;
    const int16_t prevPlayers = s_.NumPlayers;
    const int16_t prevCenters = s_.NumCenters;
    profiles_.Profile().PrevNumPlayers = prevPlayers;
    profiles_.Profile().PrevNumCenters = prevCenters;
    if (!turnRestart) p_.GameEngine.StatusBar_Clear();
    p_.Board.SetCaption({Ctl::Label9, 1}, Crlf);
    p_.Board.SetCaption({Ctl::Label9, 2}, "");
    if (s_.SoundLevel != 2) {
        const bool wholeGame = from == Source::SaveFile && !s_.RestartMode;
        p_.Sound.PlayResource(wholeGame ? SoundRestored : SoundTurnBack, SoundPlay::Async);
    }

    // The board is laid out for the record's counts before its piles are put back.
    const SavedGameRecord& r = saveRecord_;
    s_.NumPlayers = r.NumPlayers;
    s_.NumCenters = r.NumCenters;
    s_.SideSizeM1 = SideSizeOf(r);
    s_.ForcedMask = r.ForcedMask;
    s_.DeckSize = static_cast<int16_t>(PackSize * s_.NumPlayers);
    if (s_.NumPlayers != prevPlayers || s_.NumCenters != prevCenters)
        p_.View.ChangeLayout(prevPlayers, prevCenters);
    // A turn played again keeps the opponents' best runs of the game, as it keeps the human's.
    std::array<SeatStatsTable, 3> seatStats{};
    for (int seat = 2; seat <= MaxPlayers; ++seat) seatStats[seat - 2] = s_.Seat(seat).SeatStats;
    p_.GameEngine.ClearBoard();
    if (turnRestart)
        for (int seat = 2; seat <= MaxPlayers; ++seat) s_.Seat(seat).SeatStats = seatStats[seat - 2];
    ApplySavedGame(r, s_);

    if (s_.UndoMode) {
        for (int slot = 2; slot <= 6; ++slot)
            if (s_.PlayerCards[slot].Value == 0) p_.Board.SetVisible({Ctl::Picture7, slot}, false);
        s_.Stats[1] = RunCountsOf(r.Name);
    }
    // The run panel shows the turn's run as it stands once plays were taken back.
    if (s_.UndoMode || s_.RestartMode) p_.Board.SetPanelText(HumanRunPanel, RunText(s_.Stats[1]));
    if (s_.PrevTurnMode) {
        p_.Board.SetPanelText(HumanRunPanel, "");
        p_.Board.SetPanelText(OpponentRunPanel, "");
    }
    // Both turn-start copies become the game taken up, so that a restart stays in it; a game from
    // one of the user's slots is also where "Restart Current Game" starts it over.
    if (from == Source::SaveFile && !s_.RestartMode) {
        SavedGameRecord copy = r;
        copy.Name = AutoSaveName;
        const bool userSlot = s_.SaveSlot >= 1 && s_.SaveSlot <= UserSlots;
        WriteAutoSlots(TurnStartSlotEven, userSlot ? GameStartSlot - TurnStartSlotEven + 1 : 2, copy);
    }
    if (s_.NetRestore == 1)
        s_.SaveDesc = Trim(r.Name.size() > NetMark.size() ? r.Name.substr(NetMark.size()) : "");
}

void SavedGames::ResumePlay() {
    const bool local = s_.NetMode == 0;
    const bool turnRestart = s_.RestartMode || s_.UndoMode || s_.PrevTurnMode;
    if (local) p_.Board.ShowFrames(true);
    s_.GameStarted = true;
    if (local) p_.Board.Redraw();
    p_.Board.SetVisible({Ctl::ImgHold, 0}, s_.SideCount != 1);
    p_.GameEngine.RulesRefresh();
    if (p_.Board.IsFormLoaded("frmCounter")) p_.Board.CounterUpdate();
    s_.PrevTurnMode = false;
    p_.Opponents.SwapOpponentData(s_.SeatRec1, false);
    p_.Board.WildUpdate();
    if (!turnRestart) WriteUndoStart();

    const bool humanMoves = s_.PTurn == 1;
    p_.Board.SetCaption({Ctl::Label9, 1},
                        Crlf + (humanMoves ? "It's still your turn." : "It's NOT your turn."));
    p_.Board.SetVisible({Ctl::ImgTurn1, 0}, humanMoves);
    p_.Board.SetVisible({Ctl::ImgTurn2, 0}, !humanMoves);
    if (!humanMoves && local) p_.Waiter.Wait(1.5f);
    if (s_.NetRestore == 1 || s_.StopWait) return;
    s_.OwnTurnSign = humanMoves ? 1 : 0;
    s_.OppTurnSign = humanMoves ? 0 : 1;
    if (humanMoves)
        p_.Board.EnablePic(Pics::Picture7, true, 1, SlotCount);
    else
        p_.Opponents.ComputerTurn();
}

// --- Restart Turn and Undo ---

void SavedGames::RestartTurn() {
    if (s_.NetMode != 0) {
        Message("Restart turn cannot be used during an Internet game", MbInformation, "Restart Turn");
        return;
    }
    if (!s_.TempMovesOpen) {
        Message("The AutoSave box from the Game Menu, Restore Game option," + Crlf +
                    "must be checked to use this option.",
                MbInformation, "Restart Turn");
        return;
    }
    if (s_.PTurn == 0) {
        Message("Huh? No turn to restart! (?)", MbInformation, "Restart Turn");
        return;
    }
    if (s_.RestartMode) {
        s_.SaveSlot = static_cast<int16_t>(s_.TurnCounter % 2 != 0 ? TurnStartSlotOdd : TurnStartSlotEven);
        if (Restoring(Source::SaveFile)) WriteUndoStart();
    } else if (s_.UndoMode && s_.MoveRecNo >= 2) {
        s_.SaveSlot = static_cast<int16_t>(s_.MoveRecNo - 1);
        if (Restoring(Source::UndoLog)) --s_.MoveRecNo;
    }
}

void SavedGames::RestartCurrentTurn() {
    if (Busy()) return;
    RunningMark mark(running_);
    s_.RestartMode = true;
    RestartTurn();
    s_.RestartMode = false;
}

void SavedGames::UndoPlay() {
    if (Busy() || s_.PTurn != 1 || s_.MoveRecNo == 0) return;
    RunningMark mark(running_);
    s_.UndoMode = true;
    RestartTurn();
    s_.UndoMode = false;
}

void SavedGames::PreviousTurn() {
    if (Busy()) return;
    // The result of a finished game is counted; its turns are not played again.
    if (s_.GameStarted && s_.PTurn == 0) {
        Message("This game is over: there is no turn to go back to.", MbInformation, "Previous Turn");
        return;
    }
    RunningMark mark(running_);
    s_.FlowStop = true;
    s_.SaveSlot = static_cast<int16_t>(s_.TurnCounter % 2 == 0 ? TurnStartSlotOdd : TurnStartSlotEven);
    s_.PrevTurnMode = true;
    Restoring(Source::SaveFile);
    s_.PrevTurnMode = false;
}

void SavedGames::RestoreSlot(int slot) {
    if (Busy()) return;
    RunningMark mark(running_);
    s_.FlowStop = true;
    s_.SaveSlot = static_cast<int16_t>(slot);
    Restoring(Source::SaveFile);
}

// --- The saved-games window ---

std::array<SlotListing, AutoSaveSlot + 1> SavedGames::SlotNames() {
    std::array<SlotListing, AutoSaveSlot + 1> slots;
    RecordFile file(SaveFile(), SavedGameRecord::Size, RecordFile::Access::ReadOnly);
    if (!file.IsOpen()) return slots;
    std::error_code error;
    const uintmax_t size = std::filesystem::file_size(SaveFile(), error);
    const int64_t whole = file.Count();
    const bool cut = !error && size % SavedGameRecord::Size != 0;
    for (int slot = 1; slot <= AutoSaveSlot && slot <= whole; ++slot) {
        const auto record = zarle::ReadRecord<SavedGameRecord>(file, slot);
        if (HoldsNoGame(record)) continue;
        if (SavedGameProblem(record).empty())
            slots[slot] = {SlotListing::Holds::Game, Trim(record.Name)};
        else
            slots[slot].What = SlotListing::Holds::Damage;
    }
    if (cut && whole < AutoSaveSlot) slots[whole + 1].What = SlotListing::Holds::Damage;
    return slots;
}

void SavedGames::SetAutoSave(bool on) {
    p_.GameEngine.TempMoves_Open(on);
}

void SavedGames::ShowSaveWindow(SaveSlotsPrompt& prompt) {
    p_.Dialog.ShowModal(prompt);
    dialogCancelled_ = prompt.Cancelled;
}

namespace {

std::string ShownName(const SlotListing& listing, int slot) {
    const std::string empty = "game " + std::to_string(slot);
    if (listing.What == SlotListing::Holds::Damage) return empty + " (damaged)";
    const std::string& name = listing.Name;
    if (listing.What == SlotListing::Holds::Nothing || name.empty()) return empty;
    return name.rfind(NetMark, 0) == 0 ? name.substr(NetMark.size()) : name;
}

} // namespace

void SavedGames::SaveGame() {
    if (Busy()) {
        s_.SaveFromNet = false;
        return;
    }
    RunningMark mark(running_);
    s_.FlowStop = true;
    const auto noGame = [this] {
        s_.SaveFromNet = false;
        s_.MsgText = "There's no game to save!";
        s_.MsgAnswer = static_cast<int16_t>(p_.Box.MsgBox(s_.MsgText, MbOkOnly, "Zarle & Quenor"));
    };
    if (!BoardHoldsGame()) {
        noGame();
        return;
    }
    SaveSlotsPrompt prompt(s_, *this, p_.Box, s_.NetMode != 0 ? SaveMode::NetSave : SaveMode::Save);
    const auto names = SlotNames();
    for (int slot = 1; slot <= UserSlots; ++slot) {
        prompt.SlotNames[slot] = ShownName(names[slot], slot);
        prompt.Slots[slot] = {prompt.SlotNames[slot], true, true};
    }
    prompt.Slots[AutoSaveSlot].Visible = false;
    prompt.AutoSaveVisible = false;
    ShowSaveWindow(prompt);
    // A network game may have ended while the window was open.
    if (!dialogCancelled_ && !BoardHoldsGame()) {
        noGame();
        return;
    }
    if (!dialogCancelled_) {
        saveRecord_.Name = s_.SaveDesc;
        const std::string error = WriteSlots(s_.SaveSlot, 1, saveRecord_);
        if (!error.empty()) Message("The game was not saved." + Crlf + error, MbExclamation, "Save Game");
    }
    s_.SaveFromNet = false;
}

void SavedGames::RestoreGame() {
    if (Busy()) return;
    RunningMark mark(running_);
    RestoreChosenSlot();
}

bool SavedGames::RestoreChosenSlot() {
    dialogCancelled_ = false;
    s_.FlowStop = true;
    SaveSlotsPrompt prompt(s_, *this, p_.Box, SaveMode::Restore);
    const auto names = SlotNames();
    for (int slot = 1; slot <= AutoSaveSlot; ++slot) {
        const bool game = names[slot].What == SlotListing::Holds::Game;
        prompt.Slots[slot] = {slot == AutoSaveSlot ? AutoSaveName : ShownName(names[slot], slot), game, true};
    }
    const bool local = s_.NetMode == 0;
    prompt.AutoSaveVisible = local;
    prompt.AutoSaveTicked = s_.TempMovesOpen;
    prompt.Slots[AutoSaveSlot].Visible = local;
    ShowSaveWindow(prompt);
    if (dialogCancelled_) return false;
    if (s_.SaveSlot == AutoSaveSlot) {
        if (s_.TurnCounter == 0 && s_.DevMode) {
            s_.MsgText = p_.Box.InputBox("TurnCount 1 or 2?", "");
            s_.TurnCounter = ValInt16(s_.MsgText);
        } else if (s_.TurnCounter == 0) {
            Message("No move to restore!", MbCritical, "Previous Turn");
            dialogCancelled_ = true;
            return false;
        }
        s_.PrevTurnMode = true;
        s_.SaveSlot = static_cast<int16_t>(s_.TurnCounter % 2 == 0 ? TurnStartSlotOdd : TurnStartSlotEven);
    }
    p_.Board.SetVisible({Ctl::Command2, 0}, false);
    const bool restored = Restoring(Source::SaveFile);
    s_.PrevTurnMode = false;
    return restored;
}

// --- The Internet menu ---

void SavedGames::SaveNetGame() {
    if (s_.PTurn == 0 || s_.NetMode == 0) {
        s_.MsgText = "There's no Internet game to save!";
        s_.MsgAnswer = static_cast<int16_t>(p_.Box.MsgBox(s_.MsgText, MbOkOnly, "ZarleNET Online"));
        return;
    }
    s_.SaveFromNet = true;
    SaveGame();
}

void SavedGames::SendSavedNetGame(bool restarted) {
    if (s_.NetMode == 0 || s_.NetMode == 99) {
        s_.MsgText = "You have to connect to another player first!";
        s_.MsgAnswer = static_cast<int16_t>(p_.Box.MsgBox(s_.MsgText, MbOkOnly, "ZarleNET Not Online"));
        return;
    }
    if (Busy()) return;
    RunningMark mark(running_);
    s_.NetRestore = 1;
    bool restored = false;
    if (restarted) {
        s_.SaveSlot = GameStartSlot;
        restored = Restoring(Source::SaveFile);
    } else {
        restored = RestoreChosenSlot();
    }
    if (restored) p_.Net.SendRecover();
    s_.NetRestore = 0;
}

} // namespace zarle
