#pragma once
// A program folder with the data files, a game state, the real engine, saved games and
// statistics, with recording stand-ins for the board, the opponent seats (plain rules), sounds,
// waits, boxes and the network, and a saved-games window played by a script.

#include "engine/Engine.h"
#include "tests/support/engine/FakeBoard.h"
#include "tests/support/engine/FakeNeighbours.h"
#include "tests/support/engine/FakeServices.h"
#include "persistence/games/GamePersistence.h"
#include "tests/persistence/profiles/ProfileFixture.h"
#include "persistence/profiles/ProfilePersistence.h"
#include "persistence/games/SaveSlotsPrompt.h"
#include "base/records/SavedGameRecord.h"
#include "persistence/games/SavedGames.h"
#include "tests/support/engine/ScriptedOpponents.h"
#include "persistence/games/Statistics.h"
#include "tests/support/engine/Transcript.h"
#include "engine/UndoLog.h"

#include <functional>
#include <vector>

namespace zarle::testing {

// The board's layout for other counts: what the state held when it was asked for.
class LayoutRecorder : public FakeProfileHost {
  public:
    explicit LayoutRecorder(GameState& state) : s_(state) {}
    struct Call {
        int PrevPlayers, PrevCenters, Players, Centers;
        int16_t Seat3SideCount; // a pile of the game on the board at that moment
    };
    std::vector<Call> Calls;
    void ChangeLayout(int players, int centers) override {
        Calls.push_back({players, centers, s_.NumPlayers, s_.NumCenters, s_.SeatRec2.SideCount});
        s_.Seat3Shown = s_.NumPlayers > 2;
        s_.Seat4Shown = s_.NumPlayers == 4;
    }

  private:
    GameState& s_;
};

// The user at the saved-games window: the script acts on the prompt; the window then closes as
// its close box does, unless the script closed it.
class ScriptedSaveDialog : public SaveDialogPort {
  public:
    std::function<void(SaveSlotsPrompt&)> Script;
    int Shown = 0;
    std::array<SaveSlotsPrompt::Slot, 12> Opened{}; // the slots as the window opened
    bool AutoSaveVisible = false;
    void ShowModal(SaveSlotsPrompt& prompt) override {
        ++Shown;
        prompt.Form_Load();
        Opened = prompt.Slots;
        AutoSaveVisible = prompt.AutoSaveVisible;
        if (Script) Script(prompt);
        if (!prompt.Closed) prompt.Form_QueryUnload();
    }
};

class NoWelcome : public WelcomeWindowPort {
  public:
    void ShowModal() override {}
};

class GamesTest : public ProfilesTest {
  protected:
    void SetUp() override;

    // A local game dealt with these counts; the opponents do not move, the human is to move at
    // the start of turn 1 with the undo log open.
    void Deal(int players, int sideSize = 20, unsigned seed = 1);
    // What the board does when the move comes back to the human: the turn-start copies and the
    // first record of the undo log.
    void StartHumanTurn();
    // One play of the human from a slot onto a center.
    void Play(int slot, int center);
    // Whole turns of a plain human against the plain opponents.
    void PlayTurns(int turns);
    // A card of this value from the stock into the human's slot, swapped with what was there.
    void PutInHand(int slot, int value);

    // The game on the board as a record (no name).
    SavedGameRecord BoardRecord() const;
    SavedGameRecord SlotRecord(int slot) const;
    void WriteSlot(int slot, const SavedGameRecord& record);
    std::vector<uint8_t> SaveFileBytes() const;
    std::filesystem::path DataFile(const char* name) const { return Root() / "Data" / name; }

    Transcript Log;
    FakeBoard Board{Log};
    FakeSound Sound{Log};
    FakeWaiter Waiter{Log};
    FakeMessageBox Box{Log};
    FakeRandom Random{7};
    ScriptedOpponents Opponents{Log, state};
    FakeNetwork Net{Log, state};
    LayoutRecorder View{state};
    NoWelcome Welcome;
    ProfilePersistence PlayerFiles{profiles, Welcome};
    ScriptedSaveDialog Dialog;
    SavedGames Games{state, profiles,
                     SavedGamesPorts{Game, Board, View, Opponents, Sound, Waiter, Box, Net, Dialog}};
    Statistics Stats{state, Board, profiles};
    GamePersistence Persistence{PlayerFiles, Games, Stats};
    Engine Game{state, EnginePorts{Board, Sound, Waiter, Box, Random, Opponents, Persistence, Net}};
};

} // namespace zarle::testing
