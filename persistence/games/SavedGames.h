#pragma once
// Saved games: the whole board in one record, written to the ten named slots and the automatic
// turn-start copies of Data/backup.sav and to the undo log of the turn, and read back into a
// running game. Also the commands that the Game and Internet menus, the Backspace key and the
// status bar's "Undo" panel call.

#include "engine/Engine.h"
#include "engine/GameState.h"
#include "engine/NeighbourPorts.h"
#include "persistence/profiles/ProfilePorts.h"
#include "persistence/profiles/Profiles.h"
#include "base/records/SavedGameRecord.h"

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace zarle {

class SaveSlotsPrompt;

// Shows the saved-games window modally; it returns once the window has closed.
class SaveDialogPort {
  public:
    virtual ~SaveDialogPort() = default;
    virtual void ShowModal(SaveSlotsPrompt& prompt) = 0;
};

struct SavedGamesPorts {
    Engine& GameEngine;
    BoardPort& Board;
    ProfileView& View; // the board's layout for other counts
    OpponentsPort& Opponents;
    SoundPort& Sound;
    WaitPort& Waiter;
    MessageBoxPort& Box;
    NetworkPort& Net;
    SaveDialogPort& Dialog;
};

inline constexpr int UserSlots = 10;
inline constexpr int AutoSaveSlot = 11; // the dialog's automatic-save entry
inline constexpr int GameStartSlot = 13;
inline constexpr int LatestAutoSlot = 14;

// What a slot of the save file holds, as the saved-games window lists it.
struct SlotListing {
    enum class Holds { Nothing, Game, Damage };
    Holds What = Holds::Nothing;
    std::string Name; // a game's save name, the "^^" mark kept
};

class SavedGames {
  public:
    enum class Source { SaveFile, UndoLog };

    SavedGames(GameState& state, Profiles& profiles, SavedGamesPorts ports);

    // --- The record of the board ---
    // Fills the board's record from the game (the name stays) and gives its bytes.
    std::vector<uint8_t> Saving();
    // The same for the undo log: named with the counts of the turn so far, which an undo puts back.
    std::vector<uint8_t> UndoRecord();
    // The automatic copies: the turn-start copy for the parity of TurnCounter and the latest copy;
    // at TurnCounter 0 also the other turn-start copy and the start of the game.
    void SaveAuto();
    // Makes record SaveSlot of the save file or of the undo log the game on the board. A record
    // that holds no playable game is refused with a message and nothing changes: false.
    bool Restoring(Source from);

    // --- Commands ---
    // "Restart Turn" (RestartMode, the Backspace key) and "Undo" (UndoMode); the refusals first.
    void RestartTurn();
    // Backspace: the turn played again from its start.
    void RestartCurrentTurn();
    // The "Undo" panel: back one play, during the human's turn after a play.
    void UndoPlay();
    // The Game menu's "Previous Turn": the start of the turn before this one.
    void PreviousTurn();
    // A slot of the save file taken up directly (13: "Restart Current Game").
    void RestoreSlot(int slot);
    // The Game menu's Save and Restore, through the saved-games window.
    void SaveGame();
    void RestoreGame();
    // The Internet menu's "Save This Game" and "Send Saved Internet Game" (with `restarted`, the
    // start of the game instead of a slot chosen in the window).
    void SaveNetGame();
    void SendSavedNetGame(bool restarted);

    // --- For the saved-games window ---
    // Slots 1..11: past the end of the file or holding no game, a game with its save name, or
    // damage (cut short, or a record that is no game that can be played).
    std::array<SlotListing, AutoSaveSlot + 1> SlotNames();
    // Switches the undo log (and with it the automatic copies of every turn) on or off.
    void SetAutoSave(bool on);
    // The save window was closed without anything to apply.
    bool DialogCancelled() const { return dialogCancelled_; }

    std::filesystem::path SaveFile() const;

  private:
    bool Busy() const;
    // The game on the board, as the save record holds it now, passes the saved-game check.
    bool BoardHoldsGame();
    std::optional<SavedGameRecord> ReadSaved(Source from, int slot);
    bool Refused(Source from, const std::optional<SavedGameRecord>& record);
    bool NetworkRefuses(const SavedGameRecord& record);
    void TakeUpRecord(Source from);
    void ResumePlay();
    // The record into `count` slots from `first`, in one write; the error, "" when written.
    std::string WriteSlots(int first, int count, const SavedGameRecord& record);
    bool WriteAutoSlots(int first, int count, const SavedGameRecord& record);
    void WriteUndoStart();
    void ShowSaveWindow(SaveSlotsPrompt& prompt);
    bool RestoreChosenSlot();
    void Message(const std::string& text, int style, const std::string& title);

    GameState& s_;
    Profiles& profiles_;
    SavedGamesPorts p_;
    SavedGameRecord saveRecord_;
    bool dialogCancelled_ = false;
    bool running_ = false;          // a save, restore or restart is under way
    bool autoSlotsFailing_ = false; // the last write of the automatic copies failed
};

} // namespace zarle
