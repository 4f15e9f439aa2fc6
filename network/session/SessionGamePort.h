#pragma once
// What the network session asks of the game around it: the engine's and the computer player's
// sequences, the board's layout and captions, and the saved games. The board window implements
// it over its engine and opponents; tests drive it headless.

#include "engine/BoardControls.h"
#include "engine/SeatRecord.h"

namespace zarle {

class SessionGamePort {
  public:
    virtual ~SessionGamePort() = default;
    virtual void ClearBoard() = 0;
    // Lays the board out anew for changed counts (GameState holds the new ones), and redraws it.
    virtual void ChangeLayout(int previousPlayers, int previousCenters) = 0;
    virtual void NameCaptions() = 0;
    virtual void RulesRefresh() = 0;
    // The Game menu's save of the game in play, the seat at play stored back first.
    virtual void SaveGame() = 0;
    virtual bool UndoLogOpen() = 0;
    virtual void OpenUndoLog(bool open) = 0;
    // The local opponents come back in seats 2..4 after a network game.
    virtual void RestoreLocalOpponents() = 0;
    // The short warning sound of the platform.
    virtual void Beep() = 0;

    // The sequences a remote seat's turn replays.
    virtual void Deal_Players(Pics pics, SlotRow& cards) = 0;
    virtual void Hand_Sort(SlotRow& cards, Pics pics, int from, int to) = 0;
    // holdTopNext: what a hold pile shows once its top has flown.
    virtual void Comp_Flip(int slot, int target, Pics pics, CardRec holdTopNext) = 0;
    virtual void Move_End_Turn(Pics pics) = 0;
    virtual void Add_Used() = 0;
    virtual void Game_End() = 0;
    virtual void ComputerTurn() = 0;
    // The first game's deal at once: a peer of an older version starts no game by itself.
    virtual void DealFirstGame() = 0;
};

} // namespace zarle
