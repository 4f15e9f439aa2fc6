#pragma once
// The session's game port over the engine and the computer player. What only the board window
// can do (laying the board out anew, the captions, the Game menu's save, the local opponents)
// comes as hooks; a hook left empty does nothing.

#include "network/session/SessionGamePort.h"

#include <functional>

namespace zarle {

class Engine;
class ComputerPlayer;

struct BoardHooks {
    std::function<void(int previousPlayers, int previousCenters)> ChangeLayout;
    std::function<void()> NameCaptions;
    std::function<void()> SaveGame;
    std::function<void()> RestoreLocalOpponents;
    std::function<void()> Beep;
};

class EngineSessionGame : public SessionGamePort {
  public:
    EngineSessionGame(Engine& engine, ComputerPlayer& opponents, BoardHooks hooks = {})
        : engine_(engine), opponents_(opponents), hooks_(std::move(hooks)) {}

    void ClearBoard() override;
    void ChangeLayout(int previousPlayers, int previousCenters) override;
    void NameCaptions() override;
    void RulesRefresh() override;
    void SaveGame() override;
    bool UndoLogOpen() override;
    void OpenUndoLog(bool open) override;
    void RestoreLocalOpponents() override;
    void Beep() override;
    void Deal_Players(Pics pics, SlotRow& cards) override;
    void Hand_Sort(SlotRow& cards, Pics pics, int from, int to) override;
    void Comp_Flip(int slot, int target, Pics pics, CardRec holdTopNext) override;
    void Move_End_Turn(Pics pics) override;
    void Add_Used() override;
    void Game_End() override;
    void ComputerTurn() override;
    void DealFirstGame() override;

  private:
    Engine& engine_;
    ComputerPlayer& opponents_;
    BoardHooks hooks_;
};

} // namespace zarle
