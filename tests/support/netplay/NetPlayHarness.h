#pragma once
// Whole network games over loopback: a host and its remotes, each in a thread of its own with its
// own game state, engine, computer player and session, the human of every side played by a simple
// scripted policy with no animation pacing. Every side records its board after every move, in the
// host's seat numbering, so that the boards can be compared move by move afterwards.

#include <string>
#include <vector>

namespace zarle::testing {

struct NetPlayOptions {
    int Players = 2;
    int Games = 1;
    unsigned Seed = 1;
    // The host sends the whole game to its remotes ("RC") once, after this many moves (0: never).
    int TransferAfterMoves = 0;
    // Before that transfer the stock and the used pile go onto the hold piles, so that a refill
    // soon finds no card: a stalemate, which the host's box answers with a reshuffle of the cards
    // in play. The transfer is repeated as often as it takes.
    bool RunOutOfCards = false;
    // The humans play only their side cards and hoard the rest, until the cards run out.
    bool Hoard = false;
    // Every human keys a move as soon as the turn is his (at the first wait that finds it his),
    // through the holds the engine puts on the player's input, as the board's input gate takes it.
    bool EagerHumans = false;
    // Checks the card conservation at every move (slows the bench down).
    bool CheckCards = true;
    // Every side gives up after this long.
    int TimeLimitSeconds = 60;
};

struct NetPlayReport {
    std::string Problem; // "" when every side agreed at every move and every card was kept
    int GamesFinished = 0;
    int Moves = 0;
    int Reshuffles = 0;
    int Stalemates = 0;
    // Stalemates recovered by reshuffling the cards in play, on the side that saw the fewest.
    int StaleRecoveries = 0;
    int Transfers = 0;
    double Seconds = 0;
    // From a move sent to it applied on the last of the other sides, in milliseconds.
    std::vector<double> MoveLatencies;
};

NetPlayReport PlayNetGames(const NetPlayOptions& options);

} // namespace zarle::testing
