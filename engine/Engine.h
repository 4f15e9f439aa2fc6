#pragma once
// The sequences of a game: deal, plays, refills, stalemate and end of game. They work on the
// game state and reach the board, sounds, pauses, boxes and the neighbouring subsystems only
// through the ports.

#include "engine/EnginePorts.h"
#include "engine/GameState.h"
#include "engine/NetCodes.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace zarle {

class UndoLog;

class Engine {
  public:
    Engine(GameState& state, EnginePorts ports);
    ~Engine();
    Engine(const Engine&) = delete;
    Engine& operator=(const Engine&) = delete;

    GameState& State() { return s_; }
    // The open undo log, or nullptr while it is closed.
    UndoLog* UndoLogFile() { return undoLog_.get(); }

    // Board and seats.
    void ClearBoard();
    void GoUpdateOpponents();

    // The deal. SetUp answers false when a network wait broke off (nothing more to deal then).
    bool SetUp();
    void ShuffleDeck(int first, int last, int offset = 0);
    void GoDeal();
    void Deal_All();
    void DealCardAnimated(Pics pics, SlotRow& cards, int slot, int mode);
    void Command2_Click();

    // Center piles.
    void Legal();
    void Add_Center();
    void Add_Used();

    // Refill, reshuffle and stalemate.
    void Deal_Players(Pics pics, SlotRow& cards);
    void RESHUFFLE();
    void STALEMATE();
    void Stale_Recover();

    // The human's turn.
    void Player_Move();
    void Player_EndTurn();
    void PlayerGoBack(std::string_view rule);
    void StatusBar_Clear();

    // End of game.
    void Game_New();
    void Game_End();
    void DoTheMath();
    void DoTheUpdate(int category);

    // Hand order, peek and the illegal-move report.
    void Hand_Sort(SlotRow& cards, Pics pics, int& from, int& to);
    void Peek();
    void CheatError();

    // Undo log and shared utilities.
    void TempMoves_Open(bool open);
    void RulesRefresh();

  private:
    static constexpr const char* DealerErrorTitle = "Dealer Error";
    // Small helpers over the ports.
    void Caption(Ctl control, int index, std::string_view text);
    void Show(Ctl control, int index, bool visible);
    void PlaySound(int id);
    void PlayPersonalitySound(std::string_view path, SoundPlay how);
    // Int(Rnd x n): 0..n - 1.
    int RndInt(int n);
    void Wait(float seconds) { p_.Waiter.Wait(seconds); }
    bool Local() const { return s_.NetMode == 0; }
    bool Remote() const { return s_.NetMode != 0 && s_.IsHost == 0; }
    bool Host() const { return s_.NetMode != 0 && s_.IsHost != 0; }
    // Waits for the network until done() holds; false when the connection broke off first (NetMode
    // 0, StopWait or one of the abort codes).
    bool NetWaitUntil(const std::function<bool()>& done, std::initializer_list<NetCode> abortCodes);
    // A peer's message that does not add up ends the network game as a lost connection does.
    void RejectPeerMessage();

    // Deal steps.
    bool SendDeck();
    bool ReceiveDeck();
    void DealSidePiles();
    void FlipForFirst();
    bool ReceiveFirstSeat();
    bool SendFirstSeat();
    void ShowSideStacks();
    void AnnounceOpponentFirst();
    void StartHumanFirst();
    void TakeUpReceivedGame();
    SlotRow& SlotsOfSeat(int seat);

    // Refill and stalemate steps.
    bool ReshuffleLocally();
    void SendStock();
    bool ReceiveStock();
    void GiveUpStalemate();
    bool PushUsed(CardRec card);
    bool ClearCentersToUsed();
    bool ClearHumanToUsed();
    bool ClearOpponentsToUsed();
    bool Stale_ClearSeat(SeatRecord& rec, Pics pics);

    // Play steps.
    void TakeFromSource();
    void TakeSideCard();
    void TakeHoldTop();
    void ReactToWild();
    void RevealSideCard();
    void BlockingReaction();
    int BlockedSeat() const;
    bool DiscardRefusedByForcedRule();
    bool ForcedCardInPlay(int value) const;

    // End-of-game steps.
    bool AnnounceNetGame();
    void SetResultText(bool humanWon, int margin);
    void UpdateLocalScores();
    void CountNetGame(bool humanWon, const std::string& winnerName);
    // The session's scores on the board; a remote then waits for the host's next word. False when
    // the program started closing meanwhile.
    bool ShowNetScores();

    void WriteUndoRecord(int recordNo);

    GameState& s_;
    EnginePorts p_;
    std::unique_ptr<UndoLog> undoLog_;
};

} // namespace zarle
