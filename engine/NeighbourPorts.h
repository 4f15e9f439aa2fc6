#pragma once
// The services of the computer opponents, the player files and saved games, and internet play
// that the engine calls.

#include "engine/GameState.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace zarle {

class OpponentsPort {
  public:
    virtual ~OpponentsPort() = default;
    // toRecord false loads the seat into the working copy; true stores the working copy back.
    virtual void SwapOpponentData(SeatRecord& rec, bool toRecord) = 0;
    // Plays the opponent seats from TurnPos on until the human moves or the game ends.
    virtual void ComputerTurn() = 0;
    // The working personality's remark on a wasted side-card value.
    virtual void Dumbness() = 0;
};

class PersistencePort {
  public:
    virtual ~PersistencePort() = default;
    // The whole game state as one saved-game record (6038 bytes), name left as it was.
    virtual std::vector<uint8_t> Saving() = 0;
    // Saving for the undo log, named with what an undo needs besides the board (the counts of the
    // turn so far).
    virtual std::vector<uint8_t> UndoRecord() { return Saving(); }
    virtual void SaveAuto() = 0;
    virtual void StatsAdd(int slot, int kind) = 0;
    virtual void StatsCk(int row, int who) = 0;
    virtual void StatsSave(int row, int who) = 0;
    // The player prompt, shown modally before a new local game.
    virtual void ShowWelcome() = 0;
    // The score categories of the current player's profile record; false when unreadable.
    virtual bool ReadPlayerScores(ScoreCategoryTable& scores) = 0;
    virtual void WritePlayerScores(const ScoreCategoryTable& scores) = 0;
    // The writes of a game's end between these two reach the files together or not at all.
    virtual void BeginScoreUpdate() {}
    virtual void EndScoreUpdate() {}
};

class NetworkPort {
  public:
    virtual ~NetworkPort() = default;
    // Both append the line-feed terminator themselves.
    virtual void NetSend(std::string_view msg, int index) = 0;
    virtual void NetBroadcast(std::string_view msg, int exceptIndex) = 0;
    // One pass of waiting for a peer's message; the dispatcher may change the network state.
    virtual void NetWaitReply(int index) = 0;
    // The human's last play (LastFrom to LastTo) with the peers' answers; the outcome is NetState.
    virtual void Move_Transmit() = 0;
    // The last play and the end of the turn; NetMode is 0 afterwards when the connection was lost.
    virtual void Move_Transmit_Done() = 0;
    virtual void Scores_Net(std::string_view winnerName) = 0;
    // The chat window's send button.
    virtual void EnableChatSend(bool enable) = 0;
    // Ends the network game as a lost connection does (a peer sent what cannot be used).
    virtual void ConnectionLost() = 0;
    // The host changed the table: the seats are assigned anew, the new layout ("LO") goes to every
    // peer and the game's information is shown. The peers' answers arrive through NetWaitReply.
    virtual void SendNewTable() = 0;
    // Sends the game just restored to every remote player and resumes play (the host).
    virtual void SendRecover() = 0;
};

} // namespace zarle
