#include "network/session/EngineSessionGame.h"

#include "opponents/ComputerPlayer.h"
#include "engine/Engine.h"

namespace zarle {

namespace {
template <typename F, typename... A> void Call(const F& hook, A... args) {
    if (hook) hook(args...);
}
} // namespace

void EngineSessionGame::ClearBoard() {
    engine_.ClearBoard();
}
void EngineSessionGame::ChangeLayout(int previousPlayers, int previousCenters) {
    Call(hooks_.ChangeLayout, previousPlayers, previousCenters);
}
void EngineSessionGame::NameCaptions() {
    Call(hooks_.NameCaptions);
}
void EngineSessionGame::RulesRefresh() {
    engine_.RulesRefresh();
}
void EngineSessionGame::SaveGame() {
    Call(hooks_.SaveGame);
}
bool EngineSessionGame::UndoLogOpen() {
    return engine_.UndoLogFile() != nullptr;
}
void EngineSessionGame::OpenUndoLog(bool open) {
    engine_.TempMoves_Open(open);
}
void EngineSessionGame::RestoreLocalOpponents() {
    Call(hooks_.RestoreLocalOpponents);
}
void EngineSessionGame::Beep() {
    Call(hooks_.Beep);
}
void EngineSessionGame::Deal_Players(Pics pics, SlotRow& cards) {
    engine_.Deal_Players(pics, cards);
}
void EngineSessionGame::Hand_Sort(SlotRow& cards, Pics pics, int from, int to) {
    engine_.Hand_Sort(cards, pics, from, to);
}
void EngineSessionGame::Comp_Flip(int slot, int target, Pics pics, CardRec holdTopNext) {
    opponents_.SetHoldTopNext(holdTopNext);
    opponents_.Comp_Flip(slot, target, pics);
}
void EngineSessionGame::Move_End_Turn(Pics pics) {
    opponents_.Move_End_Turn(pics);
}
void EngineSessionGame::Add_Used() {
    engine_.Add_Used();
}
void EngineSessionGame::Game_End() {
    engine_.Game_End();
}
void EngineSessionGame::ComputerTurn() {
    opponents_.ComputerTurn();
}

void EngineSessionGame::DealFirstGame() {
    if (engine_.SetUp()) engine_.GoDeal();
}

} // namespace zarle
